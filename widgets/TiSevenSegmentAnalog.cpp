#include "widgets/TiSevenSegmentAnalog.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <exception>

#include "widgets/Bevel.h"
#include "widgets/SevenSegmentLayout.h"

namespace {

constexpr double kLargestValue = 1e15;

QColor DividedBy3(const QColor& color) {
    return {color.red() / 3, color.green() / 3, color.blue() / 3};
}

void FillShape(QPainter& painter, const QPolygon& polygon, const QColor& color) {
    painter.setPen(color);  // the outline makes the boundary pixels part of the shape
    painter.setBrush(color);
    painter.drawPolygon(polygon);
}

}  // namespace

TiSevenSegmentAnalog::TiSevenSegmentAnalog(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    applyAutoSize();
}

double TiSevenSegmentAnalog::Value() const {
    return value_;
}

void TiSevenSegmentAnalog::SetValue(double value) {
    if (std::isnan(value) || value > kLargestValue) {
        value = kLargestValue;
    }
    if (value == value_) {
        return;
    }
    value_ = value;
    update();
}

int TiSevenSegmentAnalog::DigitCount() const {
    return digitCount_;
}
void TiSevenSegmentAnalog::SetDigitCount(int value) {
    digitCount_ = std::clamp(value, 1, 32);
    changed();
}

int TiSevenSegmentAnalog::Precision() const {
    return precision_;
}
void TiSevenSegmentAnalog::SetPrecision(int value) {
    precision_ = std::clamp(value, 0, 13);
    changed();
}

bool TiSevenSegmentAnalog::ShowSign() const {
    return showSign_;
}
void TiSevenSegmentAnalog::SetShowSign(bool value) {
    showSign_ = value;
    changed();
}

TiLeadingStyle TiSevenSegmentAnalog::LeadingStyle() const {
    return leadingStyle_;
}
void TiSevenSegmentAnalog::SetLeadingStyle(TiLeadingStyle value) {
    leadingStyle_ = value;
    changed();
}

QColor TiSevenSegmentAnalog::SegmentColor() const {
    return segmentColor_;
}
void TiSevenSegmentAnalog::SetSegmentColor(const QColor& value) {
    segmentColor_ = value;
    changed();
}

bool TiSevenSegmentAnalog::ShowOffSegments() const {
    return showOffSegments_;
}
void TiSevenSegmentAnalog::SetShowOffSegments(bool value) {
    showOffSegments_ = value;
    changed();
}

QColor TiSevenSegmentAnalog::SegmentOffColor() const {
    return segmentOffColor_;
}
void TiSevenSegmentAnalog::SetSegmentOffColor(const QColor& value) {
    segmentOffColor_ = value;
    changed();
}

bool TiSevenSegmentAnalog::AutoSegmentOffColor() const {
    return autoSegmentOffColor_;
}
void TiSevenSegmentAnalog::SetAutoSegmentOffColor(bool value) {
    autoSegmentOffColor_ = value;
    changed();
}

int TiSevenSegmentAnalog::SegmentSize() const {
    return segmentSize_;
}
void TiSevenSegmentAnalog::SetSegmentSize(int value) {
    segmentSize_ = std::clamp(value, 1, 100);
    changed();
}

int TiSevenSegmentAnalog::SegmentSeperation() const {
    return segmentSeperation_;
}
void TiSevenSegmentAnalog::SetSegmentSeperation(int value) {
    segmentSeperation_ = std::max(value, 0);
    changed();
}

int TiSevenSegmentAnalog::SegmentMargin() const {
    return segmentMargin_;
}
void TiSevenSegmentAnalog::SetSegmentMargin(int value) {
    segmentMargin_ = std::max(value, 0);
    changed();
}

int TiSevenSegmentAnalog::DigitSpacing() const {
    return digitSpacing_;
}
void TiSevenSegmentAnalog::SetDigitSpacing(int value) {
    digitSpacing_ = value;
    changed();
}

TiBorderStyle TiSevenSegmentAnalog::BorderStyle() const {
    return borderStyle_;
}
void TiSevenSegmentAnalog::SetBorderStyle(TiBorderStyle value) {
    borderStyle_ = value;
    changed();
}

QColor TiSevenSegmentAnalog::BackGroundColor() const {
    return backGroundColor_;
}
void TiSevenSegmentAnalog::SetBackGroundColor(const QColor& value) {
    backGroundColor_ = value;
    changed();
}

