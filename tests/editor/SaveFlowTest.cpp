#include "EditorTestSupport.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/EditorSaveFlow.h"
#include "editor/EditorToast.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const QString askForSvg = "getSvgAsBase64ForResult('EditLogoView')";

class SaveFlowTest : public ::testing::Test {
protected:
    void SetUp() override { canQuitWithoutSaving = true; }

    void loadDesign(EditLogoViewModel& model) const
    {
        model.start();
        pageLoadsDesign(model);
    }

    // The page's answer to getSvgAsBase64ForResult.
    static void pageAnswers(const QString& base64 = "PHN2Zy8+")
    {
        RxBus::shared().post(EditLogoViewEvent::imagesvgBase64StringEvent { base64 });
    }

    RecordingCanvas m_canvas;
    FakeUploader m_uploader;
    EventRecorder<EditLogoViewEvent::QuitSaveSucceededEvent> m_quitSaved;
    EventRecorder<LogoDetailViewEventBus::refreshEvent> m_refreshes;
    EventRecorder<MyDesignEventBus::getDataEvent> m_reloads;
    EventRecorder<ContentViewEventBus::ToastEvent> m_mainToasts;
    EventRecorder<EditLogoViewEvent::toastEditWindowsEvent> m_editorToasts;
};

TEST_F(SaveFlowTest, SuccessAnnouncesReloadsAndCloses)
{
    EditLogoViewModel model("<svg/>", 42, true, m_canvas.controller());
    loadDesign(model);
    QSignalSpy closes(&model, &EditLogoViewModel::closeRequested);
    m_canvas.clear();

    ASSERT_TRUE(model.save());
    EXPECT_EQ(m_canvas.calls(), QStringList { askForSvg });
    EXPECT_TRUE(model.isBusy());
    pageAnswers("QUJD");
    ASSERT_EQ(m_uploader.requests().size(), 1u);
    EXPECT_EQ(m_uploader.requests()[0].itemId, "42");
    EXPECT_EQ(m_uploader.requests()[0].base64, "QUJD");
    EXPECT_EQ(m_uploader.requests()[0].kind, "design");

    m_uploader.complete(true);
    EXPECT_FALSE(model.isBusy());
    ASSERT_EQ(m_refreshes.count(), 1u);
    EXPECT_EQ(m_refreshes.events()[0].id, 42);
    EXPECT_EQ(m_reloads.count(), 1u);
    ASSERT_EQ(m_mainToasts.count(), 1u);
    EXPECT_EQ(m_mainToasts.events()[0].text, "Your logo has been successfully created and saved to 'My Designs'.");
    EXPECT_EQ(closes.count(), 1);
    EXPECT_TRUE(canQuitWithoutSaving);
    EXPECT_EQ(m_quitSaved.count(), 0u);
}

TEST_F(SaveFlowTest, TemplateSavesUnderItsOwnIdBeyond32Bits)
{
    EditLogoViewModel model("<svg/>", 5000000000LL, false, m_canvas.controller());
    loadDesign(model);
    model.save();
    pageAnswers();
    ASSERT_EQ(m_uploader.requests().size(), 1u);
    EXPECT_EQ(m_uploader.requests()[0].kind, "template");
    EXPECT_EQ(m_uploader.requests()[0].itemId, "5000000000");
}

TEST_F(SaveFlowTest, FailureKeepsEditorOpenAndSaysSoAfterASecond)
{
    EditLogoViewModel model("<svg/>", 42, false, m_canvas.controller());
    loadDesign(model);
    QSignalSpy closes(&model, &EditLogoViewModel::closeRequested);
    model.save();
    pageAnswers();
    m_uploader.complete(false);

    EXPECT_FALSE(model.isBusy());
    EXPECT_TRUE(model.canSave());
    EXPECT_EQ(m_editorToasts.count(), 0u);
    ASSERT_TRUE(waitUntil([&] { return m_editorToasts.count() == 1; }, 3000));
    EXPECT_EQ(m_editorToasts.events()[0].text, "Logo creation failed. Please try again.");
    EXPECT_EQ(model.toast().text(), "Logo creation failed. Please try again.");
    EXPECT_EQ(closes.count(), 0);
    EXPECT_EQ(m_refreshes.count(), 0u);
    EXPECT_EQ(m_reloads.count(), 0u);
}

