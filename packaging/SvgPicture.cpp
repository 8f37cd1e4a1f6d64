#include "packaging/SvgPicture.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

namespace {

QString Number(double value) {
    return QString::number(value, 'g', 6);
}

QString Colour(const QColor& colour) {
    return colour.name(QColor::HexRgb);
}

QString PathData(const QPainterPath& path) {
    QString data;
    QPointF subpathStart;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        const QPointF point(element.x, element.y);
        switch (element.type) {
            case QPainterPath::MoveToElement:
                data += QStringLiteral("M%1 %2").arg(Number(point.x()), Number(point.y()));
                subpathStart = point;
                break;
            case QPainterPath::LineToElement:
                data += QStringLiteral("L%1 %2").arg(Number(point.x()), Number(point.y()));
                break;
            case QPainterPath::CurveToElement: {
                const QPainterPath::Element second = path.elementAt(i + 1);
                const QPainterPath::Element end = path.elementAt(i + 2);
                data += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                            .arg(Number(point.x()), Number(point.y()), Number(second.x),
                                 Number(second.y), Number(end.x), Number(end.y));
                i += 2;
                break;
            }
            case QPainterPath::CurveToDataElement:
                break;  // consumed with its curve
        }
        const bool subpathEnds = i + 1 >= path.elementCount() || path.elementAt(i + 1).isMoveTo();
        const QPainterPath::Element last = path.elementAt(i);
        if (subpathEnds && !last.isMoveTo() && QPointF(last.x, last.y) == subpathStart) {
            data += QLatin1Char('Z');
        }
    }
    return data;
}

}  // namespace

class SvgPaintEngine : public QPaintEngine {
  public:
    explicit SvgPaintEngine(QSize size) : QPaintEngine(AllFeatures), size_(size) {}

