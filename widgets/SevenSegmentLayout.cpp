#include "widgets/SevenSegmentLayout.h"

#include <cmath>

#include "widgets/DecimalText.h"
#include "widgets/RoundHalfEven.h"

namespace widgets {

QSize ReadoutAutoSize(const ReadoutGeometry& g) {
    const int n = g.cellCount();
    const int width =
        (10 * g.segmentSize + g.digitSpacing) * n + 2 * g.segmentMargin - g.digitSpacing;
    const int height = 18 * g.segmentSize + 2 * g.segmentMargin;
    return {width, height};
}

CellGrid ReadoutCellGrid(const ReadoutGeometry& g, QSize widgetSize) {
    const int n = g.cellCount();
    CellGrid grid;
    grid.cellWidth = (widgetSize.width() - 2 * g.segmentMargin - (n - 1) * g.digitSpacing) / n;
    grid.cellHeight = widgetSize.height() - 2 * g.segmentMargin;
    grid.pitch = grid.cellWidth + g.digitSpacing;
    grid.firstX = (widgetSize.width() + g.digitSpacing - n * grid.pitch) / 2;
    grid.top = g.segmentMargin;
    return grid;
}

int DecimalMarkOffset(int cellWidth, int digitSpacing) {
    // round(W / 10 + spacing / 2) = round((W + 5 * spacing) / 10)
    return -RoundHalfEven(cellWidth + 5 * digitSpacing, 10);
}

std::optional<QString> ReadoutText(double value, int precision, QChar decimalSeparator) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    QString text = QString::fromStdString(FixedText(std::fabs(value), precision));
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

ReadoutPlan PlanReadout(const ReadoutContent& c) {
    ReadoutPlan plan;
    int cell = 0;
    if (c.showSign) {
        plan.cells.push_back({cell++, c.value >= 0 ? Glyph{GlyphKind::Plus, SegG} : MinusGlyph()});
    }

    const std::optional<QString> text = ReadoutText(c.value, c.precision, c.decimalSeparator);
    const int longest = c.precision > 0 ? c.digitCount + 1 : c.digitCount;
    if (!text || text->size() > longest) {
        // Negative infinity compares below zero, so it too gets down arrows.
        const Glyph arrow{c.value >= 0 ? GlyphKind::UpArrow : GlyphKind::DownArrow, 0};
        for (int i = 0; i < c.digitCount; ++i) {
            plan.cells.push_back({cell++, arrow});
        }
        return plan;
    }

    qsizetype split = text->indexOf(QLatin1Char('.'));
    if (split < 0) {
        split = text->indexOf(QLatin1Char(','));
    }
    QString integerPart = split < 0 ? *text : text->left(split);
    const QString fraction = split < 0 ? QString() : text->mid(split + 1);
    const QChar separator = split < 0 ? QChar() : text->at(split);

    const int integerCells = c.digitCount - c.precision;
    if (c.leadingStyle != TiLeadingStyle::ilsNone) {
        const QChar fill =
            c.leadingStyle == TiLeadingStyle::ilsZeros ? QLatin1Char('0') : QLatin1Char(' ');
        while (integerPart.size() < integerCells) {
            integerPart.prepend(fill);
        }
    }
    for (const QChar ch : integerPart) {
        plan.cells.push_back({cell++, DigitGlyph(ch.toLatin1())});
    }

    if (c.precision > 0 && c.digitCount > 1) {
        const GlyphKind markKind =
            separator == QLatin1Char('.') ? GlyphKind::Period : GlyphKind::Comma;
        plan.mark = PlacedMark{cell, Glyph{markKind, 0}};
        const int shown = std::min<int>(c.precision, c.digitCount - 1);
        for (int i = 0; i < shown && i < fraction.size(); ++i) {
            plan.cells.push_back({cell++, DigitGlyph(fraction.at(i).toLatin1())});
        }
    }
    return plan;
}

}  // namespace widgets
