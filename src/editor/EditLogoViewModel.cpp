#include "editor/EditLogoViewModel.h"

#include "api/APIFactory.h"
#include "api/UploadImageHelpers.h"
#include "canvas/CanvasScripts.h"
#include "canvas/WebViewViewController.h"
#include "core/Downloads.h"
#include "core/Localization.h"
#include "core/Log.h"
#include "core/RxBus.h"
#include "editor/EditorCanvasHandlers.h"
#include "editor/EditorEvents.h"
#include "editor/EditorPanelFlags.h"
#include "editor/EditorSaveFlow.h"
#include "editor/EditorToast.h"
#include "editor/SidePanelValues.h"
#include "globals/AppGlobals.h"

#include <QPointer>
#include <QTimer>

EditLogoViewModel::EditLogoViewModel(
    QString svg, DesignId itemId, bool fromMyDesignsView, WebViewViewController* canvas, QObject* parent)
    : QObject(parent)
    , m_svg(std::move(svg))
    , m_itemId(itemId)
    , m_fromMyDesignsView(fromMyDesignsView)
    , m_canvas(canvas)
    , m_panels(new EditorPanelFlags(this))
    , m_saveFlow(new EditorSaveFlow(
          canvas, itemId, fromMyDesignsView, [this] { return canSave(); }, this))
    , m_handlers(new EditorCanvasHandlers(canvas, this))
    , m_panelValues(new SidePanelValues(this))
    , m_toast(new EditorToast(this))
    , m_loadTimer(new QTimer(this))
{
    // A freshly opened design has nothing to undo.
    canQuitWithoutSaving = true;
    connect(m_saveFlow, &EditorSaveFlow::savingChanged, this, [this] { emitBusyIfChanged(); });
    connect(m_saveFlow, &EditorSaveFlow::savedAndClosing, this, &EditLogoViewModel::closeRequested);
    m_loadTimer->setSingleShot(true);
    m_loadTimer->setInterval(defaultDesignLoadTimeoutMs);
    connect(m_loadTimer, &QTimer::timeout, this, [this] {
        if (!m_isLoading)
            return;
        printLine(QStringLiteral("the canvas did not answer the design load in time"));
        endLoad(false);
    });
    connect(m_canvas, &WebViewViewController::pageFailed, this, &EditLogoViewModel::onPageFailed);
    subscribe();
}

