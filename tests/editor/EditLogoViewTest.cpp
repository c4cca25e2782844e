#include "editor/EditLogoView.h"

#include "EditorTestSupport.h"
#include "components/LoadSvgFailView.h"
#include "editor/BackgroundPictureTiles.h"
#include "editor/CanvasHost.h"
#include "editor/EditBar.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorButton.h"
#include "editor/EditorEvents.h"
#include "editor/EditorPanelFactories.h"
#include "editor/EditorPanelHost.h"
#include "editor/EditorToolbar.h"
#include "editor/LoadingOverlay.h"
#include "globals/WindowController.h"
#include "support/StandinHarness.h"
#include "support/UserClick.h"

#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The editor window as the shell builds it: a top-level widget holding one
// editor at a time.
class EditorWindow {
public:
    EditorWindow()
    {
        m_window.setFixedSize(static_cast<int>(editWindowWidth), static_cast<int>(editWindowHeight) - 28);
        m_controller.setWindow(&m_window);
    }

    EditLogoView* open(const QString& svg = "<svg/>", bool fromMyDesigns = false)
    {
        delete m_editor.data();
        m_editor = new EditLogoView(
            svg, 42, &m_controller, fromMyDesigns, WebView { &sharedWebViewController() }, &m_window);
        m_window.show();
        m_editor->show();
        return m_editor;
    }

    QWidget& window() { return m_window; }
    EditLogoView* editor() const { return m_editor; }

private:
    QWidget m_window;
    WindowController m_controller;
    QPointer<EditLogoView> m_editor;
};

void designLoaded(EditLogoView* editor)
{
    pageLoadsDesign(editor->model());
    RxBus::shared().post(EditLogoViewEvent::undoRedoStateEvent { false, false });
}

// The mean lightness of a picture, each pixel weighted by its opacity.
double shownLightness(const QImage& picture)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x) {
            const QColor colour = pixels.pixelColor(x, y);
            sum += colour.lightnessF() * colour.alphaF();
        }
    return sum / std::max(1, pixels.width() * pixels.height());
}

class EditLogoViewTest : public ::testing::Test {
protected:
    void SetUp() override { canQuitWithoutSaving = true; }

    SharedCanvasRecorder m_canvas;
    EditorWindow m_window;
};

TEST_F(EditLogoViewTest, OpeningTwiceThenFlippingOnceFlipsOnce)
{
    m_window.open();
    m_window.open();
    m_canvas.clear();
    RxBus::shared().post(EditGraphicsEvent::FlipSheetHorizontalEvent {});
    EXPECT_EQ(m_canvas.calls(), QStringList { "setFlipObjX()" });

    // An editor that has closed but is still alive hears nothing either.
    auto closed = std::make_unique<EditLogoView>("<svg/>", 42, nullptr, false);
    closed->leave();
    ASSERT_TRUE(closed->isClosed());
    m_canvas.clear();
    RxBus::shared().post(EditGraphicsEvent::FlipSheetVerticalEvent {});
    EXPECT_EQ(m_canvas.calls(), QStringList { "setFlipObjY()" });
}

TEST_F(EditLogoViewTest, SharedCanvasViewOutlivesEachEditor)
{
    EditLogoView* first = m_window.open();
    QPointer<QWidget> canvasView = first->canvasHost()->canvasView();
    ASSERT_TRUE(canvasView);
    EXPECT_EQ(canvasView->parentWidget(), first->canvasHost());

    EditLogoView* second = m_window.open();
    ASSERT_TRUE(canvasView);
    EXPECT_EQ(canvasView.data(), sharedWebViewController().view());
    EXPECT_EQ(canvasView->parentWidget(), second->canvasHost());
    delete second;
    ASSERT_TRUE(canvasView);
    EXPECT_EQ(canvasView->parentWidget(), nullptr);
}

