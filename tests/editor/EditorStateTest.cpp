#include "EditorTestSupport.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/EditorToast.h"
#include "editor/SidePanelValues.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class EditorStateTest : public ::testing::Test {
protected:
    void SetUp() override { canQuitWithoutSaving = true; }

    RecordingCanvas m_canvas;
};

TEST_F(EditorStateTest, LoadingEndsWithTheDesignAndSendsItToThePage)
{
    EditLogoViewModel model("<svg width=\"10\" height=\"10\"/>", 42, false, m_canvas.controller());
    model.start();
    EXPECT_TRUE(model.isLoading());
    EXPECT_EQ(m_canvas.loadedDesign(model.designLoadToken()), "<svg width=\"10\" height=\"10\"/>");
    pageLoadsDesign(model);
    EXPECT_FALSE(model.isLoading());
    EXPECT_TRUE(model.isDesignLoaded());
    EXPECT_TRUE(model.canSave());
}

TEST_F(EditorStateTest, AnEarlierDesignsLateAnswerDoesNotEndTheNextLoad)
{
    auto first = std::make_unique<EditLogoViewModel>("<svg id='a'/>", 1, false, m_canvas.controller());
    first->start();
    const qint64 firstToken = first->designLoadToken();
    first.reset();
    EditLogoViewModel second("<svg id='b'/>", 2, false, m_canvas.controller());
    second.start();

    RxBus::shared().post(EditLogoViewEvent::svgLoadSuccessEvent { 460, 460, firstToken });
    EXPECT_TRUE(second.isLoading());
    EXPECT_FALSE(second.canSave());
    pageFailsDesign(second);
    EXPECT_TRUE(second.isLoadingSvgFail());
    EXPECT_FALSE(second.canSave());
}

TEST_F(EditorStateTest, ALoadWithoutAnAnswerEndsInTheFailureView)
{
    EditLogoViewModel model("<svg/>", 42, false, m_canvas.controller());
    model.start();
    model.setDesignLoadTimeout(10);
    ASSERT_TRUE(waitUntil([&] { return model.isLoadingSvgFail(); }, 5000));
    EXPECT_FALSE(model.isLoading());
    // The answer that finally comes is too late.
    pageLoadsDesign(model);
    EXPECT_FALSE(model.canSave());
}

TEST_F(EditorStateTest, ADeadRendererShowsTheFailureViewAndRetryLoadsAgain)
{
    EditLogoViewModel model("<svg/>", 42, false, m_canvas.controller());
    model.start();
    pageLoadsDesign(model);
    ASSERT_TRUE(model.canSave());
    Q_EMIT m_canvas.controller()->pageFailed();
    EXPECT_TRUE(model.isLoadingSvgFail());
    EXPECT_FALSE(model.canSave());
    m_canvas.clear();
    model.retryLoad();
    EXPECT_TRUE(model.isLoading());
    EXPECT_EQ(m_canvas.loadedDesign(model.designLoadToken()), "<svg/>");
}

TEST_F(EditorStateTest, QuitFlagFollowsTheUndoButton)
{
    EditLogoViewModel model("<svg/>", 42, false, m_canvas.controller());
    model.start();
    pageLoadsDesign(model);
    RxBus::shared().post(EditLogoViewEvent::undoRedoStateEvent { false, false });
    EXPECT_TRUE(canQuitWithoutSaving);
    RxBus::shared().post(EditLogoViewEvent::undoRedoStateEvent { true, false });
    EXPECT_FALSE(canQuitWithoutSaving);
    // Every report writes the flag, also one that leaves Undo lit.
    canQuitWithoutSaving = true;
    RxBus::shared().post(EditLogoViewEvent::undoRedoStateEvent { true, true });
    EXPECT_FALSE(canQuitWithoutSaving);
    RxBus::shared().post(EditLogoViewEvent::undoRedoStateEvent { false, true });
    EXPECT_TRUE(canQuitWithoutSaving);
    EXPECT_TRUE(model.canRedo());
    EXPECT_FALSE(model.canUndo());
}

TEST_F(EditorStateTest, OtherFailedDownloadsLeaveALoadedCanvasAlone)
{
    EditLogoViewModel model("<svg/>", 42, false, m_canvas.controller());
    model.start();
    pageLoadsDesign(model);
    RxBus::shared().post(EditLogoViewEvent::loadSvgFail {});
    EXPECT_FALSE(model.isLoadingSvgFail());
    EXPECT_TRUE(model.canSave());
}

TEST_F(EditorStateTest, RetryLoadsTheDesignAgain)
{
    EditLogoViewModel model("<svg id='a'/>", 42, false, m_canvas.controller());
    model.start();
    pageFailsDesign(model);
    EXPECT_TRUE(model.isLoadingSvgFail());
    EXPECT_FALSE(model.isLoading());
    m_canvas.clear();

    model.retryLoad();
    EXPECT_FALSE(model.isLoadingSvgFail());
    EXPECT_TRUE(model.isLoading());
    EXPECT_EQ(m_canvas.loadedDesign(model.designLoadToken()), "<svg id='a'/>");
    pageLoadsDesign(model);
    EXPECT_TRUE(model.isDesignLoaded());
}

