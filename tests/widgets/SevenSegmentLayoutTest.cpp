// Read-out geometry and content as tables: sizes, cell grid, decimal mark, what each cell shows.
#include <gtest/gtest.h>

#include <QString>

#include "widgets/SevenSegmentGlyphs.h"
#include "widgets/SevenSegmentLayout.h"

namespace {

using widgets::Glyph;
using widgets::GlyphKind;

// The program's read-outs: voltage and current (five cells, three decimals) and power
// (four cells, one decimal).
widgets::ReadoutGeometry VoltageGeometry() {
    return {5, false, 2, 6, 12};
}
widgets::ReadoutGeometry PowerGeometry() {
    return {4, false, 2, 6, 12};
}

TEST(SevenSegmentLayout, AutoSize) {
    EXPECT_EQ(widgets::ReadoutAutoSize(VoltageGeometry()), QSize(160, 48));
    EXPECT_EQ(widgets::ReadoutAutoSize(PowerGeometry()), QSize(128, 48));
    // Defaults: four digits plus the sign cell, segment size 1, margin 5, spacing 6.
    EXPECT_EQ(widgets::ReadoutAutoSize({4, true, 1, 5, 6}), QSize(84, 28));
}

TEST(SevenSegmentLayout, CellGridOfTheProgramReadouts) {
    const widgets::CellGrid grid = widgets::ReadoutCellGrid(VoltageGeometry(), QSize(160, 48));
    EXPECT_EQ(grid.cellWidth, 20);
    EXPECT_EQ(grid.cellHeight, 36);
    EXPECT_EQ(grid.top, 6);
    const int expectedX[] = {6, 38, 70, 102, 134};
    for (int cell = 0; cell < 5; ++cell) {
        EXPECT_EQ(grid.cellX(cell), expectedX[cell]) << cell;
    }
    // A wider widget than the auto size centres the cells.
    const widgets::CellGrid wide = widgets::ReadoutCellGrid(PowerGeometry(), QSize(139, 48));
    EXPECT_EQ(wide.cellWidth, 22);
    EXPECT_EQ(wide.cellX(0), 7);  // (139 + 12 - 4 * 34) div 2
}

TEST(SevenSegmentLayout, DecimalMarkOffsetRoundsHalfToEven) {
    EXPECT_EQ(widgets::DecimalMarkOffset(20, 12), -8);  // 2 + 6
    EXPECT_EQ(widgets::DecimalMarkOffset(25, 6), -6);   // 5.5 -> 6
    EXPECT_EQ(widgets::DecimalMarkOffset(15, 6), -4);   // 4.5 -> 4
    EXPECT_EQ(widgets::DecimalMarkOffset(20, 7), -6);   // 5.5 -> 6
    EXPECT_EQ(widgets::DecimalMarkOffset(20, 5), -4);   // 4.5 -> 4
}

// Glyph shorthand for the plan tables: digits, ' ' blank, '^' up arrow, 'v' down arrow,
// '+' and '-' signs.
Glyph G(char c) {
    switch (c) {
        case '^':
            return {GlyphKind::UpArrow, 0};
        case 'v':
            return {GlyphKind::DownArrow, 0};
        case '+':
            return {GlyphKind::Plus, widgets::SegG};
        case '-':
            return widgets::MinusGlyph();
        default:
            return widgets::DigitGlyph(c);
    }
}

struct PlanCase {
    double value;
    int digitCount;
    int precision;
    bool showSign;
    TiLeadingStyle leading;
    QChar separator;
    const char* cells;  // one glyph per cell, from the first
    int markBefore;     // -1: no mark
    GlyphKind markKind;
};

TEST(SevenSegmentLayout, PlanShowsDigitsMarkAndArrows) {
    const auto sp = TiLeadingStyle::ilsSpaces;
    const auto zeros = TiLeadingStyle::ilsZeros;
    const auto none = TiLeadingStyle::ilsNone;
    const auto dot = GlyphKind::Period;
    const auto comma = GlyphKind::Comma;
    const PlanCase cases[] = {
        {5, 5, 3, false, sp, '.', " 5000", 2, dot},
        {12.3456, 5, 3, false, sp, '.', "12346", 2, dot},
        {0.0004, 5, 3, false, sp, '.', " 0000", 2, dot},
        {99.9996, 5, 3, false, sp, '.', "^^^^^", -1, dot},
        {-0.0042, 5, 3, false, sp, '.', " 0004", 2, dot},  // magnitude, no sign
        {-123.4, 5, 3, false, sp, '.', "vvvvv", -1, dot},
        {1e15, 5, 3, false, sp, '.', "^^^^^", -1, dot},
        {5, 5, 3, false, zeros, '.', "05000", 2, dot},
        {5, 5, 3, false, none, '.', "5000", 1, dot},
        {5, 5, 3, false, sp, ',', " 5000", 2, comma},
        {12.34, 4, 1, false, sp, '.', " 123", 3, dot},
        {999.9, 4, 1, false, sp, '.', "9999", 3, dot},  // "999.9" fits exactly in 4 + mark
        {1000, 4, 1, false, sp, '.', "^^^^", -1, dot},
        {42, 3, 0, false, sp, '.', " 42", -1, dot},
        {1234, 3, 0, false, sp, '.', "^^^", -1, dot},
        {3.5, 4, 2, true, sp, '.', "+ 350", 3, dot},
        {-3.5, 4, 2, true, sp, '.', "- 350", 3, dot},
        {-1e300, 4, 2, true, sp, '.', "-vvvv", -1, dot},
        {-std::numeric_limits<double>::infinity(), 4, 2, false, sp, '.', "vvvv", -1, dot},
    };
    for (const PlanCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.value << " cells " << c.digitCount << " precision " << c.precision);
        const widgets::ReadoutPlan plan = widgets::PlanReadout(
            {c.value, c.digitCount, c.precision, c.showSign, c.leading, c.separator});
        const std::string expected = c.cells;
        ASSERT_EQ(plan.cells.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(plan.cells[i].cell, static_cast<int>(i));
            EXPECT_EQ(plan.cells[i].glyph, G(expected[i])) << "cell " << i;
        }
        ASSERT_EQ(plan.mark.has_value(), c.markBefore >= 0);
        if (plan.mark) {
            EXPECT_EQ(plan.mark->beforeCell, c.markBefore);
            EXPECT_EQ(plan.mark->glyph.kind, c.markKind);
        }
    }
}

