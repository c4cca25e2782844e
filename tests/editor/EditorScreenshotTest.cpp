#include "EditorTestSupport.h"
#include "components/LoadSvgFailView.h"
#include "editor/CanvasHost.h"
#include "editor/EditLogoView.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/LoadingOverlay.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

// Loads a design into the real canvas page and grabs the editor in each of
// its looks into /tmp/editor-*.png, so they can be looked at.
namespace {

const QString sampleDesign = R"(<svg xmlns="http://www.w3.org/2000/svg" width="400" height="300" viewBox="0 0 400 300">
<rect x="0" y="0" width="400" height="300" fill="#f8f9fa"/>
<circle cx="200" cy="110" r="70" fill="#1c7ed6"/>
<path d="M150 110 L200 60 L250 110 L200 160 Z" fill="#ffd43b"/>
<text x="200" y="250" font-family="DejaVu Sans" font-size="40" fill="#212529" text-anchor="middle">Tessaly</text>
</svg>)";

class EditorScreenshotTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sharedWebViewController().setScriptSink({}); }

    // Runs `js` in the page and waits a moment for its messages.
    static void runInPage(const QString& js)
    {
        sharedWebViewController().evaluate(js);
        pumpEvents(400);
    }

    static void grab(QWidget& widget, const QString& name, int settleMs = 300)
    {
        pumpEvents(settleMs);
        const QString path = QDir::temp().filePath("editor-" + name + ".png");
        ASSERT_TRUE(widget.grab().save(path)) << path.toStdString();
        std::printf("screenshot %s\n", qPrintable(path));
    }
};

TEST_F(EditorScreenshotTest, LooksOfTheEditor)
{
    QWidget window;
    window.setFixedSize(1060, 632);
    auto* editor = new EditLogoView(sampleDesign, 1, nullptr, false, WebView { &sharedWebViewController() }, &window);
    window.show();
    EXPECT_TRUE(editor->canvasHost()->loadingOverlay()->isActive());
    grab(window, "loading", 0);

    ASSERT_TRUE(waitUntil([&] { return editor->model().isDesignLoaded(); }, 30000));
    EXPECT_EQ(editor->model().selection(), EditorSelection::None);
    grab(window, "nothing-selected");

    runInPage("tessalyCanvas.setActiveObject(tessalyCanvas.getObjects().find(o => o.type === 'i-text'));"
              "tessalyCanvas.requestRenderAll();");
    EXPECT_TRUE(waitUntil([&] { return editor->model().selection() == EditorSelection::Text; }, 5000));
    grab(window, "text-selected");

    runInPage("tessalyCanvas.setActiveObject(tessalyCanvas.getObjects().find(o => o.type === 'circle'));"
              "tessalyCanvas.requestRenderAll();");
    EXPECT_TRUE(waitUntil([&] { return editor->model().selection() == EditorSelection::Graphic; }, 5000));
    grab(window, "graphic-selected");

    RxBus::shared().post(EditLogoViewEvent::toastEditWindowsEvent {
        "The logo has been saved to the \"Documents\" -> Tessaly directory" });
    grab(window, "toast");

    // A design the page cannot read.
    delete editor;
    editor = new EditLogoView("<notsvg>broken", 1, nullptr, false, WebView { &sharedWebViewController() }, &window);
    editor->show();
    ASSERT_TRUE(waitUntil([&] { return editor->model().isLoadingSvgFail(); }, 30000));
    EXPECT_TRUE(editor->canvasHost()->failView()->isVisible());
    grab(window, "load-failure");
}

} // namespace
