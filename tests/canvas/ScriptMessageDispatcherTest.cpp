// The script-message dispatcher: each message becomes its bus event.

#include "canvas/ScriptMessageDispatcher.h"

#include "canvas/CanvasEvents.h"
#include "core/RxBus.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

template <class T> struct Recorder {
    explicit Recorder(rx::DisposeBag& bag)
    {
        subscribeEvent<T>(bag, [this](const T& event) { events.push_back(event); });
    }
    std::vector<T> events;
};

class DispatcherTest : public ::testing::Test {
protected:
    rx::DisposeBag bag;
    ScriptMessageDispatcher dispatcher;
};

} // namespace

TEST_F(DispatcherTest, answersBecomeTheirEvents)
{
    Recorder<EditLogoViewEvent::getBrightnessAndSaturationEvent> colour(bag);
    Recorder<EditLogoViewEvent::getHslToRgb> rgb(bag);
    Recorder<EditFontEvent::CanvasTextFormatData> format(bag);
    Recorder<EditFontEvent::CanvasTextData> text(bag);
    Recorder<EditGraphicsEvent::CanvasGraphicsData> path(bag);
    Recorder<EditLogoViewEvent::canvasSelectionClearedEvent> cleared(bag);
    Recorder<EditLogoViewEvent::undoRedoStateEvent> undo(bag);
    Recorder<EditLogoViewEvent::svgLoadSuccessEvent> loaded(bag);
    Recorder<EditLogoViewEvent::loadSvgFail> failed(bag);
    Recorder<ExportViewSheetEvent::imageBase64StringEvent> image(bag);

    dispatcher.dispatch(QStringLiteral("getBrightnessAndSaturation"),
        QStringLiteral(R"({"id":"a","saturation":50,"brightness":60,"hue":120,"fill":{"gradientUnits":""}})"));
    dispatcher.dispatch(QStringLiteral("hsltorgb"), QStringLiteral(R"({"r":1,"g":2,"b":3,"type":1})"));
    dispatcher.dispatch(QStringLiteral("fontAttributes"), QStringLiteral(R"({"isBold":true})"));
    dispatcher.dispatch(
        QStringLiteral("clickCanvasTextItem"), QStringLiteral(R"({"fontFamily":"Mitr","opacity":"1"})"));
    dispatcher.dispatch(QStringLiteral("clickCanvasPathItem"), QStringLiteral(R"({"type":"path","angle":45})"));
    dispatcher.dispatch(QStringLiteral("clickCanvasBlank"), QStringLiteral("{}"));
    dispatcher.dispatch(QStringLiteral("undoRedoState"), QStringLiteral(R"({"canUndo":true,"canRedo":false})"));
    dispatcher.dispatch(
        QStringLiteral("svgLoadSuccess"), QStringLiteral(R"({"width":920,"height":460,"token":5000000001})"));
    dispatcher.dispatch(QStringLiteral("loadSvgFail"), QStringLiteral(R"({"error":"not an SVG document","token":6})"));
    dispatcher.dispatch(QStringLiteral("imageBase64"), QStringLiteral("data:image/png;base64,iVBOR"));

    ASSERT_EQ(colour.events.size(), 1u);
    EXPECT_EQ(colour.events[0].canvasBrightnessAndSaturationModel.hue, 120);
    EXPECT_EQ(colour.events[0].canvasBrightnessAndSaturationModel.brightness, 60);
    ASSERT_EQ(rgb.events.size(), 1u);
    EXPECT_EQ(rgb.events[0].hslToRgbModle.b, 3);
    EXPECT_EQ(rgb.events[0].hslToRgbModle.type, 1);
    ASSERT_EQ(format.events.size(), 1u);
    EXPECT_TRUE(format.events[0].canvasTextFormatModel.isBold);
    ASSERT_EQ(text.events.size(), 1u);
    EXPECT_EQ(text.events[0].canvasTextModel.fontFamily, QStringLiteral("Mitr"));
    ASSERT_EQ(path.events.size(), 1u);
    EXPECT_EQ(path.events[0].canvasPathModel.angle, 45);
    EXPECT_EQ(cleared.events.size(), 1u);
    ASSERT_EQ(undo.events.size(), 1u);
    EXPECT_TRUE(undo.events[0].canUndo);
    EXPECT_FALSE(undo.events[0].canRedo);
    ASSERT_EQ(loaded.events.size(), 1u);
    EXPECT_EQ(loaded.events[0].width, 920);
    EXPECT_EQ(loaded.events[0].token, 5000000001LL);
    ASSERT_EQ(failed.events.size(), 1u);
    EXPECT_EQ(failed.events[0].token, 6);
    ASSERT_EQ(image.events.size(), 1u);
    EXPECT_EQ(image.events[0].base64String, QStringLiteral("data:image/png;base64,iVBOR"));
}

