#pragma once
// Geometry and content of the seven-segment read-out, as plain functions so they can be
// checked without a widget: the auto size, the cell grid, and which glyph goes where.

#include <QChar>
#include <QSize>
#include <optional>
#include <vector>

#include "widgets/SevenSegmentGlyphs.h"

#include "widgets/DisplayStyles.h"

namespace widgets {

struct ReadoutGeometry {
    int digitCount = 4;
    bool showSign = true;
    int segmentSize = 1;
    int segmentMargin = 5;
    int digitSpacing = 6;

    int cellCount() const { return showSign ? digitCount + 1 : digitCount; }
};

// The size the read-out takes with AutoSize on.
QSize ReadoutAutoSize(const ReadoutGeometry& geometry);

struct CellGrid {
    int cellWidth = 0;
    int cellHeight = 0;
    int firstX = 0;
    int top = 0;
    int pitch = 0;  // cell width plus digit spacing

    int cellX(int cell) const { return firstX + cell * pitch; }
};

CellGrid ReadoutCellGrid(const ReadoutGeometry& geometry, QSize widgetSize);

// One glyph in cell `cell` of the grid.
struct PlacedGlyph {
    int cell = 0;
    Glyph glyph;
};

// The decimal mark sits in the gap to the left of cell `beforeCell`.
struct PlacedMark {
    int beforeCell = 0;
    Glyph glyph;
};

struct ReadoutPlan {
    std::vector<PlacedGlyph> cells;
    std::optional<PlacedMark> mark;
};

struct ReadoutContent {
    double value = 0;
    int digitCount = 4;
    int precision = 2;
    bool showSign = true;
    TiLeadingStyle leadingStyle = TiLeadingStyle::ilsSpaces;
    QChar decimalSeparator = '.';
};

// The read-out's text: |value| in fixed point with `precision` decimals, halves away from
// zero, with `decimalSeparator`. Infinite values have no text (they never fit).
std::optional<QString> ReadoutText(double value, int precision, QChar decimalSeparator);

// What the read-out shows for a value: sign, arrows on overflow, fill, digits and mark.
ReadoutPlan PlanReadout(const ReadoutContent& content);

// Left edge of the decimal mark box relative to the next cell's left edge (negative).
int DecimalMarkOffset(int cellWidth, int digitSpacing);

}  // namespace widgets