TEST_F(EditLogoViewTest, LeavingAnUnchangedDesignClosesTheWindow)
{
    EditLogoView* editor = m_window.open();
    designLoaded(m_window.editor());
    canQuitWithoutSaving = false;
    ScopedSaveChangesAnswer answer(SaveChangesDialog::Choice::Cancel);
    userClick(editor->toolbar()->leaveButton());
    EXPECT_EQ(answer.asked(), 0);
    EXPECT_FALSE(m_window.window().isVisible());
    EXPECT_TRUE(canQuitWithoutSaving);
    EXPECT_EQ(sharedWebViewController().view()->parentWidget(), nullptr);
}

TEST_F(EditLogoViewTest, WindowCloseAsksAboutChanges)
{
    EditLogoView* editor = m_window.open();
    designLoaded(m_window.editor());
    RxBus::shared().post(EditLogoViewEvent::undoRedoStateEvent { true, false });
    EXPECT_FALSE(canQuitWithoutSaving);
    {
        ScopedSaveChangesAnswer cancel(SaveChangesDialog::Choice::Cancel);
        m_window.window().close();
        EXPECT_EQ(cancel.asked(), 1);
        EXPECT_TRUE(m_window.window().isVisible());
        EXPECT_FALSE(editor->isClosed());
    }
    ScopedSaveChangesAnswer dontSave(SaveChangesDialog::Choice::DontSave);
    m_window.window().close();
    EXPECT_EQ(dontSave.asked(), 1);
    EXPECT_FALSE(m_window.window().isVisible());
    EXPECT_TRUE(canQuitWithoutSaving);
}

TEST_F(EditLogoViewTest, SaveFromTheDialogClosesOnceUploaded)
{
    FakeUploader uploader;
    EditLogoView* editor = m_window.open();
    designLoaded(m_window.editor());
    RxBus::shared().post(EditLogoViewEvent::undoRedoStateEvent { true, false });
    ScopedSaveChangesAnswer save(SaveChangesDialog::Choice::Save);
    editor->leave();
    EXPECT_TRUE(m_window.window().isVisible());
    EXPECT_TRUE(editor->canvasHost()->loadingOverlay()->isActive());
    EXPECT_FALSE(editor->toolbar()->saveButton()->isEnabled());
    RxBus::shared().post(EditLogoViewEvent::imagesvgBase64StringEvent { "PHN2Zy8+" });
    ASSERT_EQ(uploader.requests().size(), 1u);
    uploader.complete(true);
    EXPECT_FALSE(m_window.window().isVisible());
    EXPECT_TRUE(editor->isClosed());
    EXPECT_TRUE(canQuitWithoutSaving);
}

TEST_F(EditLogoViewTest, ToolbarFollowsLoadingAndUndoState)
{
    EditLogoView* editor = m_window.open();
    EditorToolbar* toolbar = editor->toolbar();
    EXPECT_FALSE(toolbar->saveButton()->isEnabled());
    EXPECT_FALSE(toolbar->undoButton()->isEnabled());
    EXPECT_TRUE(toolbar->leaveButton()->isEnabled());
    EXPECT_TRUE(editor->canvasHost()->loadingOverlay()->isActive());

    designLoaded(m_window.editor());
    EXPECT_TRUE(toolbar->saveButton()->isEnabled());
    EXPECT_FALSE(editor->canvasHost()->loadingOverlay()->isActive());
    RxBus::shared().post(EditLogoViewEvent::undoRedoStateEvent { true, false });
    EXPECT_TRUE(toolbar->undoButton()->isEnabled());
    EXPECT_FALSE(toolbar->redoButton()->isEnabled());
    m_canvas.clear();
    userClick(toolbar->undoButton());
    EXPECT_EQ(m_canvas.calls(), QStringList { "undoItem()" });
}

TEST_F(EditLogoViewTest, LoadFailureShowsRetryWhichLoadsAgain)
{
    EventRecorder<EditLogoViewEvent::RetryEvent> retries;
    EditLogoView* editor = m_window.open("<svg id='x'/>");
    pageFailsDesign(editor->model());
    LoadSvgFailView* failView = editor->canvasHost()->failView();
    EXPECT_TRUE(failView->isVisible());
    EXPECT_FALSE(editor->toolbar()->saveButton()->isEnabled());
    m_canvas.clear();
    userClick(failView->retryButton());
    EXPECT_FALSE(failView->isVisible());
    EXPECT_EQ(m_canvas.loadedDesign(editor->model().designLoadToken()), "<svg id='x'/>");
    EXPECT_EQ(retries.count(), 1u);
}

