#pragma once
// A paint device that records what a QPainter draws as an SVG document, so the scalable
// icon comes from the very drawing code that paints the bitmaps. It knows what our pictures
// use: paths, polygons, lines, rectangles and ellipses, solid pens and brushes and
// transforms. Anything else it cannot write faithfully (gradients, patterns, clipping,
// pixmaps) marks the picture as unsupported instead of being left out unnoticed.

#include <QPaintDevice>
#include <QSize>
#include <QString>
#include <memory>

class SvgPaintEngine;

class SvgPicture : public QPaintDevice {
  public:
    explicit SvgPicture(QSize size);
    ~SvgPicture() override;

    // The document recorded so far (complete once the painter has ended).
    QString document() const;
    // Empty while everything painted could be written; otherwise what could not be.
    QString unsupported() const;

    QPaintEngine* paintEngine() const override;

  protected:
    int metric(PaintDeviceMetric metric) const override;

  private:
    QSize size_;
    std::unique_ptr<SvgPaintEngine> engine_;
};