bool TiSevenSegmentAnalog::AutoSize() const {
    return autoSize_;
}
void TiSevenSegmentAnalog::SetAutoSize(bool value) {
    autoSize_ = value;
    if (!autoSize_) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    changed();
}

bool TiSevenSegmentAnalog::PowerOff() const {
    return powerOff_;
}
void TiSevenSegmentAnalog::SetPowerOff(bool value) {
    powerOff_ = value;
    changed();
}

void TiSevenSegmentAnalog::changed() {
    applyAutoSize();
    update();
}

void TiSevenSegmentAnalog::applyAutoSize() {
    if (autoSize_) {
        setFixedSize(TiSevenSegmentAnalog::sizeHint());  // also runs while constructing
    }
}

QSize TiSevenSegmentAnalog::sizeHint() const {
    return widgets::ReadoutAutoSize(
        {digitCount_, showSign_, segmentSize_, segmentMargin_, digitSpacing_});
}

QColor TiSevenSegmentAnalog::unlitColor() const {
    return autoSegmentOffColor_ ? DividedBy3(segmentColor_) : segmentOffColor_;
}

QImage TiSevenSegmentAnalog::RenderToImage() const {
    QImage image(size(), QImage::Format_RGB32);
    if (!image.isNull()) {
        renderInto(image);
    }
    return image;
}

void TiSevenSegmentAnalog::renderInto(QImage& image) const {
    try {
        QPainter painter(&image);
        paintReadout(painter);
    } catch (const std::exception& error) {
        image.fill(Qt::black);
        QPainter painter(&image);
        painter.setPen(Qt::white);
        painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         QString::fromLocal8Bit(error.what()));
    }
}

void TiSevenSegmentAnalog::paintEvent(QPaintEvent*) {
    // The off-screen bitmap is kept between paints; it is only reallocated on a resize.
    if (buffer_.size() != size()) {
        buffer_ = QImage(size(), QImage::Format_RGB32);
    }
    if (buffer_.isNull()) {
        return;
    }
    renderInto(buffer_);
    QPainter(this).drawImage(0, 0, buffer_);
}

void TiSevenSegmentAnalog::paintReadout(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect(), backGroundColor_);
    widgets::DrawBevel(painter, rect(), palette(), borderStyle_);

    const widgets::ReadoutGeometry geometry{digitCount_, showSign_, segmentSize_, segmentMargin_,
                                            digitSpacing_};
    const widgets::CellGrid grid = widgets::ReadoutCellGrid(geometry, size());
    if (grid.cellWidth <= 0 || grid.cellHeight <= 0) {
        return;
    }
    const QString separator = QLocale().decimalPoint();
    const widgets::ReadoutPlan plan =
        widgets::PlanReadout({value_, digitCount_, precision_, showSign_, leadingStyle_,
                              separator.isEmpty() ? QLatin1Char('.') : separator.at(0)});

    const QColor lit = powerOff_ ? unlitColor() : segmentColor_;
    const QColor unlit = unlitColor();
    const widgets::GlyphBox cellBox{grid.cellWidth, grid.cellHeight, segmentSeperation_,
                                    segmentSize_};

    auto drawGlyph = [&](const widgets::Glyph& glyph, const widgets::GlyphBox& box, QPoint origin) {
        if (glyph.kind == widgets::GlyphKind::Segments || glyph.kind == widgets::GlyphKind::Plus) {
            for (int index = 0; index < 7; ++index) {
                const bool on = (glyph.segments >> index) & 1;
                if (on || showOffSegments_) {
                    FillShape(painter, widgets::SegmentPolygon(index, box).translated(origin),
                              on ? lit : unlit);
                }
            }
        }
        if (glyph.kind != widgets::GlyphKind::Segments) {
            for (const QPolygon& shape : widgets::ShapePolygons(glyph.kind, box)) {
                FillShape(painter, shape.translated(origin), lit);
            }
        }
    };

    for (const widgets::PlacedGlyph& placed : plan.cells) {
        drawGlyph(placed.glyph, cellBox, QPoint(grid.cellX(placed.cell), grid.top));
    }
    if (plan.mark) {
        const widgets::GlyphBox markBox{grid.cellWidth / 5, grid.cellHeight, segmentSeperation_,
                                        segmentSize_};
        const int left = grid.cellX(plan.mark->beforeCell) +
                         widgets::DecimalMarkOffset(grid.cellWidth, digitSpacing_);
        drawGlyph(plan.mark->glyph, markBox, QPoint(left, grid.top));
    }
}