TEST_F(DispatcherTest, bodiesThatDoNotDecodePostNothing)
{
    Recorder<EditFontEvent::CanvasTextFormatData> format(bag);
    Recorder<EditLogoViewEvent::getBrightnessAndSaturationEvent> colour(bag);
    Recorder<EditLogoViewEvent::imagesvgBase64StringEvent> svg(bag);
    Recorder<EditFontEvent::CanvasTextData> text(bag);
    dispatcher.dispatch(QStringLiteral("fontAttributes"), QStringLiteral("not json"));
    dispatcher.dispatch(QStringLiteral("fontAttributes"), QStringLiteral("[true]"));
    dispatcher.dispatch(QStringLiteral("getBrightnessAndSaturation"), QString());
    dispatcher.dispatch(QStringLiteral("getSvgAsBase64"), QStringLiteral("{\"form\":"));
    dispatcher.dispatch(QStringLiteral("clickCanvasTextItem"), QStringLiteral("42"));
    dispatcher.dispatch(QStringLiteral("somethingElse"), QStringLiteral("{}"));
    dispatcher.dispatch(QStringLiteral("uploadSvg"), QStringLiteral(R"({"svg":"<svg/>","form":"x"})"));
    EXPECT_TRUE(format.events.empty());
    EXPECT_TRUE(colour.events.empty());
    EXPECT_TRUE(svg.events.empty());
    EXPECT_TRUE(text.events.empty());
}

// The two names differ only by letter case; each reaches only its own subscribers.
TEST_F(DispatcherTest, svgAnswersRouteByForm)
{
    Recorder<EditLogoViewEvent::imagesvgBase64StringEvent> editor(bag);
    Recorder<ExportViewForEditLogoSheetEvent::imageSvgBase64StringEvent> exporter(bag);
    dispatcher.dispatch(
        QStringLiteral("getSvgAsBase64"), QStringLiteral(R"({"id":"1","base64":"AAA","form":"EditLogoView"})"));
    ASSERT_EQ(editor.events.size(), 1u);
    EXPECT_EQ(editor.events[0].base64String, QStringLiteral("AAA"));
    EXPECT_TRUE(exporter.events.empty());

    dispatcher.dispatch(QStringLiteral("getSvgAsBase64"),
        QStringLiteral(R"({"id":"2","base64":"BBB","form":"ExportViewForEditLogoSheet"})"));
    ASSERT_EQ(exporter.events.size(), 1u);
    EXPECT_EQ(exporter.events[0].base64String, QStringLiteral("BBB"));
    EXPECT_EQ(editor.events.size(), 1u);

    dispatcher.dispatch(QStringLiteral("getSvgAsBase64"), QStringLiteral(R"({"base64":"CCC","form":"Other"})"));
    dispatcher.dispatch(QStringLiteral("getSvgAsBase64"), QStringLiteral(R"({"base64":"CCC"})"));
    EXPECT_EQ(editor.events.size(), 1u);
    EXPECT_EQ(exporter.events.size(), 1u);
}

