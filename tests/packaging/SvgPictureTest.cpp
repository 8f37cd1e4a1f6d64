// What the SVG paint device writes for what a painter draws: the shapes, their paint and
// their transform, read back from the document as an SVG reader would.

#include <gtest/gtest.h>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QXmlStreamReader>
#include <functional>
#include <map>
#include <vector>

#include "packaging/SvgPicture.h"

namespace {

using Attributes = std::map<QString, QString>;

struct Document {
    QString rootSize;  // "width height viewBox"
    std::vector<Attributes> paths;
    QString xmlError;
};

Document Read(const QString& svg) {
    Document document;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        Attributes attributes;
        for (const QXmlStreamAttribute& attribute : reader.attributes()) {
            attributes[attribute.name().toString()] = attribute.value().toString();
        }
        if (reader.name() == QStringLiteral("svg")) {
            document.rootSize =
                attributes["width"] + " " + attributes["height"] + " " + attributes["viewBox"];
        } else if (reader.name() == QStringLiteral("path")) {
            document.paths.push_back(attributes);
        }
    }
    if (reader.hasError()) {
        document.xmlError = reader.errorString();
    }
    return document;
}

void Paint(SvgPicture& picture, const std::function<void(QPainter&)>& draw) {
    QPainter painter(&picture);
    draw(painter);
}

TEST(SvgPictureTest, WritesShapesWithTheirPaintAndTransform) {
    SvgPicture picture(QSize(40, 30));
    Paint(picture, [](QPainter& p) {
        p.translate(5, 7);
        p.setPen(QPen(QColor(10, 20, 30), 2.5, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
        p.setBrush(QColor(200, 100, 50));
        p.drawRect(QRectF(1, 2, 10, 4));
        p.resetTransform();
        p.setPen(QPen(QColor(255, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, 0), QPointF(20, 10));
    });
    EXPECT_TRUE(picture.unsupported().isEmpty()) << picture.unsupported().toStdString();
    const Document document = Read(picture.document());
    ASSERT_TRUE(document.xmlError.isEmpty()) << document.xmlError.toStdString();
    EXPECT_EQ(document.rootSize, "40 30 0 0 40 30");
    ASSERT_EQ(document.paths.size(), 2u);

    Attributes rect = document.paths[0];
    EXPECT_EQ(rect["d"], "M1 2L11 2L11 6L1 6L1 2Z");
    EXPECT_EQ(rect["fill"], "#c86432");
    EXPECT_EQ(rect["stroke"], "#0a141e");
    EXPECT_EQ(rect["stroke-width"], "2.5");
    EXPECT_EQ(rect["stroke-linecap"], "square");
    EXPECT_EQ(rect["stroke-linejoin"], "round");
    EXPECT_EQ(rect["transform"], "matrix(1 0 0 1 5 7)");

    Attributes line = document.paths[1];
    EXPECT_EQ(line["d"], "M0 0L20 10");
    EXPECT_EQ(line["fill"], "none");  // a line is stroked only, whatever the brush
    EXPECT_EQ(line["stroke"], "#ff0000");
    EXPECT_EQ(line["stroke-linecap"], "round");
    EXPECT_EQ(line.count("transform"), 0u);
}

TEST(SvgPictureTest, KeepsCurvesFillRulesAndTranslucency) {
    SvgPicture picture(QSize(40, 30));
    Paint(picture, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 255, 128));
        p.drawEllipse(QRectF(0, 0, 20, 10));
        const QPointF star[] = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
        p.drawPolygon(star, 5, Qt::OddEvenFill);
    });
    const Document document = Read(picture.document());
    ASSERT_EQ(document.paths.size(), 2u);
    Attributes ellipse = document.paths[0];
    EXPECT_EQ(ellipse["d"].count('C'), 4) << ellipse["d"].toStdString();
    EXPECT_EQ(ellipse["fill"], "#0000ff");
    EXPECT_NEAR(ellipse["fill-opacity"].toDouble(), 128 / 255.0, 1e-3);
    EXPECT_EQ(ellipse.count("stroke"), 0u);  // no pen, no outline
    Attributes star = document.paths[1];
    EXPECT_EQ(star["fill-rule"], "evenodd");
}

TEST(SvgPictureTest, NamesWhatItCannotWrite) {
    SvgPicture picture(QSize(40, 30));
    Paint(picture, [](QPainter& p) {
        QLinearGradient gradient(0, 0, 10, 10);
        gradient.setColorAt(0, Qt::white);
        gradient.setColorAt(1, Qt::black);
        p.setBrush(gradient);
        p.drawRect(0, 0, 10, 10);
        p.setClipRect(0, 0, 5, 5);
        p.drawRect(0, 0, 10, 10);
    });
    EXPECT_TRUE(picture.unsupported().contains("brushes")) << picture.unsupported().toStdString();
    EXPECT_TRUE(picture.unsupported().contains("clipping")) << picture.unsupported().toStdString();
}

}  // namespace