TEST_F(EditLogoViewTest, DisabledButtonsDimTheirIcons)
{
    EditorButton enabled(QStringLiteral("editor_undo"), QString(), EditorButton::Layout::TextUnderIcon, nullptr);
    EditorButton disabled(QStringLiteral("editor_undo"), QString(), EditorButton::Layout::TextUnderIcon, nullptr);
    disabled.setEnabled(false);
    const double shown = shownLightness(enabled.grab().toImage());
    ASSERT_GT(shown, 0.0);
    EXPECT_LT(shownLightness(disabled.grab().toImage()), shown * 0.6);
}

// Where the device pixels that differ from the picture's top-left corner lie.
std::string inkBounds(const QImage& picture)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb background = pixels.pixel(0, 0);
    QRect bounds;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            if (pixels.pixel(x, y) != background)
                bounds |= QRect(x, y, 1, 1);
    return QStringLiteral("%1x%2 at %3,%4")
        .arg(bounds.width())
        .arg(bounds.height())
        .arg(bounds.x())
        .arg(bounds.y())
        .toStdString();
}

// Icons are drawn for the screen's pixel ratio, which is set when the
// application starts: at scale 1 this test runs itself again at scale 2.
TEST(EditorButtonScaledTest, ADisabledIconCoversTheSameAreaAsTheEnabledOne)
{
    if (qApp->devicePixelRatio() < 2) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
            { QStringLiteral("--gtest_filter=EditorButtonScaledTest.ADisabledIconCoversTheSameAreaAsTheEnabledOne") });
        ASSERT_TRUE(child.waitForFinished(60000));
        const QString output = QString::fromLocal8Bit(child.readAll());
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains(QLatin1String("[  PASSED  ] 1 test"))) << output.toStdString();
        return;
    }
    EditorButton enabled(QStringLiteral("editor_undo"), QString(), EditorButton::Layout::TextUnderIcon, nullptr);
    EditorButton disabled(QStringLiteral("editor_undo"), QString(), EditorButton::Layout::TextUnderIcon, nullptr);
    disabled.setEnabled(false);
    const QImage shown = enabled.grab().toImage();
    ASSERT_EQ(shown.devicePixelRatio(), 2.0);
    const std::string enabledInk = inkBounds(shown);
    ASSERT_NE(enabledInk, "0x0 at 0,0");
    EXPECT_EQ(inkBounds(disabled.grab().toImage()), enabledInk);
}

TEST_F(EditLogoViewTest, EachOpenReusesTheIconsOfTheOneBefore)
{
    // Icons made afresh for each editor would leave what they draw in Qt's
    // pixmap cache on every open.
    const qint64 first = m_window.open()->toolbar()->undoButton()->icon().cacheKey();
    EXPECT_EQ(m_window.open()->toolbar()->undoButton()->icon().cacheKey(), first);
}

TEST_F(EditLogoViewTest, WithoutALoadedDesignBackgroundTilesAreOffAndLookIt)
{
    StandinHarness harness;
    EditLogoView* editor = m_window.open();
    auto* tiles = editor->findChild<BackgroundPictureTiles*>();
    ASSERT_NE(tiles, nullptr);
    ASSERT_TRUE(waitUntil([&] { return tiles->tileCount() > 0; }, 10000));
    pumpEvents(500); // the tiles' pictures arrive

    pageFailsDesign(editor->model());
    EXPECT_FALSE(tiles->isEnabled());
    const double faint = shownLightness(tiles->grab().toImage());
    m_canvas.clear();
    userClick(tiles->findChild<QPushButton*>());
    pumpEvents(500);
    for (const QString& call : m_canvas.calls())
        EXPECT_FALSE(call.startsWith(QLatin1String("setCanvasBKGroundImage")));

    editor->model().retryLoad();
    designLoaded(editor);
    ASSERT_TRUE(tiles->isEnabled());
    EXPECT_LT(faint, shownLightness(tiles->grab().toImage()) * 0.6);
}