TEST_F(DispatcherTest, eachLoadedFontReportsItsOwnRowFaceAndRequest)
{
    Recorder<EditFontEvent::TextFontFamilyChangeEvent> change(bag);
    Recorder<EditFontEvent::TextFontFamilyDownloadSuccessEvent> success(bag);
    Recorder<EditFontEvent::TextFontFamilyDownloadFailEvent> failure(bag);
    const FontFaceStyle bold { QStringLiteral("bold"), QStringLiteral("normal") };
    dispatcher.noteFontRequested(1, QStringLiteral("Abel"), {}, QStringLiteral("Abel Regular"));
    dispatcher.noteFontRequested(2, QStringLiteral("DejaVu Serif"), bold, QStringLiteral("DejaVu Serif Bold"));

    // The earlier load finishes last and is still reported, for the texts it
    // was asked for.
    dispatcher.dispatch(QStringLiteral("loadFontSuccess"), QStringLiteral(R"({"family":"DejaVu Serif","request":2})"));
    dispatcher.dispatch(QStringLiteral("loadFontSuccess"), QStringLiteral(R"({"family":"Abel","request":1})"));
    ASSERT_EQ(change.events.size(), 2u);
    EXPECT_EQ(change.events[0].family, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(change.events[0].fontName, QStringLiteral("DejaVu Serif Bold"));
    EXPECT_TRUE(change.events[0].isLoadFont);
    EXPECT_EQ(change.events[0].face, bold);
    EXPECT_EQ(change.events[0].request, 2);
    EXPECT_EQ(change.events[1].family, QStringLiteral("Abel"));
    EXPECT_EQ(change.events[1].face, FontFaceStyle());
    EXPECT_EQ(change.events[1].request, 1);
    ASSERT_EQ(success.events.size(), 2u);
    EXPECT_EQ(success.events[0].fontName, QStringLiteral("DejaVu Serif Bold"));
    EXPECT_EQ(success.events[1].fontName, QStringLiteral("Abel Regular"));

    // An answer to no load asked for, or a second answer, changes nothing.
    dispatcher.dispatch(QStringLiteral("loadFontSuccess"), QStringLiteral(R"({"family":"DejaVu Serif","request":2})"));
    dispatcher.dispatch(QStringLiteral("loadFontSuccess"), QStringLiteral(R"({"family":"Mitr"})"));
    EXPECT_EQ(change.events.size(), 2u);
    EXPECT_EQ(success.events.size(), 2u);

    // A shipped font has no row name; a failure reports its own.
    dispatcher.noteFontRequested(3, QStringLiteral("Mitr"), {}, QString());
    dispatcher.dispatch(QStringLiteral("loadFontFail"), QStringLiteral(R"({"family":"Mitr","request":3,"error":"x"})"));
    dispatcher.dispatch(QStringLiteral("loadFontFail"), QStringLiteral(R"({"family":"Lost","error":"x"})"));
    EXPECT_EQ(change.events.size(), 2u);
    ASSERT_EQ(failure.events.size(), 2u);
    EXPECT_EQ(failure.events[0].family, QStringLiteral("Mitr"));
    EXPECT_TRUE(failure.events[0].fontName.isEmpty());
    EXPECT_EQ(failure.events[1].family, QStringLiteral("Lost"));

    // A load whose time is up fails once: the page's own failure later is not a second answer.
    dispatcher.noteFontRequested(4, QStringLiteral("Slow"), {}, QStringLiteral("Slow Regular"));
    dispatcher.endUnansweredFontLoad(4);
    dispatcher.dispatch(QStringLiteral("loadFontFail"), QStringLiteral(R"({"family":"Slow","request":4,"error":"x"})"));
    ASSERT_EQ(failure.events.size(), 3u);
    EXPECT_EQ(failure.events[2].fontName, QStringLiteral("Slow Regular"));
}

TEST_F(DispatcherTest, pageReadyRunsTheHandler)
{
    std::vector<bool> ready;
    dispatcher.setPageReadyHandler([&](bool started) { ready.push_back(started); });
    dispatcher.dispatch(QStringLiteral("pageReady"), QStringLiteral(R"({"canvas":true})"));
    dispatcher.dispatch(QStringLiteral("pageReady"), QStringLiteral(R"({"canvas":false})"));
    dispatcher.dispatch(QStringLiteral("pageReady"), QStringLiteral("not json"));
    dispatcher.dispatch(QStringLiteral("log"), QStringLiteral("hello"));
    EXPECT_EQ(ready, (std::vector<bool> { true, false, true }));
}
