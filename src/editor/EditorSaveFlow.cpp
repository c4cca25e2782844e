#include "editor/EditorSaveFlow.h"

#include "canvas/CanvasScripts.h"
#include "canvas/WebViewViewController.h"
#include "core/Localization.h"
#include "core/Log.h"
#include "core/RxBus.h"
#include "editor/EditorEvents.h"
#include "editor/SvgUploader.h"
#include "globals/AppGlobals.h"

#include <QPointer>
#include <QTimer>
#include <utility>

namespace {
const QString svgFormTag = QStringLiteral("EditLogoView");
constexpr int failureToastDelayMs = 1000;
} // namespace

EditorSaveFlow::EditorSaveFlow(WebViewViewController* canvas, DesignId itemId, bool fromMyDesignsView,
    std::function<bool()> canSave, QObject* parent)
    : QObject(parent)
    , m_canvas(canvas)
    , m_itemId(itemId)
    , m_fromMyDesignsView(fromMyDesignsView)
    , m_canSave(std::move(canSave))
    , m_pageAnswerTimer(new QTimer(this))
{
    m_pageAnswerTimer->setSingleShot(true);
    m_pageAnswerTimer->setInterval(saveSvgAnswerTimeout);
    connect(m_pageAnswerTimer, &QTimer::timeout, this, [this] {
        if (!m_awaitingSvg)
            return;
        printLine(QStringLiteral("The canvas did not hand over its SVG; the save is abandoned"));
        m_awaitingSvg = false;
        fail();
    });
    subscribe();
}

EditorSaveFlow::~EditorSaveFlow()
{
    endQuitSave();
}

void EditorSaveFlow::endSubscriptions()
{
    m_subscriptions.dispose();
    m_pageAnswerTimer->stop();
    endQuitSave();
}

void EditorSaveFlow::setPageAnswerTimeout(int milliseconds)
{
    m_pageAnswerTimer->setInterval(milliseconds);
}

void EditorSaveFlow::subscribe()
{
    subscribeEvent<EditLogoViewEvent::imagesvgBase64StringEvent>(
        m_subscriptions, [this](const EditLogoViewEvent::imagesvgBase64StringEvent& e) {
            if (!m_awaitingSvg)
                return;
            m_awaitingSvg = false;
            m_pageAnswerTimer->stop();
            upload(e.base64String);
        });
}

bool EditorSaveFlow::save()
{
    RxBus::shared().post(EditLogoViewEvent::closeAllSheetEvent {});
    if (m_isSaving || !m_canSave())
        return false;
    start(false);
    return true;
}

void EditorSaveFlow::quitSave()
{
    RxBus::shared().post(EditLogoViewEvent::closeAllSheetEvent {});
    if (m_isSaving) {
        // The running save quits once it has succeeded; no second upload.
        m_isQuitSave = true;
        return;
    }
    if (!m_canSave()) {
        // Nothing loaded, so nothing changed: let the quit go ahead.
        canQuitWithoutSaving = true;
        RxBus::shared().post(EditLogoViewEvent::QuitSaveSucceededEvent {});
        return;
    }
    start(true);
}

QString EditorSaveFlow::uploadKind() const
{
    return m_fromMyDesignsView ? QStringLiteral("design") : QStringLiteral("template");
}

void EditorSaveFlow::start(bool quit)
{
    m_isQuitSave = quit;
    m_awaitingSvg = true;
    setSaving(true);
    m_pageAnswerTimer->start();
    m_canvas->evaluate(CanvasScripts::getSvgAsBase64ForResult(svgFormTag));
}

void EditorSaveFlow::upload(const QString& base64)
{
    // The outcome comes back to this flow only; a flow that has gone (its
    // editor was replaced) leaves nothing to finish.
    QPointer<EditorSaveFlow> self(this);
    editorSvgUploader()(m_itemId.text(), base64, uploadKind(), [self](bool saved) {
        if (self)
            self->finishUpload(saved);
        if (saved)
            RxBus::shared().post(EditLogoViewUploadEvent::uploadSvgSuccess {});
        else
            RxBus::shared().post(EditLogoViewUploadEvent::uploadSvgFail {});
    });
}

void EditorSaveFlow::finishUpload(bool saved)
{
    if (saved)
        succeed();
    else
        fail();
}

void EditorSaveFlow::succeed()
{
    if (!m_isSaving || m_awaitingSvg)
        return;
    setSaving(false);
    RxBus& bus = RxBus::shared();
    bus.post(ContentViewEventBus::ToastEvent {
        localized(QStringLiteral("Your logo has been successfully created and saved to 'My Designs'.")) });
    LogoDetailViewEventBus::refreshEvent refresh;
    refresh.id = m_itemId;
    bus.post(refresh);
    bus.post(MyDesignEventBus::getDataEvent {});
    canQuitWithoutSaving = true;
    // The program hears first: closing ends this flow, and a quit-save
    // still running then would read as one that stored nothing. A quit then
    // ends the program; a session end that does not end it finds the editor
    // closed, as after any other Save.
    if (std::exchange(m_isQuitSave, false))
        bus.post(EditLogoViewEvent::QuitSaveSucceededEvent {});
    Q_EMIT savedAndClosing();
}

void EditorSaveFlow::fail()
{
    if (!m_isSaving || m_awaitingSvg)
        return;
    const bool wasQuitSave = m_isQuitSave;
    endQuitSave();
    setSaving(false);
    Q_EMIT saveFailed();
    if (wasQuitSave)
        Q_EMIT quitSaveFailed();
    QTimer::singleShot(failureToastDelayMs, this, [] {
        RxBus::shared().post(EditLogoViewEvent::toastEditWindowsEvent {
            localized(QStringLiteral("Logo creation failed. Please try again.")) });
    });
}

void EditorSaveFlow::endQuitSave()
{
    if (!std::exchange(m_isQuitSave, false))
        return;
    RxBus::shared().post(EditLogoViewEvent::QuitSaveEndedEvent {});
}

void EditorSaveFlow::setSaving(bool saving)
{
    if (m_isSaving == saving)
        return;
    m_isSaving = saving;
    Q_EMIT savingChanged(saving);
}
