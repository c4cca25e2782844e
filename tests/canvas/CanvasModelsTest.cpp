// Canvas models: defaults and lenient decoding; the SVG size reader.

#include "canvas/CanvasModels.h"

#include "canvas/FontFaceStyle.h"
#include "canvas/SvgSizeReader.h"

#include <QUuid>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using nlohmann::json;

namespace {

bool isUuid(const QString& text)
{
    return !QUuid::fromString(text).isNull();
}

} // namespace

TEST(CanvasModels, defaultsCarryAFreshIdAndZeroValues)
{
    const CanvasBrightnessAndSaturationModel a;
    const CanvasBrightnessAndSaturationModel b;
    EXPECT_TRUE(isUuid(a.id));
    EXPECT_NE(a.id, b.id);
    EXPECT_EQ(a.saturation, 0);
    EXPECT_EQ(a.brightness, 0);
    EXPECT_EQ(a.hue, 0);
    EXPECT_TRUE(isUuid(a.fill.id));
    EXPECT_TRUE(a.fill.gradientUnits.isEmpty());

    const CanvasTextFormatModel format;
    EXPECT_TRUE(isUuid(format.id));
    EXPECT_FALSE(format.isBold || format.isItalic || format.isUnderLine || format.isUpper || format.isVertical);
    const CanvasTextCharSpacingModel spacing;
    EXPECT_TRUE(isUuid(spacing.id));
    EXPECT_TRUE(spacing.charSpacing.isEmpty() && spacing.lineHeight.isEmpty());
    const CanvasPathModel path;
    EXPECT_TRUE(isUuid(path.id));
    EXPECT_EQ(path.angle, 0);
}

TEST(CanvasModels, aFontRowsNameGivesTheFaceOfItsFile)
{
    const struct {
        const char* name;
        const char* family;
        FontFaceStyle face;
    } rows[] = {
        { "DejaVu Serif Bold", "DejaVu Serif", { "bold", "normal" } },
        { "Cabin Regular", "Cabin", {} },
        { "Roboto Semi Bold Italic", "Roboto", { "600", "italic" } },
        { "Lato Black", "Lato", { "900", "normal" } },
        // The family carries the weight, or the name adds another word: the plain face.
        { "Mitr Semi Bold", "Mitr SemiBold", {} },
        { "DejaVu Sans Condensed Bold", "DejaVu Sans", {} },
        { "DejaVu Serif", "DejaVu Serif", {} },
    };
    for (const auto& row : rows) {
        const FontFaceStyle face = FontFaceStyle::ofRow(QLatin1String(row.name), QLatin1String(row.family));
        EXPECT_EQ(face.weight, row.face.weight) << row.name;
        EXPECT_EQ(face.style, row.face.style) << row.name;
    }
}

TEST(CanvasModels, decodeCompleteBodies)
{
    const auto colour = CanvasBrightnessAndSaturationModel::fromJson(json::parse(
        R"({"id":"o1","saturation":64,"brightness":40,"hue":210,"fill":{"id":"f","gradientUnits":"pixels"}})"));
    EXPECT_EQ(colour.id, QStringLiteral("o1"));
    EXPECT_EQ(colour.saturation, 64);
    EXPECT_EQ(colour.brightness, 40);
    EXPECT_EQ(colour.hue, 210);
    EXPECT_EQ(colour.fill.id, QStringLiteral("f"));
    EXPECT_EQ(colour.fill.gradientUnits, QStringLiteral("pixels"));

    const auto rgb = HslToRgbModle::fromJson(json::parse(R"({"id":"x","r":255,"g":128,"b":0,"type":1})"));
    EXPECT_EQ(rgb.r, 255);
    EXPECT_EQ(rgb.g, 128);
    EXPECT_EQ(rgb.b, 0);
    EXPECT_EQ(rgb.type, 1);

    const auto text = CanvasTextModel::fromJson(
        json::parse(R"({"id":"t","type":"i-text","text":"Hi","fill":"#212529","opacity":"0.5","fontFamily":"Mitr",)"
                    R"("fontSize":"48","charSpacing":"300","lineHeight":"1.16","angle":90})"));
    EXPECT_EQ(text.type, QStringLiteral("i-text"));
    EXPECT_EQ(text.text, QStringLiteral("Hi"));
    EXPECT_EQ(text.fill, QStringLiteral("#212529"));
    EXPECT_EQ(text.opacity, QStringLiteral("0.5"));
    EXPECT_EQ(text.fontFamily, QStringLiteral("Mitr"));
    EXPECT_EQ(text.charSpacing, QStringLiteral("300"));
    EXPECT_EQ(text.angle, 90);

    const auto format = CanvasTextFormatModel::fromJson(json::parse(
        R"({"id":"t","isBold":true,"isItalic":false,"isUnderLine":true,"isUpper":true,"isVertical":true})"));
    EXPECT_TRUE(format.isBold);
    EXPECT_FALSE(format.isItalic);
    EXPECT_TRUE(format.isUnderLine && format.isUpper && format.isVertical);

    const auto svg = SvgBase64Model::fromJson(json::parse(R"({"id":"s","base64":"PHN2Zz4=","form":"EditLogoView"})"));
    EXPECT_EQ(svg.base64, QStringLiteral("PHN2Zz4="));
    EXPECT_EQ(svg.form, QStringLiteral("EditLogoView"));
}