void EditLogoViewModel::subscribe()
{
    using namespace EditLogoViewEvent;

    subscribeEvent<closeAllSheetEvent>(m_subscriptions, [this](const closeAllSheetEvent&) { m_panels->closeAll(); });
    const auto onShow
        = [this](EditorPanel panel) { return [this, panel](const auto&) { m_panels->handleShowEvent(panel); }; };
    subscribeEvent<EditFontEvent::ShowFontColorSheetEvent>(m_subscriptions, onShow(EditorPanel::TextColor));
    subscribeEvent<EditFontEvent::ShowTextFontFamilySheetEvent>(m_subscriptions, onShow(EditorPanel::TextFontFamily));
    subscribeEvent<EditFontEvent::ShowFontSpaceSheetEvent>(m_subscriptions, onShow(EditorPanel::TextCharsSpacing));
    subscribeEvent<EditFontEvent::ShowFormatSheetEvent>(m_subscriptions, onShow(EditorPanel::TextFormat));
    subscribeEvent<EditGraphicsEvent::ShowGraphicsRotateSheet>(m_subscriptions, onShow(EditorPanel::GraphicsRotate));
    subscribeEvent<EditGraphicsEvent::ShowFlipSheetEvent>(m_subscriptions, onShow(EditorPanel::Flip));
    subscribeEvent<EditGraphicsEvent::ShowGraphicsAddSheet>(m_subscriptions, onShow(EditorPanel::GraphicsAdd));
    subscribeEvent<EditBackgroundEvent::showBackgroundColorSheet>(
        m_subscriptions, onShow(EditorPanel::BackgroundColor));

    subscribeEvent<getBrightnessAndSaturationEvent>(m_subscriptions, [this](const getBrightnessAndSaturationEvent& e) {
        m_panelValues->setCanvasBrightnessAndSaturationModel(e.canvasBrightnessAndSaturationModel);
    });
    subscribeEvent<EditFontEvent::CanvasTextData>(m_subscriptions, [this](const EditFontEvent::CanvasTextData& e) {
        // The letter-spacing sheet reads the selected text's own spacing.
        CanvasTextCharSpacingModel spacing = m_panelValues->canvasTextCharSpacingModel();
        spacing.id = e.canvasTextModel.id;
        spacing.lineHeight = e.canvasTextModel.lineHeight;
        spacing.charSpacing = e.canvasTextModel.charSpacing;
        m_panelValues->setCanvasTextCharSpacingModel(spacing);
        m_panelValues->setCanvasTextModel(e.canvasTextModel);
        setSelection(EditorSelection::Text);
    });
    subscribeEvent<EditGraphicsEvent::CanvasGraphicsData>(
        m_subscriptions, [this](const EditGraphicsEvent::CanvasGraphicsData& e) {
            m_panelValues->setCanvasPathModel(e.canvasPathModel);
            setSelection(EditorSelection::Graphic);
        });
    subscribeEvent<canvasSelectionClearedEvent>(
        m_subscriptions, [this](const canvasSelectionClearedEvent&) { setSelection(EditorSelection::None); });
    subscribeEvent<undoRedoStateEvent>(
        m_subscriptions, [this](const undoRedoStateEvent& e) { setUndoRedo(e.canUndo, e.canRedo); });
    subscribeEvent<toastEditWindowsEvent>(
        m_subscriptions, [this](const toastEditWindowsEvent& e) { m_toast->show(e.text); });
    subscribeEvent<QuitSaveLogoEvent>(m_subscriptions, [this](const QuitSaveLogoEvent&) { m_saveFlow->quitSave(); });
    // Only the answer to this editor's current load ends it: an earlier
    // load's late answer, or another download's failure, changes nothing.
    subscribeEvent<svgLoadSuccessEvent>(m_subscriptions, [this](const svgLoadSuccessEvent& e) {
        if (m_isLoading && e.token == m_loadToken)
            endLoad(true);
    });
    subscribeEvent<loadSvgFail>(m_subscriptions, [this](const loadSvgFail& e) {
        if (m_isLoading && e.token == m_loadToken)
            endLoad(false);
    });
}

void EditLogoViewModel::start()
{
    loadDesign();
    requestBackgroundPictures();
}

void EditLogoViewModel::endSubscriptions()
{
    m_loadTimer->stop();
    disconnect(m_canvas, nullptr, this, nullptr);
    m_subscriptions.dispose();
    m_saveFlow->endSubscriptions();
    m_handlers->endSubscriptions();
}

bool EditLogoViewModel::isSaving() const
{
    return m_saveFlow->isSaving();
}

void EditLogoViewModel::setDesignLoadTimeout(int milliseconds)
{
    m_loadTimer->setInterval(milliseconds);
}

void EditLogoViewModel::loadDesign()
{
    m_isDesignLoaded = false;
    m_loadToken = WebViewViewController::nextDesignLoadToken();
    setLoadFailed(false);
    setLoading(true);
    setSelection(EditorSelection::None);
    m_loadTimer->start();
    QPointer<EditLogoViewModel> self(this);
    m_canvas->loadDesign(m_svg, m_loadToken, [self, token = m_loadToken] {
        if (self && self->m_isLoading && self->m_loadToken == token)
            self->endLoad(false);
    });
}

void EditLogoViewModel::endLoad(bool loaded)
{
    m_loadTimer->stop();
    m_isDesignLoaded = loaded;
    setLoading(false);
    setLoadFailed(!loaded);
}

void EditLogoViewModel::onPageFailed()
{
    // Whatever the page showed or was loading is gone with it.
    if (m_isLoading || m_isDesignLoaded)
        endLoad(false);
}

void EditLogoViewModel::requestBackgroundPictures()
{
    getResourceBg(
        [this](const ResourceBgModel& catalogue) {
            m_backgroundCatalogue = catalogue;
            Q_EMIT backgroundCatalogueChanged();
        },
        [this] { m_toast->show(localized(QStringLiteral("Network connection failure"))); }, this);
}

void EditLogoViewModel::undo()
{
    if (m_canUndo && canEdit())
        m_canvas->evaluate(CanvasScripts::undoItem());
}

void EditLogoViewModel::redo()
{
    if (m_canRedo && canEdit())
        m_canvas->evaluate(CanvasScripts::redoItem());
}

bool EditLogoViewModel::save()
{
    return m_saveFlow->save();
}

