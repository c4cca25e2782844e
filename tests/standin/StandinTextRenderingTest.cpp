#include "StandinTestClient.h"
#include "standin/Gzip.h"
#include "standin/ImageRenderer.h"
#include "standin/SvgForQtRenderer.h"

#include <QDir>
#include <QImage>
#include <QSvgRenderer>
#include <functional>
#include <gtest/gtest.h>

// Texts as the canvas page exports them: positioned by their tspans, inside a
// group placed at the text's centre.
namespace {

const std::string fabricDesign
    = R"svg(<?xml version="1.0" encoding="UTF-8" standalone="no"?><!DOCTYPE svg PUBLIC "-//W3C//DTD SVG 1.1//EN" "http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd"><svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" version="1.1" width="460" height="460" viewBox="0 0 460 460" xml:space="preserve">
<desc>Created with Fabric.js 7.4.0</desc>
<defs>
</defs>
<rect x="0" y="0" width="100%" height="100%" fill="#123456"/>
<g transform="matrix(1 0 0 1 230 165)" id="obj-1">
<circle style="stroke: rgb(105,219,124); stroke-width: 6; fill: none; opacity: 1;" cx="0" cy="0" r="98"/>
</g>
<g transform="matrix(1 0 0 1 230 315.5893)" style="" id="obj-4" data-tessaly-text="{&quot;text&quot;:&quot;Green Club&quot;,&quot;fontSize&quot;:46}">
		<text xml:space="preserve" font-family="DejaVu Serif" font-size="46" font-style="normal" font-weight="normal" style="stroke: none; stroke-width: 1; stroke-dasharray: none; stroke-linecap: butt; stroke-dashoffset: 0; stroke-linejoin: miter; stroke-miterlimit: 4; fill: rgb(217,72,15); fill-rule: nonzero; opacity: 1; text-decoration-thickness: 6.6667%; white-space: pre;"><tspan x="-133.2046" y="14.4504">Green Club</tspan></text>
</g>
</svg>)svg";

// Three lines, the second with a red run of its own, the third raised by dy.
const std::string styledLines
    = R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="200" viewBox="0 0 200 200">
<g transform="matrix(1 0 0 1 100 100)">
<text xml:space="preserve" font-family="DejaVu Sans" font-size="20" style="fill: rgb(0,0,0); white-space: pre;"><tspan x="-90" y="-40">AAAA</tspan><tspan x="-90" y="10">BBBB</tspan><tspan x="40" y="10" style="fill: rgb(255,0,0); ">CC</tspan><tspan x="-90" y="60" dy="-10">DD</tspan></text>
</g>
</svg>)svg";

using PixelTest = std::function<bool(QRgb)>;

bool orangeText(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 130 && qBlue(pixel) < 80;
}

