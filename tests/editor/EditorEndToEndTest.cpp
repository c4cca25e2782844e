#include "EditorTestSupport.h"
#include "editor/BackgroundPictureTiles.h"
#include "editor/EditLogoView.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorButton.h"
#include "editor/EditorEvents.h"
#include "editor/EditorToolbar.h"
#include "globals/WindowController.h"
#include "support/StandinHarness.h"

#include <QDir>
#include <gtest/gtest.h>

// The editor against the real canvas page and the stand-in server: open a
// template, change colours, save; the server then holds the changed design.
namespace {

class EditorEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sharedWebViewController().setScriptSink({});
        canQuitWithoutSaving = true;
    }

    static void runInPage(const QString& js) { sharedWebViewController().evaluate(js); }

    StandinHarness m_harness;
    standin::StandinServer& m_server = m_harness.server();
};

TEST_F(EditorEndToEndTest, ChangedTemplateIsSavedToTheServer)
{
    const std::string uuid = deviceUUID().toStdString();
    const std::size_t designsBefore = m_server.designIds(uuid).size();

    QWidget window;
    window.setFixedSize(1060, 632);
    WindowController windowController;
    windowController.setWindow(&window);
    const QString templateSvg = QString::fromStdString(m_server.baseUrl()) + "/static/templates/1/design.svg";
    auto* editor
        = new EditLogoView(templateSvg, 1, &windowController, false, WebView { &sharedWebViewController() }, &window);
    window.show();

    ASSERT_TRUE(waitUntil([&] { return editor->model().isDesignLoaded(); }, 30000));
    EXPECT_TRUE(waitUntil([&] { return !editor->model().backgroundCatalogue().data.item.isEmpty(); }, 10000));
    auto* tiles = editor->findChild<BackgroundPictureTiles*>();
    ASSERT_NE(tiles, nullptr);
    EXPECT_EQ(tiles->tileCount(), editor->model().backgroundCatalogue().data.item.size());

    pumpEvents(500);
    window.grab().save(QDir::temp().filePath("editor-e2e-loaded.png"));

    // Select the title text as a click would, then recolour it and the background.
    runInPage("tessalyCanvas.setActiveObject(tessalyCanvas.getObjects().find(o => o.type === 'i-text'));"
              "tessalyCanvas.requestRenderAll();");
    ASSERT_TRUE(waitUntil([&] { return editor->model().selection() != EditorSelection::None; }, 10000));
    RxBus::shared().post(EditFontEvent::ColorChangeEvent { 0xD9480F });
    RxBus::shared().post(EditBackgroundEvent::setBackgroundColorEvent { 0x123456 });
    ASSERT_TRUE(waitUntil([&] { return editor->model().canUndo(); }, 10000));
    EXPECT_FALSE(canQuitWithoutSaving);
    pumpEvents(200);
    window.grab().save(QDir::temp().filePath("editor-e2e-changed.png"));

    editor->toolbar()->saveButton()->click();
    EXPECT_TRUE(editor->model().isSaving());
    ASSERT_TRUE(waitUntil([&] { return editor->isClosed(); }, 30000));
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(canQuitWithoutSaving);

    const std::vector<std::string> designs = m_server.designIds(uuid);
    ASSERT_EQ(designs.size(), designsBefore + 1);
    std::optional<std::string> stored;
    for (const std::string& id : designs) {
        std::optional<std::string> svg = m_server.designSvg(uuid, id);
        if (svg && (svg->find("123456") != std::string::npos || svg->find("rgb(18,52,86)") != std::string::npos))
            stored = svg;
    }
    ASSERT_TRUE(stored.has_value());
    const bool recoloured = stored->find("d9480f") != std::string::npos || stored->find("D9480F") != std::string::npos
        || stored->find("rgb(217,72,15)") != std::string::npos;
    EXPECT_TRUE(recoloured) << *stored;
}

} // namespace