TEST_F(SaveFlowTest, SecondSaveWhileSavingIsIgnored)
{
    EditLogoViewModel model("<svg/>", 42, false, m_canvas.controller());
    loadDesign(model);
    m_canvas.clear();
    EXPECT_TRUE(model.save());
    EXPECT_FALSE(model.save());
    pageAnswers();
    pageAnswers();
    EXPECT_FALSE(model.save());
    EXPECT_EQ(m_canvas.count(askForSvg), 1);
    EXPECT_EQ(m_uploader.requests().size(), 1u);
}

TEST_F(SaveFlowTest, SaveIsRefusedUntilTheDesignHasLoaded)
{
    EditLogoViewModel model("<svg/>", 42, false, m_canvas.controller());
    model.start();
    m_canvas.clear();
    EXPECT_FALSE(model.canSave());
    EXPECT_FALSE(model.save());

    pageFailsDesign(model);
    EXPECT_TRUE(model.isLoadingSvgFail());
    EXPECT_FALSE(model.save());
    EXPECT_EQ(m_canvas.count(askForSvg), 0);
    pageAnswers();
    EXPECT_TRUE(m_uploader.requests().empty());
}

// The program hears of the success first, and the editor closes as after any Save.
TEST_F(SaveFlowTest, QuitSaveTellsTheProgramThenClosesOnceSaved)
{
    EditLogoViewModel model("<svg/>", 42, false, m_canvas.controller());
    loadDesign(model);
    RxBus::shared().post(EditLogoViewEvent::undoRedoStateEvent { true, false });
    EXPECT_FALSE(canQuitWithoutSaving);
    QSignalSpy closes(&model, &EditLogoViewModel::closeRequested);
    qsizetype closesWhenTold = -1;
    rx::DisposeBag bag;
    subscribeEvent<EditLogoViewEvent::QuitSaveSucceededEvent>(
        bag, [&](const EditLogoViewEvent::QuitSaveSucceededEvent&) { closesWhenTold = closes.count(); });

    RxBus::shared().post(EditLogoViewEvent::QuitSaveLogoEvent {});
    EXPECT_TRUE(model.saveFlow().isQuitSave());
    pageAnswers();
    m_uploader.complete(true);
    EXPECT_TRUE(canQuitWithoutSaving);
    EXPECT_EQ(m_quitSaved.count(), 1u);
    EXPECT_EQ(closesWhenTold, 0) << "closed before the program heard";
    EXPECT_EQ(closes.count(), 1);
}

TEST_F(SaveFlowTest, FailedQuitSaveDoesNotQuitALaterSave)
{
    EditLogoViewModel model("<svg/>", 42, false, m_canvas.controller());
    loadDesign(model);
    RxBus::shared().post(EditLogoViewEvent::QuitSaveLogoEvent {});
    pageAnswers();
    m_uploader.complete(false, 0);
    EXPECT_FALSE(model.saveFlow().isQuitSave());
    EXPECT_EQ(m_quitSaved.count(), 0u);

    QSignalSpy closes(&model, &EditLogoViewModel::closeRequested);
    model.save();
    pageAnswers();
    m_uploader.complete(true, 1);
    EXPECT_EQ(m_quitSaved.count(), 0u);
    EXPECT_EQ(closes.count(), 1);
}