void EditLogoViewModel::setShowExportViewSheet(bool shown)
{
    if (m_isShowExportViewSheet == shown)
        return;
    m_isShowExportViewSheet = shown;
    Q_EMIT exportSheetChanged(shown);
}

EditLogoViewModel::LeaveStep EditLogoViewModel::requestLeave()
{
    // A running save closes the window itself once it has succeeded.
    if (isSaving())
        return LeaveStep::Ignored;
    RxBus::shared().post(EditLogoViewEvent::closeAllSheetEvent {});
    if (!m_canUndo) {
        canQuitWithoutSaving = true;
        Q_EMIT closeRequested();
        return LeaveStep::CloseNow;
    }
    return LeaveStep::AskToSave;
}

void EditLogoViewModel::resolveLeave(SaveChangesChoice choice)
{
    switch (choice) {
    case SaveChangesChoice::Save:
        save();
        break;
    case SaveChangesChoice::DontSave:
        canQuitWithoutSaving = true;
        Q_EMIT closeRequested();
        break;
    case SaveChangesChoice::Cancel:
        break;
    }
}

void EditLogoViewModel::openPanel(EditorPanel panel)
{
    if (canEdit())
        m_panels->openFromEditBar(panel);
}

void EditLogoViewModel::copySelection()
{
    RxBus::shared().post(EditLogoViewEvent::closeAllSheetEvent {});
    if (canEdit())
        m_canvas->evaluate(CanvasScripts::copyItem());
}

void EditLogoViewModel::deleteSelection()
{
    RxBus::shared().post(EditLogoViewEvent::closeAllSheetEvent {});
    if (canEdit())
        m_canvas->evaluate(CanvasScripts::deleteItem());
}

void EditLogoViewModel::addText()
{
    RxBus::shared().post(EditLogoViewEvent::closeAllSheetEvent {});
    if (canEdit())
        m_canvas->evaluate(CanvasScripts::addText(localized(QStringLiteral("Text"))));
}

void EditLogoViewModel::setBackgroundPicture(const QString& url)
{
    RxBus::shared().post(EditLogoViewEvent::closeAllSheetEvent {});
    if (!canEdit())
        return;
    QPointer<EditLogoViewModel> self(this);
    const auto failed = [self] {
        if (self)
            self->m_toast->show(localized(QStringLiteral("Network connection failure")));
    };
    downloadBase64(
        url, ReplyKind::Image,
        [self, failed](const QString& base64) {
            if (!self)
                return;
            const std::optional<QString> png = thumbnailPNGBase64(base64);
            if (!png) {
                failed();
                return;
            }
            self->m_canvas->evaluate(CanvasScripts::setCanvasBKGroundImage(*png));
        },
        failed);
}

void EditLogoViewModel::retryLoad()
{
    if (!m_isLoadingSvgFail)
        return;
    // A page that died or stopped answering is loaded afresh first; the
    // design load waits for it.
    m_canvas->reloadPage();
    loadDesign();
}

void EditLogoViewModel::setLoading(bool loading)
{
    if (m_isLoading != loading) {
        m_isLoading = loading;
        Q_EMIT loadingChanged(loading);
    }
    emitBusyIfChanged();
}

void EditLogoViewModel::setLoadFailed(bool failed)
{
    if (m_isLoadingSvgFail == failed)
        return;
    m_isLoadingSvgFail = failed;
    Q_EMIT loadFailedChanged(failed);
}

void EditLogoViewModel::setSelection(EditorSelection selection)
{
    if (m_selection == selection)
        return;
    m_selection = selection;
    Q_EMIT selectionChanged(selection);
}

void EditLogoViewModel::setUndoRedo(bool canUndo, bool canRedo)
{
    // The page reports after every recorded change: each report says whether
    // anything is unsaved, also while Undo stays lit across a save.
    canQuitWithoutSaving = !canUndo;
    if (m_canUndo == canUndo && m_canRedo == canRedo)
        return;
    m_canUndo = canUndo;
    m_canRedo = canRedo;
    Q_EMIT undoRedoChanged(canUndo, canRedo);
}

void EditLogoViewModel::emitBusyIfChanged()
{
    const bool busy = isBusy();
    if (busy == m_lastBusy)
        return;
    m_lastBusy = busy;
    Q_EMIT busyChanged(busy);
}