TEST(SevenSegmentGlyphs, DigitPatterns) {
    // 6 has its top bar, 7 no upper-left bar, 9 no bottom bar.
    EXPECT_TRUE(widgets::DigitSegments('6') & widgets::SegA);
    EXPECT_FALSE(widgets::DigitSegments('7') & widgets::SegF);
    EXPECT_FALSE(widgets::DigitSegments('9') & widgets::SegD);
    EXPECT_EQ(widgets::DigitSegments('8'), 0x7F);
    EXPECT_EQ(widgets::DigitSegments(' '), 0);
}

TEST(SevenSegmentGlyphs, PolygonsOfTheReadoutCell) {
    const widgets::GlyphBox cell{20, 36, 2, 2};  // W, H, S, Z of the program's read-outs
    EXPECT_EQ(widgets::SegmentPolygon(0, cell), QPolygon({{2, 0}, {17, 0}, {13, 4}, {6, 4}}));
    EXPECT_EQ(widgets::SegmentPolygon(2, cell), QPolygon({{19, 19}, {19, 33}, {15, 29}, {15, 23}}));
    EXPECT_EQ(widgets::SegmentPolygon(6, cell),
              QPolygon({{2, 17}, {4, 15}, {15, 15}, {17, 17}, {15, 19}, {4, 19}}));
    EXPECT_EQ(widgets::ShapePolygons(GlyphKind::UpArrow, cell),
              std::vector<QPolygon>{QPolygon({{18, 18}, {0, 18}, {9, 9}})});
    EXPECT_EQ(widgets::ShapePolygons(GlyphKind::DownArrow, cell),
              std::vector<QPolygon>{QPolygon({{18, 18}, {0, 18}, {9, 27}})});
    // A flat box: the down arrow's tip stops at the bottom row.
    EXPECT_EQ(widgets::ShapePolygons(GlyphKind::DownArrow, {20, 10, 2, 2}),
              std::vector<QPolygon>{QPolygon({{18, 5}, {0, 5}, {9, 9}})});

    const widgets::GlyphBox mark{4, 36, 2, 2};
    EXPECT_EQ(widgets::ShapePolygons(GlyphKind::Period, mark),
              std::vector<QPolygon>{QPolygon({{0, 32}, {4, 32}, {4, 36}, {0, 36}})});
    // Comma rows round(k * 36 / 18) = 22, 26, 32.
    EXPECT_EQ(widgets::ShapePolygons(GlyphKind::Comma, mark),
              (std::vector<QPolygon>{QPolygon({{0, 22}, {4, 22}, {4, 26}, {0, 26}}),
                                     QPolygon({{2, 26}, {4, 26}, {4, 32}, {2, 32}})}));
    // Halves to even: 11 * 27 / 18 = 16.5 -> 16, 13 * 27 / 18 = 19.5 -> 20.
    EXPECT_EQ(widgets::CommaRow(11, 27), 16);
    EXPECT_EQ(widgets::CommaRow(13, 27), 20);
}

}  // namespace