TEST(CanvasModels, emptyBodiesKeepEveryDefault)
{
    const json empty = json::object();
    const auto colour = CanvasBrightnessAndSaturationModel::fromJson(empty);
    EXPECT_TRUE(isUuid(colour.id));
    EXPECT_EQ(colour.hue, 0);
    const auto text = CanvasTextModel::fromJson(empty);
    EXPECT_TRUE(isUuid(text.id));
    EXPECT_TRUE(text.fill.isEmpty() && text.opacity.isEmpty() && text.fontFamily.isEmpty());
    const auto path = CanvasPathModel::fromJson(empty);
    EXPECT_TRUE(isUuid(path.id));
    EXPECT_TRUE(path.type.isEmpty());
    const auto svg = SvgStringModel::fromJson(empty);
    EXPECT_TRUE(isUuid(svg.id));
    EXPECT_TRUE(svg.svg.isEmpty() && svg.form.isEmpty());
    EXPECT_FALSE(CanvasUndoRedoModel::fromJson(empty).canUndo);
}

TEST(CanvasModels, wrongTypesConvertWhenTheyCanAndKeepDefaultsOtherwise)
{
    const auto colour = CanvasBrightnessAndSaturationModel::fromJson(
        json::parse(R"({"id":42,"saturation":"64","brightness":40.0,"hue":[1],"fill":"flat"})"));
    EXPECT_EQ(colour.id, QStringLiteral("42"));
    EXPECT_EQ(colour.saturation, 64);
    EXPECT_EQ(colour.brightness, 40);
    EXPECT_EQ(colour.hue, 0);
    EXPECT_TRUE(isUuid(colour.fill.id));

    const auto text = CanvasTextModel::fromJson(
        json::parse(R"({"opacity":0.5,"fontSize":48,"charSpacing":null,"angle":"x","fill":{"type":"linear"}})"));
    EXPECT_EQ(text.opacity, QStringLiteral("0.5"));
    EXPECT_EQ(text.fontSize, QStringLiteral("48"));
    EXPECT_TRUE(text.charSpacing.isEmpty());
    EXPECT_EQ(text.angle, 0);
    EXPECT_TRUE(text.fill.isEmpty());

    const auto format
        = CanvasTextFormatModel::fromJson(json::parse(R"({"isBold":"true","isItalic":1,"isUpper":"maybe"})"));
    EXPECT_TRUE(format.isBold);
    EXPECT_TRUE(format.isItalic);
    EXPECT_FALSE(format.isUpper);

    const auto rgb = HslToRgbModle::fromJson(json::parse(R"({"r":1e20,"g":"12","type":"1"})"));
    EXPECT_EQ(rgb.r, 0);
    EXPECT_EQ(rgb.g, 12);
    EXPECT_EQ(rgb.type, 1);

    EXPECT_TRUE(CanvasTextModel::fromJson(json::array()).fill.isEmpty());
}

TEST(CanvasModels, onlyJsonObjectsParseAsBodies)
{
    EXPECT_TRUE(parseJsonObject(QStringLiteral("{}")).has_value());
    EXPECT_FALSE(parseJsonObject(QStringLiteral("[]")).has_value());
    EXPECT_FALSE(parseJsonObject(QStringLiteral("not json")).has_value());
    EXPECT_FALSE(parseJsonObject(QString()).has_value());
    EXPECT_FALSE(parseJsonObject(QStringLiteral("\"text\"")).has_value());
}

TEST(SvgSizeReaderTest, readsTheRootSvgsWidthAndHeight)
{
    const SvgSize size = readSvgSize(QStringLiteral(
        R"(<?xml version="1.0"?><!-- c --><svg xmlns="http://www.w3.org/2000/svg" width="920px" height="460"><rect width="1" height="2"/></svg>)"));
    EXPECT_EQ(size.width, QStringLiteral("920px"));
    EXPECT_EQ(size.height, QStringLiteral("460"));

    const SvgSize noSize = readSvgSize(QStringLiteral(R"(<svg viewBox="0 0 10 10"><rect width="5"/></svg>)"));
    EXPECT_EQ(noSize.width, QStringLiteral("0"));
    EXPECT_EQ(noSize.height, QStringLiteral("0"));

    // Only the root counts: a nested svg's size is not the design's.
    const SvgSize notSvg = readSvgSize(QStringLiteral(R"(<html><svg width="5" height="6"/></html>)"));
    EXPECT_EQ(notSvg.width, QStringLiteral("0"));
    EXPECT_EQ(readSvgSize(QStringLiteral("garbage")).width, QStringLiteral("0"));
    EXPECT_EQ(readSvgSize(QString()).height, QStringLiteral("0"));
}

TEST(SvgSizeReaderTest, readsFromBase64AndToleratesBadBase64)
{
    const QString base64 = QString::fromLatin1(QByteArray(R"(<svg width="12" height="34"/>)").toBase64());
    const SvgSize size = readSvgSizeFromBase64(base64);
    EXPECT_EQ(size.width, QStringLiteral("12"));
    EXPECT_EQ(size.height, QStringLiteral("34"));
    EXPECT_EQ(readSvgSizeFromBase64(QStringLiteral("%%%not base64")).width, QStringLiteral("0"));
}