TEST_F(EditorStateTest, SelectionChoosesWhatTheBarsShowAndStoresTheModels)
{
    EditLogoViewModel model("<svg/>", 42, false, m_canvas.controller());
    CanvasTextModel text;
    text.fontFamily = "Mitr";
    RxBus::shared().post(EditFontEvent::CanvasTextData { text });
    EXPECT_EQ(model.selection(), EditorSelection::Text);
    EXPECT_EQ(model.panelValues().canvasTextModel().fontFamily, "Mitr");

    CanvasPathModel path;
    path.angle = 90;
    RxBus::shared().post(EditGraphicsEvent::CanvasGraphicsData { path });
    EXPECT_EQ(model.selection(), EditorSelection::Graphic);
    EXPECT_EQ(model.panelValues().canvasPathModel().angle, 90);

    RxBus::shared().post(EditLogoViewEvent::canvasSelectionClearedEvent {});
    EXPECT_EQ(model.selection(), EditorSelection::None);

    CanvasBrightnessAndSaturationModel colour;
    colour.hue = 210;
    RxBus::shared().post(EditLogoViewEvent::getBrightnessAndSaturationEvent { colour });
    EXPECT_EQ(model.panelValues().canvasBrightnessAndSaturationModel().hue, 210);
}

TEST_F(EditorStateTest, ToolbarAndBarActionsReachTheCanvas)
{
    EditLogoViewModel model("<svg/>", 42, false, m_canvas.controller());
    model.start();
    pageLoadsDesign(model);
    m_canvas.clear();
    model.undo(); // nothing to undo yet
    RxBus::shared().post(EditLogoViewEvent::undoRedoStateEvent { true, true });
    model.undo();
    model.redo();
    model.copySelection();
    model.deleteSelection();
    model.addText();
    EXPECT_EQ(m_canvas.calls(),
        (QStringList { "undoItem()", "redoItem()", "copyItem()", "deleteItem()", "addText('Text')" }));
}

TEST_F(EditorStateTest, EditorToastHidesAfterItsDuration)
{
    EditLogoViewModel model("<svg/>", 42, false, m_canvas.controller());
    EXPECT_EQ(model.toast().timeout(), std::chrono::seconds(toastDuration));
    model.toast().setTimeout(std::chrono::milliseconds(300));
    QSignalSpy toasts(&model.toast(), &EditorToast::changed);
    RxBus::shared().post(EditLogoViewEvent::toastEditWindowsEvent { "Exported" });
    EXPECT_TRUE(model.toast().isShown());
    EXPECT_EQ(model.toast().text(), "Exported");
    ASSERT_TRUE(waitUntil([&] { return !model.toast().isShown(); }, 3000));
    EXPECT_EQ(toasts.count(), 2);
}

TEST_F(EditorStateTest, LeavingWithoutChangesClosesAtOnce)
{
    EditLogoViewModel model("<svg/>", 42, false, m_canvas.controller());
    QSignalSpy closes(&model, &EditLogoViewModel::closeRequested);
    canQuitWithoutSaving = false;
    EXPECT_EQ(model.requestLeave(), EditLogoViewModel::LeaveStep::CloseNow);
    EXPECT_EQ(closes.count(), 1);
    EXPECT_TRUE(canQuitWithoutSaving);
}

TEST_F(EditorStateTest, LeavingWithChangesAsksFirst)
{
    EditLogoViewModel model("<svg/>", 42, false, m_canvas.controller());
    model.start();
    pageLoadsDesign(model);
    RxBus::shared().post(EditLogoViewEvent::undoRedoStateEvent { true, false });
    QSignalSpy closes(&model, &EditLogoViewModel::closeRequested);
    EXPECT_EQ(model.requestLeave(), EditLogoViewModel::LeaveStep::AskToSave);
    model.resolveLeave(EditLogoViewModel::SaveChangesChoice::Cancel);
    EXPECT_EQ(closes.count(), 0);
    EXPECT_FALSE(canQuitWithoutSaving);

    m_canvas.clear();
    model.resolveLeave(EditLogoViewModel::SaveChangesChoice::Save);
    EXPECT_TRUE(model.isSaving());
    EXPECT_EQ(m_canvas.calls(), QStringList { "getSvgAsBase64ForResult('EditLogoView')" });
    // While saving, leaving waits for the save.
    EXPECT_EQ(model.requestLeave(), EditLogoViewModel::LeaveStep::Ignored);
}

TEST_F(EditorStateTest, DontSaveClosesAndAllowsQuitting)
{
    EditLogoViewModel model("<svg/>", 42, false, m_canvas.controller());
    RxBus::shared().post(EditLogoViewEvent::undoRedoStateEvent { true, false });
    QSignalSpy closes(&model, &EditLogoViewModel::closeRequested);
    model.resolveLeave(EditLogoViewModel::SaveChangesChoice::DontSave);
    EXPECT_EQ(closes.count(), 1);
    EXPECT_TRUE(canQuitWithoutSaving);
}

} // namespace