// Every end of a quit-save but success tells the application, once, so that it
// stops holding further quits; only the save's own failure brings the editor
// to the front.
TEST_F(SaveFlowTest, AQuitSaveThatDoesNotQuitSaysSoOnEveryPath)
{
    enum class End { UploadFails, PageNeverAnswers, EditorReplacedBeforeTheSvg };
    const struct {
        const char* name;
        End end;
        bool raisesTheEditor;
    } rows[] = {
        { "upload fails", End::UploadFails, true },
        { "page never answers", End::PageNeverAnswers, true },
        { "editor replaced before the SVG", End::EditorReplacedBeforeTheSvg, false },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EventRecorder<EditLogoViewEvent::QuitSaveEndedEvent> ended;
        auto model = std::make_unique<EditLogoViewModel>("<svg/>", 42, false, m_canvas.controller());
        loadDesign(*model);
        model->saveFlow().setPageAnswerTimeout(20);
        QSignalSpy raised(&model->saveFlow(), &EditorSaveFlow::quitSaveFailed);
        RxBus::shared().post(EditLogoViewEvent::QuitSaveLogoEvent {});
        ASSERT_TRUE(model->saveFlow().isQuitSave());
        EXPECT_EQ(ended.count(), 0u);

        switch (row.end) {
        case End::UploadFails:
            pageAnswers();
            m_uploader.complete(false, m_uploader.requests().size() - 1);
            break;
        case End::PageNeverAnswers:
            waitUntil([&] { return !model->saveFlow().isSaving(); }, 2000);
            break;
        case End::EditorReplacedBeforeTheSvg:
            model->endSubscriptions();
            model.reset();
            pageAnswers();
            break;
        }
        EXPECT_EQ(ended.count(), 1u);
        EXPECT_EQ(raised.count(), row.raisesTheEditor ? 1 : 0);
        EXPECT_EQ(m_quitSaved.count(), 0u);
        model.reset();
        EXPECT_EQ(ended.count(), 1u) << "ended twice";
    }
}

TEST_F(SaveFlowTest, QuitSaveWithoutALoadedDesignLetsTheQuitGoAhead)
{
    EditLogoViewModel model("<svg/>", 42, false, m_canvas.controller());
    model.start();
    canQuitWithoutSaving = false;
    RxBus::shared().post(EditLogoViewEvent::QuitSaveLogoEvent {});
    EXPECT_TRUE(canQuitWithoutSaving);
    EXPECT_EQ(m_quitSaved.count(), 1u);
    EXPECT_TRUE(m_uploader.requests().empty());
}

TEST_F(SaveFlowTest, QuitSaveDuringASaveQuitsAfterThatSave)
{
    EditLogoViewModel model("<svg/>", 42, false, m_canvas.controller());
    loadDesign(model);
    model.save();
    RxBus::shared().post(EditLogoViewEvent::QuitSaveLogoEvent {});
    pageAnswers();
    ASSERT_EQ(m_uploader.requests().size(), 1u);
    m_uploader.complete(true);
    EXPECT_EQ(m_quitSaved.count(), 1u);
}

TEST_F(SaveFlowTest, AReplacedEditorsUploadDoesNotFinishTheNextSave)
{
    auto replaced = std::make_unique<EditLogoViewModel>("<svg/>", 1, false, m_canvas.controller());
    loadDesign(*replaced);
    replaced->save();
    pageAnswers();
    replaced.reset();

    EditLogoViewModel model("<svg/>", 2, false, m_canvas.controller());
    loadDesign(model);
    QSignalSpy closes(&model, &EditLogoViewModel::closeRequested);
    model.save();
    pageAnswers();
    ASSERT_EQ(m_uploader.requests().size(), 2u);
    m_uploader.complete(true, 0);
    EXPECT_TRUE(model.isSaving());
    EXPECT_EQ(closes.count(), 0);

    EventRecorder<EditLogoViewUploadEvent::uploadSvgFail> failures;
    m_uploader.complete(false, 1);
    EXPECT_FALSE(model.isSaving());
    EXPECT_EQ(closes.count(), 0);
    EXPECT_EQ(failures.count(), 1u);
}

TEST_F(SaveFlowTest, UploadOutcomeOfAnotherEditorIsIgnored)
{
    EditLogoViewModel model("<svg/>", 42, false, m_canvas.controller());
    loadDesign(model);
    QSignalSpy closes(&model, &EditLogoViewModel::closeRequested);
    RxBus::shared().post(EditLogoViewUploadEvent::uploadSvgSuccess {});
    RxBus::shared().post(EditLogoViewUploadEvent::uploadSvgFail {});
    EXPECT_EQ(closes.count(), 0);
    EXPECT_EQ(m_refreshes.count(), 0u);
}

} // namespace
