// Every control a user sees in the editor window takes the click at its
// centre, with each panel open: nothing lies on top of it.

#include "app/EditLogoWindow.h"
#include "canvas/WebViewViewController.h"
#include "editor/EditBar.h"
#include "editor/EditLogoView.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorButton.h"
#include "editor/sheets/EditorSheets.h"
#include "editor/sheets/SidePanelFrame.h"
#include "fonts/FontServices.h"
#include "globals/AppGlobals.h"
#include "support/StandinHarness.h"
#include "support/TestSupport.h"
#include "support/UserClick.h"

#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

const QString design = QStringLiteral(
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="400" height="300" viewBox="0 0 400 300">)"
    R"(<rect x="0" y="0" width="400" height="300" fill="#f8f9fa"/>)"
    R"(<circle cx="200" cy="110" r="70" fill="#1c7ed6"/>)"
    R"(<text x="200" y="250" font-family="DejaVu Sans" font-size="40" fill="#212529" text-anchor="middle">Tessaly</text>)"
    R"(</svg>)");

class EditorWindowControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        installEditorSheets();
        installFontServices();
        canQuitWithoutSaving = true;
    }
    void TearDown() override
    {
        delete editLogoWindow()->takeCentralWidget();
        editLogoWindow()->hide();
        delete sharedWebViewController().view();
        canQuitWithoutSaving = true;
    }

    static void select(const QString& pick, EditorSelection wanted, const EditLogoViewModel& model)
    {
        sharedWebViewController().evaluate(
            QStringLiteral("tessalyCanvas.discardActiveObject();%1tessalyCanvas.requestRenderAll();").arg(pick));
        ASSERT_TRUE(waitUntil([&] { return model.selection() == wanted; }, 5000));
    }

    static EditorButton* button(EditBar* bar, const QString& label)
    {
        for (auto* candidate : bar->findChildren<EditorButton*>())
            if (candidate->text() == label)
                return candidate;
        return nullptr;
    }
};

TEST_F(EditorWindowControlsTest, EachPanelOpensAndClosesWithItsButtonsAndCoversNoControl)
{
    StandinHarness harness;
    showEditLogoWindow(1, design, false);
    QMainWindow* window = editLogoWindow();
    auto* editor = qobject_cast<EditLogoView*>(window->centralWidget());
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(waitUntil([&] { return editor->model().isDesignLoaded() && !editor->model().isBusy(); }, 30000));
    pumpEvents(500); // the background tiles arrive
    expectNoneCovered(window, "no panel open");

    const QString pickText
        = "tessalyCanvas.setActiveObject(tessalyCanvas.getObjects().find(o => o.type === 'i-text'));";
    const QString pickCircle
        = "tessalyCanvas.setActiveObject(tessalyCanvas.getObjects().find(o => o.type === 'circle'));";
    const struct {
        QString pick;
        EditorSelection selection;
        EditBar* bar;
        QStringList labels;
    } bars[] = {
        { pickText, EditorSelection::Text, editor->textEditBar(), { "Color", "Font", "Spacing", "Format" } },
        { pickCircle, EditorSelection::Graphic, editor->graphicsEditBar(), { "Color", "Rotate", "Flip", "Add" } },
        { QString(), EditorSelection::None, editor->backgroundEditBar(), { "Color", "Add graphic" } },
    };
    for (const auto& bar : bars) {
        select(bar.pick, bar.selection, editor->model());
        for (const QString& label : bar.labels) {
            EditorButton* opener = button(bar.bar, label);
            ASSERT_NE(opener, nullptr) << label.toStdString();
            userClick(opener);
            QPointer<SidePanelFrame> panel;
            ASSERT_TRUE(waitUntil(
                [&] {
                    for (auto* candidate : window->findChildren<SidePanelFrame*>())
                        if (candidate->isVisible() && candidate->content()->x() == 0)
                            panel = candidate;
                    return !panel.isNull();
                },
                5000))
                << label.toStdString() << " did not open";
            pumpEvents(300); // what the panel loads
            expectNoneCovered(window, label + " open");

            userClick(panel->closeButton());
            EXPECT_TRUE(waitUntil([&] { return panel.isNull() || !panel->isVisible(); }, 3000))
                << label.toStdString() << " stayed open after its close button was clicked";
        }
    }
}

} // namespace
