#include "EditorTestSupport.h"
#include "editor/EditorCanvasHandlers.h"
#include "editor/EditorEvents.h"
#include "editor/LocalFontPath.h"

#include <QObject>
#include <gtest/gtest.h>

namespace {

class CanvasHandlersTest : public ::testing::Test {
protected:
    template <BusEvent T> QStringList callsFor(const T& event)
    {
        m_canvas.clear();
        RxBus::shared().post(event);
        return m_canvas.calls();
    }

    RecordingCanvas m_canvas;
    QObject m_owner;
    EditorCanvasHandlers* m_handlers = new EditorCanvasHandlers(m_canvas.controller(), &m_owner);
};

TEST_F(CanvasHandlersTest, ColourEventsBecomeOneColourCallEach)
{
    EXPECT_EQ(callsFor(EditFontEvent::ColorChangeEvent { 0xF1F3F5 }), QStringList { "setObjColor('#f1f3f5')" });
    // Short values are padded to six digits.
    EXPECT_EQ(callsFor(EditFontEvent::ColorChangeEvent { 0x0000FF }), QStringList { "setObjColor('#0000ff')" });
    EXPECT_EQ(
        callsFor(EditFontEvent::ColorStringChangeEvent { "#FF0000FF" }), QStringList { "setObjColor('#FF0000FF')" });
    EXPECT_EQ(callsFor(EditFontEvent::ColorStringChangeEvent { QString() }), QStringList { "setObjColor('#000000')" });
    // Text from outside never breaks out of the string literal.
    EXPECT_EQ(callsFor(EditFontEvent::ColorStringChangeEvent { "#fff');alert(1);('" }),
        QStringList { "setObjColor('#fff\\');alert(1);(\\'')" });
    EXPECT_EQ(callsFor(EditBackgroundEvent::setBackgroundColorEvent { 0xD9480F }),
        QStringList { "setCanvasBKGroundColor('#d9480f')" });
}

TEST_F(CanvasHandlersTest, SliderEventsCarryValueAndUndoFlag)
{
    EXPECT_EQ(
        callsFor(EditFontEvent::BrightnessChangeEvent { 45, true }), QStringList { "setActiveBrightness(45,true)" });
    EXPECT_EQ(callsFor(EditFontEvent::SaturationChangeEvent { 45.0, false }),
        QStringList { "setActiveSaturation(45,false)" });
    EXPECT_EQ(callsFor(EditFontEvent::OpacityChangeEvent { 29, true }), QStringList { "setObjOpacity(29,true)" });
    EXPECT_EQ(
        callsFor(EditFontEvent::FontSpaceSheetChangeEvent { 300, false }), QStringList { "charSpacing(300,false)" });
    EXPECT_EQ(callsFor(EditGraphicsEvent::GraphicsRotateChangeEvent { 180, false }),
        QStringList { "changeRotate(180,false)" });
    EXPECT_EQ(
        callsFor(EditGraphicsEvent::GraphicsRotateChangeEvent { -15, true }), QStringList { "changeRotate(-15,true)" });
}

TEST_F(CanvasHandlersTest, FlipsAreOneCallEach)
{
    EXPECT_EQ(callsFor(EditGraphicsEvent::FlipSheetHorizontalEvent {}), QStringList { "setFlipObjX()" });
    EXPECT_EQ(callsFor(EditGraphicsEvent::FlipSheetVerticalEvent {}), QStringList { "setFlipObjY()" });
}

TEST_F(CanvasHandlersTest, FontEventsLoadOrApplyTheFamily)
{
    setLocalFontPathResolver([](const QString& name) { return "/fonts/" + name + ".ttf"; });
    EXPECT_EQ(callsFor(EditFontEvent::TextFontFamilyChangeEvent { "Cabin", "Cabin Regular", false, {}, 0 }),
        QStringList { "LoadFont('Cabin','/fonts/Cabin Regular.ttf','normal','normal',1)" });
    EXPECT_EQ(callsFor(EditFontEvent::TextFontFamilyChangeEvent { "Cabin", "Cabin Regular", true, {}, 1 }),
        QStringList { "setTextFontFamily('Cabin','normal','normal',1)" });
    // A row's name gives the face of its file.
    EXPECT_EQ(
        callsFor(EditFontEvent::TextFontFamilyDownloadEvent { "O'Font", "O'Font Bold", "http://127.0.0.1/f.ttf" }),
        QStringList { "LoadFont('O\\'Font','http://127.0.0.1/f.ttf','bold','normal',2)" });

    // Without a shipped file nothing is sent to the page.
    setLocalFontPathResolver([](const QString&) { return QString(); });
    EXPECT_TRUE(callsFor(EditFontEvent::TextFontFamilyChangeEvent { "Nope", "Nope", false, {}, 0 }).isEmpty());
    setLocalFontPathResolver({});
}

TEST_F(CanvasHandlersTest, DownloadedFontReportsItsPendingName)
{
    EventRecorder<EditFontEvent::TextFontFamilyDownloadSuccessEvent> loaded;
    RxBus::shared().post(
        EditFontEvent::TextFontFamilyDownloadEvent { "Abel", "Abel Regular", "http://127.0.0.1/a.ttf" });
    m_canvas.controller()->handleScriptMessage("loadFontSuccess", R"({"family":"Abel","location":"x","request":1})");
    ASSERT_EQ(loaded.count(), 1u);
    EXPECT_EQ(loaded.events()[0].fontName, "Abel Regular");
}

TEST_F(CanvasHandlersTest, NoCallsAfterSubscriptionsEnd)
{
    m_handlers->endSubscriptions();
    EXPECT_TRUE(callsFor(EditGraphicsEvent::FlipSheetHorizontalEvent {}).isEmpty());
    EXPECT_TRUE(callsFor(EditFontEvent::OpacityChangeEvent { 10, false }).isEmpty());
}

TEST_F(CanvasHandlersTest, NoCallsOnceDestroyed)
{
    delete m_handlers;
    EXPECT_TRUE(callsFor(EditGraphicsEvent::FlipSheetVerticalEvent {}).isEmpty());
}

TEST_F(CanvasHandlersTest, FailedGraphicDownloadShowsToastNotLoadFailure)
{
    EventRecorder<EditLogoViewEvent::toastEditWindowsEvent> toasts;
    // Port 9 on loopback refuses the connection.
    RxBus::shared().post(EditGraphicsEvent::GraphicsAddEvent { "http://127.0.0.1:9/graphic.svg" });
    ASSERT_TRUE(waitUntil([&] { return toasts.count() == 1; }, 15000));
    EXPECT_EQ(toasts.events()[0].text, "Network connection failure");
    EXPECT_TRUE(m_canvas.calls().isEmpty());
}

} // namespace

