#include "editor/EditLogoView.h"

#include "components/ToastView.h"
#include "core/RxBus.h"
#include "editor/BackgroundPictureTiles.h"
#include "editor/CanvasHost.h"
#include "editor/EditBar.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorButton.h"
#include "editor/EditorEvents.h"
#include "editor/EditorPanelFactories.h"
#include "editor/EditorPanelHost.h"
#include "editor/EditorSaveFlow.h"
#include "editor/EditorToast.h"
#include "editor/EditorToolbar.h"
#include "editor/SaveChangesDialog.h"
#include "globals/AppGlobals.h"
#include "globals/WindowController.h"

#include <QApplication>
#include <QCloseEvent>
#include <QStackedWidget>
#include <QTimer>

namespace {
constexpr int panelColumnWidth = 270;
constexpr int barsHeight = EditorToolbar::height + EditBar::height;
} // namespace

EditLogoView::EditLogoView(QString svg, DesignId itemId, WindowController* windowController, bool fromMyDesignsView,
    WebView webview, QWidget* parent)
    : QWidget(parent)
    , m_svg(std::move(svg))
    , m_windowController(windowController)
    , m_fromMyDesignsView(fromMyDesignsView)
    , m_webview(webview)
    , m_model(new EditLogoViewModel(m_svg, itemId, fromMyDesignsView, webview.controller, this))
    , m_toolbar(new EditorToolbar(this))
    , m_editBars(new QStackedWidget(this))
    , m_textBar(new EditBar(m_editBars))
    , m_graphicsBar(new EditBar(m_editBars))
    , m_backgroundBar(new EditBar(m_editBars))
    , m_canvasHost(new CanvasHost(*m_model, this, webview.host))
    , m_fontSheets(EditorPanelHost::fontEditSheetView(*m_model, this))
    , m_graphicsSheets(EditorPanelHost::graphicsEditSheetView(*m_model, this))
    , m_backgroundSheets(EditorPanelHost::backgroundEditSheetView(*m_model, this))
    , m_toast(new ToastView(this))
{
    setObjectName(QStringLiteral("EditLogoView"));
    setFixedSize(static_cast<int>(editWindowWidth), static_cast<int>(editWindowHeight) - 28);
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("#EditLogoView { background: #1E1E1E; }"));

    buildTextBar();
    buildGraphicsBar();
    buildBackgroundBar();
    m_editBars->addWidget(m_backgroundBar);
    m_editBars->addWidget(m_textBar);
    m_editBars->addWidget(m_graphicsBar);
    placeChildren();
    m_toast->hideToast();
    connectModel();
    m_model->start();
}

EditLogoView::~EditLogoView()
{
    // The web view belongs to its controller; it must not go down with us.
    m_model->endSubscriptions();
    m_canvasHost->detachCanvas();
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
}

EditBar* EditLogoView::currentEditBar() const
{
    return qobject_cast<EditBar*>(m_editBars->currentWidget());
}

void EditLogoView::leave()
{
    if (m_closed)
        return;
    if (m_model->requestLeave() != EditLogoViewModel::LeaveStep::AskToSave)
        return;
    m_model->resolveLeave(SaveChangesDialog::ask(this));
}

void EditLogoView::replaceWith(std::function<void()> replace)
{
    if (m_closed || (!m_model->hasUnsavedChanges() && !m_model->isSaving())) {
        replace();
        return;
    }
    if (!m_model->isSaving()) {
        switch (SaveChangesDialog::ask(this)) {
        case SaveChangesDialog::Choice::Cancel:
            return;
        case SaveChangesDialog::Choice::DontSave:
            replace();
            return;
        case SaveChangesDialog::Choice::Save:
            if (!m_model->save())
                return;
            break;
        }
    }
    // The running save closes the editor once the design is stored.
    m_afterSave = std::move(replace);
}