    bool begin(QPaintDevice*) override {
        body_.clear();
        unsupported_.clear();
        return true;
    }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyPen) {
            pen_ = state.pen();
        }
        if (dirty & DirtyBrush) {
            brush_ = state.brush();
        }
        if (dirty & DirtyTransform) {
            transform_ = state.transform();
        }
        if ((dirty & (DirtyClipPath | DirtyClipRegion)) && state.clipOperation() != Qt::NoClip) {
            Unsupported("clipping");
        }
        if ((dirty & DirtyClipEnabled) && state.isClipEnabled()) {
            Unsupported("clipping");
        }
    }

    void drawPath(const QPainterPath& path) override { Write(path, true); }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        if (count <= 0) {
            return;
        }
        QPainterPath path;
        path.setFillRule(mode == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
        path.moveTo(points[0]);
        for (int i = 1; i < count; ++i) {
            path.lineTo(points[i]);
        }
        if (mode != PolylineMode) {
            path.closeSubpath();
        }
        Write(path, mode != PolylineMode);
    }

    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {
        Unsupported("pixmaps");
    }

    QString Document() const {
        return QStringLiteral(
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"%1\" "
                   "height=\"%2\" viewBox=\"0 0 %1 %2\">\n")
                   .arg(size_.width())
                   .arg(size_.height()) +
               body_ + QStringLiteral("</svg>\n");
    }
    QString UnsupportedText() const { return unsupported_; }

  private:
    void Unsupported(const QString& what) {
        if (!unsupported_.contains(what)) {
            unsupported_ += (unsupported_.isEmpty() ? QString() : QStringLiteral(", ")) + what;
        }
    }

    QString FillAttributes(const QPainterPath& path, bool fillable) {
        if (!fillable || brush_.style() == Qt::NoBrush) {
            return QStringLiteral(" fill=\"none\"");
        }
        if (brush_.style() != Qt::SolidPattern) {
            Unsupported("brushes other than solid");
        }
        QString text = QStringLiteral(" fill=\"%1\"").arg(Colour(brush_.color()));
        if (brush_.color().alpha() != 255) {
            text += QStringLiteral(" fill-opacity=\"%1\"").arg(Number(brush_.color().alphaF()));
        }
        if (path.fillRule() == Qt::OddEvenFill) {
            text += QStringLiteral(" fill-rule=\"evenodd\"");
        }
        return text;
    }

    QString StrokeAttributes() {
        if (pen_.style() == Qt::NoPen) {
            return {};
        }
        if (pen_.style() != Qt::SolidLine || pen_.brush().style() != Qt::SolidPattern) {
            Unsupported("pens other than solid");
        }
        QString text = QStringLiteral(" stroke=\"%1\"").arg(Colour(pen_.color()));
        if (pen_.color().alpha() != 255) {
            text += QStringLiteral(" stroke-opacity=\"%1\"").arg(Number(pen_.color().alphaF()));
        }
        if (pen_.isCosmetic()) {
            // A cosmetic pen keeps its width in device pixels whatever the transform.
            text += QStringLiteral(" stroke-width=\"%1\" vector-effect=\"non-scaling-stroke\"")
                        .arg(Number(pen_.widthF() > 0 ? pen_.widthF() : 1.0));
        } else {
            text += QStringLiteral(" stroke-width=\"%1\"").arg(Number(pen_.widthF()));
        }
        switch (pen_.capStyle()) {
            case Qt::RoundCap:
                text += QStringLiteral(" stroke-linecap=\"round\"");
                break;
            case Qt::SquareCap:
                text += QStringLiteral(" stroke-linecap=\"square\"");
                break;
            default:
                break;  // butt, the default of SVG
        }
        switch (pen_.joinStyle()) {
            case Qt::RoundJoin:
                text += QStringLiteral(" stroke-linejoin=\"round\"");
                break;
            case Qt::MiterJoin:
            case Qt::SvgMiterJoin:
                text += QStringLiteral(" stroke-linejoin=\"miter\" stroke-miterlimit=\"%1\"")
                            .arg(Number(pen_.miterLimit()));
                break;
            default:
                text += QStringLiteral(" stroke-linejoin=\"bevel\"");
                break;
        }
        return text;
    }

    void Write(const QPainterPath& path, bool fillable) {
        if (path.isEmpty()) {
            return;
        }
        QString element = QStringLiteral("  <path d=\"%1\"").arg(PathData(path));
        element += FillAttributes(path, fillable) + StrokeAttributes();
        if (!transform_.isIdentity()) {
            element += QStringLiteral(" transform=\"matrix(%1 %2 %3 %4 %5 %6)\"")
                           .arg(Number(transform_.m11()), Number(transform_.m12()),
                                Number(transform_.m21()), Number(transform_.m22()),
                                Number(transform_.dx()), Number(transform_.dy()));
            if (transform_.type() == QTransform::TxProject) {
                Unsupported("perspective transforms");
            }
        }
        body_ += element + QStringLiteral("/>\n");
    }

    QSize size_;
    QString body_;
    QString unsupported_;
    QPen pen_;
    QBrush brush_;
    QTransform transform_;
};

SvgPicture::SvgPicture(QSize size) : size_(size), engine_(std::make_unique<SvgPaintEngine>(size)) {}

SvgPicture::~SvgPicture() = default;

QString SvgPicture::document() const {
    return engine_->Document();
}

QString SvgPicture::unsupported() const {
    return engine_->UnsupportedText();
}

QPaintEngine* SvgPicture::paintEngine() const {
    return engine_.get();
}

int SvgPicture::metric(PaintDeviceMetric metric) const {
    constexpr int kDotsPerInch = 96;
    switch (metric) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmWidthMM:
            return size_.width() * 254 / (kDotsPerInch * 10);
        case PdmHeightMM:
            return size_.height() * 254 / (kDotsPerInch * 10);
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return kDotsPerInch;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
    }
    return QPaintDevice::metric(metric);
}
