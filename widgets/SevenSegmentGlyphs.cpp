#include "widgets/SevenSegmentGlyphs.h"

#include <algorithm>
#include <array>

#include "widgets/RoundHalfEven.h"

namespace widgets {

namespace {
constexpr std::array<std::uint8_t, 10> kDigitSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                         0x6D, 0x7D, 0x07, 0x7F, 0x67};
}  // namespace

std::uint8_t DigitSegments(char digit) {
    if (digit < '0' || digit > '9') {
        return 0;
    }
    return kDigitSegments[digit - '0'];
}

Glyph DigitGlyph(char digit) {
    return Glyph{GlyphKind::Segments, DigitSegments(digit)};
}
Glyph BlankGlyph() {
    return Glyph{GlyphKind::Segments, 0};
}
Glyph MinusGlyph() {
    return Glyph{GlyphKind::Segments, SegG};
}

QPolygon SegmentPolygon(int index, const GlyphBox& box) {
    const int W = box.width;
    const int H = box.height;
    const int S = box.separation;
    const int Z = box.segmentSize;
    const int Z2 = 2 * Z;
    const int m = (H - 1) / 2;
    switch (index) {
        case 0:  // a
            return QPolygon({{S, 0}, {W - 1 - S, 0}, {W - 1 - S - Z2, Z2}, {S + Z2, Z2}});
        case 1:  // b
            return QPolygon(
                {{W - 1, S}, {W - 1, m - S}, {W - 1 - Z2, m - S - Z2}, {W - 1 - Z2, S + Z2}});
        case 2:  // c
            return QPolygon({{W - 1, m + S},
                             {W - 1, H - 1 - S},
                             {W - 1 - Z2, H - 1 - S - Z2},
                             {W - 1 - Z2, m + S + Z2}});
        case 3:  // d
            return QPolygon({{S, H - 1},
                             {W - 1 - S, H - 1},
                             {W - 1 - S - Z2, H - 1 - Z2},
                             {S + Z2, H - 1 - Z2}});
        case 4:  // e
            return QPolygon({{0, m + S}, {0, H - 1 - S}, {Z2, H - 1 - S - Z2}, {Z2, m + S + Z2}});
        case 5:  // f
            return QPolygon({{0, S}, {0, m - S}, {Z2, m - S - Z2}, {Z2, S + Z2}});
        default:  // g
            return QPolygon({{S, m},
                             {S + Z, m - Z},
                             {W - 1 - S - Z, m - Z},
                             {W - 1 - S, m},
                             {W - 1 - S - Z, m + Z},
                             {S + Z, m + Z}});
    }
}

int CommaRow(int k, int height) {
    return RoundHalfEven(k * height, 18);
}

std::vector<QPolygon> ShapePolygons(GlyphKind kind, const GlyphBox& box) {
    const int W = box.width;
    const int H = box.height;
    const int Z = box.segmentSize;
    const int c = W / 2;
    switch (kind) {
        case GlyphKind::Period:
            return {QPolygon({{c - Z, H - 2 * Z}, {c + Z, H - 2 * Z}, {c + Z, H}, {c - Z, H}})};
        case GlyphKind::Comma: {
            const int r11 = CommaRow(11, H);
            const int r13 = CommaRow(13, H);
            const int r16 = CommaRow(16, H);
            return {QPolygon({{c - Z, r11}, {c + Z, r11}, {c + Z, r13}, {c - Z, r13}}),
                    QPolygon({{c, r13}, {c + Z, r13}, {c + Z, r16}, {c, r16}})};
        }
        case GlyphKind::UpArrow: {
            const int k = (W - 1) / 2;
            const int h = H / 2;
            return {QPolygon({{k + k, h}, {0, h}, {k, std::max(h - k, 0)}})};
        }
        case GlyphKind::DownArrow: {
            const int k = (W - 1) / 2;
            const int h = H / 2;
            const int tipY = h + k < H - 1 ? h + k : H - 1;
            return {QPolygon({{k + k, h}, {0, h}, {k, tipY}})};
        }
        case GlyphKind::Plus: {
            // The vertical bar of the plus sign; the middle bar is segment g.
            const int m = (H - 1) / 2;
            const int reach = std::max((W - 1) / 2 - box.separation, Z);
            return {QPolygon(
                {{c - Z, m - reach}, {c + Z, m - reach}, {c + Z, m + reach}, {c - Z, m + reach}})};
        }
        case GlyphKind::Segments:
            break;
    }
    return {};
}

}  // namespace widgets