// The columns of `area` in the window where something else than the bar's
// background shows.
std::vector<int> paintedColumns(QWidget& window, const QRect& area)
{
    const QImage shown = window.grab(area).toImage().convertToFormat(QImage::Format_ARGB32);
    const QColor bar(0x1E, 0x1E, 0x1E);
    std::vector<int> columns;
    for (int x = 0; x < shown.width(); ++x)
        for (int y = 0; y < shown.height(); ++y) {
            const QColor c = shown.pixelColor(x, y);
            if (std::max({ std::abs(c.red() - bar.red()), std::abs(c.green() - bar.green()),
                    std::abs(c.blue() - bar.blue()) })
                > 4) {
                columns.push_back(x);
                break;
            }
        }
    return columns;
}

TEST_F(EditLogoViewTest, BackgroundTilesKeepTheirPlacesWhileASaveRuns)
{
    StandinHarness harness;
    FakeUploader uploader;
    EditLogoView* editor = m_window.open();
    designLoaded(editor);
    auto* tiles = editor->findChild<BackgroundPictureTiles*>();
    ASSERT_TRUE(waitUntil([&] { return tiles->tileCount() > 0; }, 10000));
    pumpEvents(500); // the tiles' pictures arrive
    const QRect area(tiles->mapTo(&m_window.window(), QPoint(0, 0)), tiles->size());
    const std::vector<int> idle = paintedColumns(m_window.window(), area);
    ASSERT_FALSE(idle.empty());

    ASSERT_TRUE(editor->model().save());
    ASSERT_TRUE(editor->model().isSaving());
    ASSERT_FALSE(tiles->isEnabled());
    EXPECT_EQ(paintedColumns(m_window.window(), area), idle);
}

TEST_F(EditLogoViewTest, EditBarFollowsTheSelection)
{
    EditLogoView* editor = m_window.open();
    designLoaded(m_window.editor());
    EXPECT_EQ(editor->currentEditBar(), editor->backgroundEditBar());
    RxBus::shared().post(EditFontEvent::CanvasTextData {});
    EXPECT_EQ(editor->currentEditBar(), editor->textEditBar());
    RxBus::shared().post(EditGraphicsEvent::CanvasGraphicsData {});
    EXPECT_EQ(editor->currentEditBar(), editor->graphicsEditBar());
    RxBus::shared().post(EditLogoViewEvent::canvasSelectionClearedEvent {});
    EXPECT_EQ(editor->currentEditBar(), editor->backgroundEditBar());
}

TEST_F(EditLogoViewTest, PanelButtonsOfferOnlyBuiltPanels)
{
    // A panel without a factory is not offered.
    EditorPanelFactories::setPanelFactory(EditorPanel::Flip, {});
    EditLogoView* plain = m_window.open();
    const auto flipButton = [](EditLogoView* editor) {
        for (auto* button : editor->graphicsEditBar()->findChildren<EditorButton*>())
            if (button->text() == "Flip")
                return button;
        return static_cast<EditorButton*>(nullptr);
    };
    ASSERT_NE(flipButton(plain), nullptr);
    EXPECT_FALSE(flipButton(plain)->isEnabled());

    QPointer<QWidget> built;
    EditorPanelFactories::setPanelFactory(EditorPanel::Flip, [&built](EditLogoViewModel&, QWidget* parent) {
        built = new QLabel("flip panel", parent);
        return built.data();
    });
    EditLogoView* editor = m_window.open();
    designLoaded(m_window.editor());
    RxBus::shared().post(EditGraphicsEvent::CanvasGraphicsData {});
    EditorButton* button = flipButton(editor);
    ASSERT_TRUE(button->isEnabled());
    userClick(button);
    ASSERT_TRUE(built);
    EXPECT_TRUE(built->isVisible());
    EXPECT_EQ(built->width(), 270);

    RxBus::shared().post(EditGraphicsEvent::ShowFlipSheetEvent {});
    EXPECT_FALSE(built->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(built.isNull());
    EditorPanelFactories::setPanelFactory(EditorPanel::Flip, {});
}

} // namespace