bool red(QRgb pixel)
{
    return qAlpha(pixel) > 200 && qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

bool ink(QRgb pixel)
{
    return qAlpha(pixel) > 128;
}

// Pixels passing `test` inside `area`, given in the design's own units.
int countIn(const QImage& image, const QRectF& area, double designSize, const PixelTest& test)
{
    const double scale = image.width() / designSize;
    const QRect pixels = QRectF(area.topLeft() * scale, area.bottomRight() * scale).toRect() & image.rect();
    int count = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

QImage rendered(const std::string& svg, int size, const QString& keepAs)
{
    const auto png = standin::ImageRenderer::renderNow(svg, size, "png");
    if (!png)
        return {};
    QImage image = QImage::fromData(QByteArray::fromStdString(*png), "PNG").convertToFormat(QImage::Format_ARGB32);
    image.save(QDir::temp().filePath(keepAs));
    return image;
}

void expectGreenClubInPlace(const QImage& image)
{
    ASSERT_FALSE(image.isNull());
    // "Green Club" runs from x 97 to 363 with its baseline at y 330.
    EXPECT_GT(countIn(image, { 97, 290, 60, 40 }, 460, orangeText), 40) << "the start of the text is missing";
    EXPECT_GT(countIn(image, { 300, 290, 60, 40 }, 460, orangeText), 40) << "the end of the text is missing";
    EXPECT_EQ(countIn(image, { 375, 280, 85, 60 }, 460, orangeText), 0) << "the text runs past its end";
    EXPECT_EQ(countIn(image, { 0, 0, 460, 460 }, 460, [](QRgb pixel) { return qAlpha(pixel) < 255; }), 0)
        << "the background does not cover the design";
}

} // namespace

TEST(StandinTextRendering, FabricTextIsDrawnWhereItsSpansPlaceIt)
{
    expectGreenClubInPlace(rendered(fabricDesign, 460, "standin-fabric-text.png"));

    const QImage lines = rendered(styledLines, 200, "standin-styled-lines.png");
    ASSERT_FALSE(lines.isNull());
    // Line baselines at y 60, 110 and 150 (160 raised by 10); text starts at x 10.
    EXPECT_GT(countIn(lines, { 10, 44, 40, 16 }, 200, ink), 20);
    EXPECT_GT(countIn(lines, { 10, 94, 40, 16 }, 200, ink), 20);
    EXPECT_GT(countIn(lines, { 10, 134, 30, 16 }, 200, ink), 20);
    EXPECT_EQ(countIn(lines, { 10, 153, 30, 10 }, 200, ink), 0);
    // The red run sits at x 140 on the second line, and only there.
    EXPECT_GT(countIn(lines, { 140, 94, 30, 16 }, 200, red), 20);
    EXPECT_EQ(countIn(lines, { 0, 0, 135, 200 }, 200, red), 0);
    EXPECT_EQ(countIn(lines, { 0, 0, 200, 80 }, 200, red), 0);
}

TEST(StandinTextRendering, RewriteKeepsTheRestOfTheDocument)
{
    using standin::svgForQtRenderer;
    const std::string plain = "<svg xmlns=\"http://www.w3.org/2000/svg\"><text x=\"1\" y=\"9\">A &amp; B</text></svg>";
    EXPECT_EQ(svgForQtRenderer(plain), plain);
    const std::string broken = "<svg><text><tspan x=\"1\" y=\"2\">open</text>";
    EXPECT_EQ(svgForQtRenderer(broken), broken);
    const std::string compressed = standin::Gzip::compress(fabricDesign);
    EXPECT_EQ(svgForQtRenderer(compressed), compressed);

    const std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                            "viewBox=\"0 0 300 200\"><!-- kept --><defs><style><![CDATA[.a{fill:red}]]></style></defs>"
                            "<rect width=\"50%\" height=\"100%\" x=\"10%\"/>"
                            "<text id=\"title\" class=\"a\" font-size=\"20\" x=\"5\" y=\"6\">lead "
                            "<tspan x=\"10\" y=\"30\">Caf\xC3\xA9 &amp; &lt;tea&gt;</tspan>"
                            "<tspan y=\"60\" dx=\"4\" style=\"fill: blue\">more</tspan> tail</text>"
                            "<use xlink:href=\"#title\"/></svg>";
    const QString out = QString::fromStdString(svgForQtRenderer(svg));
    EXPECT_TRUE(QSvgRenderer(out.toUtf8()).isValid()) << out.toStdString();
    EXPECT_TRUE(out.contains("xmlns:xlink=\"http://www.w3.org/1999/xlink\"")) << out.toStdString();
    EXPECT_TRUE(out.contains("<!-- kept -->"));
    EXPECT_TRUE(out.contains("<![CDATA[.a{fill:red}]]>"));
    EXPECT_TRUE(out.contains("<use xlink:href=\"#title\"/>"));
    EXPECT_TRUE(out.contains("<rect width=\"150\" height=\"200\" x=\"30\"/>")) << out.toStdString();
    // The text before the first positioned span stays at the parent's place,
    // each span starts a text of its own, and the id stays unique.
    EXPECT_TRUE(out.contains("<text class=\"a\" font-size=\"20\" x=\"5\" y=\"6\" id=\"title\">lead </text>"))
        << out.toStdString();
    EXPECT_TRUE(out.contains("<text class=\"a\" font-size=\"20\" x=\"10\" y=\"30\">Caf\u00e9 &amp; &lt;tea&gt;</text>"))
        << out.toStdString();
    EXPECT_TRUE(
        out.contains("<text class=\"a\" font-size=\"20\" x=\"14\" y=\"60\"><tspan style=\"fill: blue\">more</tspan> "
                     "tail</text>"))
        << out.toStdString();
    EXPECT_EQ(out.count("id=\"title\""), 1);
    EXPECT_FALSE(out.contains("<tspan x="));
}

TEST(StandinTextRendering, SavedDesignsImagesShowTheirTextWhileTheSvgStaysAsUploaded)
{
    standin::StandinServer server(standin::Options { "", 10 });
    ASSERT_GT(server.start(0), 0);
    httplib::Client upload("127.0.0.1", server.port());
    const httplib::MultipartFormDataItems form = { { "uuid", "TEXT-1", "", "" }, { "token", "T", "", "" },
        { "item_id", "1", "", "" }, { "from", "template", "", "" }, { "lang", "English", "", "" },
        { "filename", standin::Gzip::compress(fabricDesign), "big_orig.svg.gz", "application/gzip" } };
    const auto saved = upload.Post("/index.php/logo2/Save_logo_file", form);
    ASSERT_TRUE(saved && saved->status == 200);

    StandinTestClient client(server);
    const auto item = client.postJson("/index.php/logo2/Get_design_list", { { "uuid", "TEXT-1" } })["data"]["items"][0];
    ASSERT_TRUE(item.is_object());
    const auto svg = client.get(item["svg"].get<std::string>().substr(server.baseUrl().size()));
    ASSERT_TRUE(svg);
    EXPECT_EQ(svg->body, fabricDesign);
    const auto thumb = client.get(item["thumb"].get<std::string>().substr(server.baseUrl().size()));
    ASSERT_TRUE(thumb && thumb->status == 200);
    const QImage image
        = QImage::fromData(QByteArray::fromStdString(thumb->body), "PNG").convertToFormat(QImage::Format_ARGB32);
    image.save(QDir::temp().filePath("standin-saved-design-thumb.png"));
    expectGreenClubInPlace(image);
}

TEST(StandinTextRendering, GradientStopWrittenAsRgbaKeepsItsColourAndOpacity)
{
    // A stop as the canvas page writes it, over a transparent background.
    const std::string svg
        = R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="100" viewBox="0 0 100 100">
<defs><linearGradient id="g" gradientUnits="userSpaceOnUse" x1="0" y1="0" x2="100" y2="0">
<stop offset="0%" style="stop-color:rgba(255,0,0,0.5);"/>
<stop offset="100%" style="stop-color:rgba(255,0,0,0.5);"/>
</linearGradient></defs>
<rect x="0" y="0" width="100" height="100" style="fill: url(#g);"/>
</svg>)svg";
    const QImage image = rendered(svg, 100, "standin-rgba-stop.png");
    ASSERT_FALSE(image.isNull());
    const QRgb pixel = image.pixel(50, 50);
    EXPECT_TRUE(qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60) << std::hex << pixel;
    EXPECT_NEAR(qAlpha(pixel), 128, 20);
}