bool EditLogoView::eventFilter(QObject* watched, QEvent* event)
{
    // The window manager's close means "leave the editor"; the editor's own
    // close goes through, and so does the program's as it ends, its unsaved
    // work settled already.
    if (watched == m_watchedWindow && event->type() == QEvent::Close && !m_closingByEditor && !m_closed
        && !closesWithoutAsking(*static_cast<QCloseEvent*>(event))) {
        leave();
        if (m_closed) {
            // Left at once: this very close event closes the window.
            event->accept();
            return false;
        }
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void EditLogoView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    QWidget* top = window();
    if (top != m_watchedWindow) {
        if (m_watchedWindow)
            m_watchedWindow->removeEventFilter(this);
        m_watchedWindow = top;
        top->installEventFilter(this);
    }
}

EditorButton* EditLogoView::addPanelButton(
    EditBar* bar, const QString& icon, const QString& labelKey, EditorPanel panel)
{
    EditorButton* button = bar->addButton(icon, labelKey, [this, panel] { m_model->openPanel(panel); });
    // A panel that is not built yet is not offered.
    button->setEnabled(EditorPanelFactories::hasPanel(panel));
    return button;
}

void EditLogoView::buildTextBar()
{
    addPanelButton(m_textBar, QStringLiteral("editor_color"), QStringLiteral("Color"), EditorPanel::TextColor);
    addPanelButton(m_textBar, QStringLiteral("editor_font"), QStringLiteral("Font"), EditorPanel::TextFontFamily);
    addPanelButton(
        m_textBar, QStringLiteral("editor_spacing"), QStringLiteral("Spacing"), EditorPanel::TextCharsSpacing);
    addPanelButton(m_textBar, QStringLiteral("editor_format"), QStringLiteral("Format"), EditorPanel::TextFormat);
    m_textBar->addSeparator();
    m_textBar->addButton(QStringLiteral("editor_copy"), QStringLiteral("Copy"), [this] { m_model->copySelection(); });
    m_textBar->addButton(
        QStringLiteral("editor_delete"), QStringLiteral("Delete"), [this] { m_model->deleteSelection(); });
    m_textBar->finish();
}

void EditLogoView::buildGraphicsBar()
{
    addPanelButton(m_graphicsBar, QStringLiteral("editor_color"), QStringLiteral("Color"), EditorPanel::TextColor);
    addPanelButton(
        m_graphicsBar, QStringLiteral("editor_rotate"), QStringLiteral("Rotate"), EditorPanel::GraphicsRotate);
    addPanelButton(m_graphicsBar, QStringLiteral("editor_flip"), QStringLiteral("Flip"), EditorPanel::Flip);
    addPanelButton(
        m_graphicsBar, QStringLiteral("editor_add_graphic"), QStringLiteral("Add"), EditorPanel::GraphicsAdd);
    m_graphicsBar->addSeparator();
    m_graphicsBar->addButton(
        QStringLiteral("editor_copy"), QStringLiteral("Copy"), [this] { m_model->copySelection(); });
    m_graphicsBar->addButton(
        QStringLiteral("editor_delete"), QStringLiteral("Delete"), [this] { m_model->deleteSelection(); });
    m_graphicsBar->finish();
}

void EditLogoView::buildBackgroundBar()
{
    addPanelButton(
        m_backgroundBar, QStringLiteral("editor_background"), QStringLiteral("Color"), EditorPanel::BackgroundColor);
    m_backgroundBar->addSeparator();
    m_backgroundBar->addWidget(new BackgroundPictureTiles(*m_model, m_backgroundBar), 1);
    m_backgroundBar->addSeparator();
    m_backgroundBar->addButton(
        QStringLiteral("editor_add_text"), QStringLiteral("Add text"), [this] { m_model->addText(); });
    addPanelButton(
        m_backgroundBar, QStringLiteral("editor_add_graphic"), QStringLiteral("Add graphic"), EditorPanel::GraphicsAdd);
}

void EditLogoView::placeChildren()
{
    m_toolbar->setGeometry(0, 0, width(), EditorToolbar::height);
    m_editBars->setGeometry(0, EditorToolbar::height, width(), EditBar::height);
    const int workHeight = height() - barsHeight;
    const int canvasAreaWidth = width() - panelColumnWidth;
    m_canvasHost->move(
        (canvasAreaWidth - m_canvasHost->width()) / 2, barsHeight + (workHeight - m_canvasHost->height()) / 2);
    const QRect panelColumn(canvasAreaWidth, barsHeight, panelColumnWidth, workHeight);
    for (EditorPanelHost* host : { m_fontSheets, m_graphicsSheets, m_backgroundSheets })
        host->setGeometry(panelColumn);
}

void EditLogoView::connectModel()
{
    connect(m_toolbar, &EditorToolbar::leaveClicked, this, &EditLogoView::leave);
    connect(m_toolbar, &EditorToolbar::undoClicked, m_model, &EditLogoViewModel::undo);
    connect(m_toolbar, &EditorToolbar::redoClicked, m_model, &EditLogoViewModel::redo);
    connect(m_toolbar, &EditorToolbar::saveClicked, m_model, &EditLogoViewModel::save);
    connect(m_toolbar, &EditorToolbar::exportClicked, this, [this] {
        RxBus::shared().post(EditLogoViewEvent::closeAllSheetEvent {});
        m_model->setShowExportViewSheet(true);
    });

    connect(m_model, &EditLogoViewModel::undoRedoChanged, this, &EditLogoView::updateToolbar);
    connect(m_model, &EditLogoViewModel::busyChanged, this, &EditLogoView::updateToolbar);
    connect(m_model, &EditLogoViewModel::loadFailedChanged, this, &EditLogoView::updateToolbar);
    connect(m_model, &EditLogoViewModel::selectionChanged, this, &EditLogoView::updateEditBar);
    connect(m_model, &EditLogoViewModel::busyChanged, this, &EditLogoView::updateEditBar);
    connect(m_model, &EditLogoViewModel::loadFailedChanged, this, &EditLogoView::updateEditBar);
    connect(m_model, &EditLogoViewModel::exportSheetChanged, this, &EditLogoView::setExportSheetShown);
    connect(&m_model->toast(), &EditorToast::changed, this, [this](const QString& text, bool shown) {
        if (shown)
            m_toast->showText(text);
        else
            m_toast->hideToast();
    });
    connect(m_model, &EditLogoViewModel::closeRequested, this, &EditLogoView::closeEditor);
    // A failed save keeps this design open: what was to replace it is dropped.
    connect(&m_model->saveFlow(), &EditorSaveFlow::saveFailed, this, [this] { m_afterSave = {}; });
    // The quit alert may have been answered from the main window, in front of
    // this one: the failure toast must not show where nobody sees it.
    connect(&m_model->saveFlow(), &EditorSaveFlow::quitSaveFailed, this, [this] {
        if (m_windowController)
            m_windowController->bringToFront();
    });
    updateToolbar();
    updateEditBar();
}

void EditLogoView::updateToolbar()
{
    const bool busy = m_model->isBusy();
    const bool usable = m_model->isDesignLoaded() && !busy && !m_model->isLoadingSvgFail();
    m_toolbar->undoButton()->setEnabled(m_model->canUndo() && !busy);
    m_toolbar->redoButton()->setEnabled(m_model->canRedo() && !busy);
    m_toolbar->saveButton()->setEnabled(m_model->canSave());
    m_toolbar->exportButton()->setEnabled(usable && EditorPanelFactories::hasExportSheet());
    m_toolbar->leaveButton()->setEnabled(!m_model->isSaving());
}

void EditLogoView::updateEditBar()
{
    switch (m_model->selection()) {
    case EditorSelection::None:
        m_editBars->setCurrentWidget(m_backgroundBar);
        break;
    case EditorSelection::Text:
        m_editBars->setCurrentWidget(m_textBar);
        break;
    case EditorSelection::Graphic:
        m_editBars->setCurrentWidget(m_graphicsBar);
        break;
    }
    m_editBars->setEnabled(m_model->isDesignLoaded() && !m_model->isBusy() && !m_model->isLoadingSvgFail());
}

void EditLogoView::setExportSheetShown(bool shown)
{
    if (!shown) {
        // The sheet may be closing itself from inside one of its own handlers.
        if (m_exportSheet) {
            disconnect(m_exportSheet, &QObject::destroyed, m_model, nullptr);
            m_exportSheet->hide();
            m_exportSheet->deleteLater();
            m_exportSheet = nullptr;
        }
        return;
    }
    if (m_exportSheet)
        return;
    m_exportSheet = EditorPanelFactories::createExportSheet(*m_model, this);
    if (!m_exportSheet) {
        m_model->setShowExportViewSheet(false);
        return;
    }
    m_exportSheet->setWindowFlags(Qt::Sheet | Qt::Dialog);
    m_exportSheet->setWindowModality(Qt::WindowModal);
    m_exportSheet->setAttribute(Qt::WA_DeleteOnClose, true);
    connect(m_exportSheet, &QObject::destroyed, m_model, [this] { m_model->setShowExportViewSheet(false); });
    m_exportSheet->show();
}

void EditLogoView::closeEditor()
{
    if (m_closed)
        return;
    m_closed = true;
    m_model->endSubscriptions();
    m_model->setShowExportViewSheet(false);
    m_canvasHost->detachCanvas();
    canQuitWithoutSaving = true;
    m_closingByEditor = true;
    if (m_windowController)
        m_windowController->closeWindow();
    m_closingByEditor = false;
    // Whatever replaces this editor deletes it: not while its own signal runs.
    if (std::function<void()> next = std::exchange(m_afterSave, {}))
        QTimer::singleShot(0, qApp, std::move(next));
}