#include "api/APIFactory.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorToast.h"
#include "support/StandinHarness.h"

namespace {

// The first graphic of the server's library and its first background picture.
std::pair<QString, QString> firstGraphicAndBackground()
{
    QString graphic;
    QString background;
    getResourceShape(
        [&graphic](const ResourceShapeModel& shapes) {
            if (shapes.data.item.isEmpty())
                return;
            getResourceImages(
                shapes.data.item.first().igid.toInt(), 0, 1000,
                [&graphic](const ResourceImagesModel& images) {
                    if (!images.data.item.images.isEmpty())
                        graphic = images.data.item.images.first().url;
                },
                [] {});
        },
        [] {});
    getResourceBg(
        [&background](const ResourceBgModel& pictures) {
            if (!pictures.data.item.isEmpty())
                background = pictures.data.item.first().url;
        },
        [] {});
    waitUntil([&] { return !graphic.isEmpty() && !background.isEmpty(); }, 10000);
    return { graphic, background };
}

TEST(EditorDownloadsTest, LibraryGraphicAndBackgroundPictureReachTheCanvas)
{
    StandinHarness harness;
    RecordingCanvas canvas;
    EditLogoViewModel model("<svg/>", 42, false, canvas.controller());
    model.start();
    pageLoadsDesign(model);
    const auto [graphic, background] = firstGraphicAndBackground();
    ASSERT_FALSE(graphic.isEmpty());
    ASSERT_FALSE(background.isEmpty());
    const auto callStartingWith = [&canvas](const QString& prefix) {
        for (const QString& call : canvas.calls())
            if (call.startsWith(prefix))
                return true;
        return false;
    };

    RxBus::shared().post(EditGraphicsEvent::GraphicsAddEvent { graphic });
    EXPECT_TRUE(waitUntil([&] { return callStartingWith("addSvgBase64('"); }, 10000));

    model.setBackgroundPicture(background);
    EXPECT_TRUE(waitUntil([&] { return callStartingWith("setCanvasBKGroundImage('data:image/png;base64,"); }, 10000));
    EXPECT_FALSE(model.toast().isShown());

    const QString missing = QString::fromStdString(harness.server().baseUrl()) + "/static/backgrounds/999999/image.png";
    model.setBackgroundPicture(missing);
    EXPECT_TRUE(waitUntil([&] { return model.toast().isShown(); }, 10000));
    EXPECT_EQ(model.toast().text(), "Network connection failure");
    EXPECT_FALSE(model.isLoadingSvgFail());
}

} // namespace
