#pragma once
// The read-out's glyphs: seven-segment digit patterns and the filled polygons of each
// segment, the decimal marks and the overflow arrows, in pixels relative to the glyph box.

#include <QPolygon>
#include <cstdint>
#include <vector>

namespace widgets {

// Segment bits a = 1 (top) ... g = 64 (middle).
enum Segment : std::uint8_t {
    SegA = 1,
    SegB = 2,
    SegC = 4,
    SegD = 8,
    SegE = 16,
    SegF = 32,
    SegG = 64
};

enum class GlyphKind { Segments, Plus, Period, Comma, UpArrow, DownArrow };

struct Glyph {
    GlyphKind kind = GlyphKind::Segments;
    std::uint8_t segments = 0;  // lit segments, for Segments and Plus

    bool operator==(const Glyph&) const = default;
};

// Segment pattern of '0'..'9'; anything else is blank.
std::uint8_t DigitSegments(char digit);
Glyph DigitGlyph(char digit);
Glyph BlankGlyph();
Glyph MinusGlyph();

struct GlyphBox {
    int width = 0;
    int height = 0;
    int separation = 0;   // gap left at the segment ends
    int segmentSize = 0;  // bars are twice this thick
};

// Polygon of one segment (index 0 = a ... 6 = g).
QPolygon SegmentPolygon(int index, const GlyphBox& box);

// The filled polygons that make a non-segment glyph (period, comma, arrows, plus bar).
std::vector<QPolygon> ShapePolygons(GlyphKind kind, const GlyphBox& box);

// round(k * height / 18), halves to even, for the comma's rows.
int CommaRow(int k, int height);

}  // namespace widgets
