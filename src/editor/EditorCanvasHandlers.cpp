#include "editor/EditorCanvasHandlers.h"

#include "canvas/CanvasScripts.h"
#include "canvas/WebViewViewController.h"
#include "core/Downloads.h"
#include "core/Localization.h"
#include "core/Log.h"
#include "core/RxBus.h"
#include "editor/EditorEvents.h"
#include "editor/LocalFontPath.h"

#include <QPointer>

EditorCanvasHandlers::EditorCanvasHandlers(WebViewViewController* canvas, QObject* parent)
    : QObject(parent)
    , m_canvas(canvas)
{
    subscribe();
}

void EditorCanvasHandlers::subscribe()
{
    using namespace EditFontEvent;
    using namespace EditGraphicsEvent;
    using namespace EditBackgroundEvent;

    subscribeEvent<ColorChangeEvent>(m_subscriptions,
        [this](const ColorChangeEvent& e) { m_canvas->evaluate(CanvasScripts::setObjColor(e.color)); });
    subscribeEvent<ColorStringChangeEvent>(m_subscriptions,
        [this](const ColorStringChangeEvent& e) { m_canvas->evaluate(CanvasScripts::setObjColorString(e.color)); });
    subscribeEvent<BrightnessChangeEvent>(m_subscriptions, [this](const BrightnessChangeEvent& e) {
        m_canvas->evaluate(CanvasScripts::setActiveBrightness(e.brightness, e.isAddToUndo));
    });
    subscribeEvent<SaturationChangeEvent>(m_subscriptions, [this](const SaturationChangeEvent& e) {
        m_canvas->evaluate(CanvasScripts::setActiveSaturation(static_cast<int>(e.saturation), e.isAddToUndo));
    });
    subscribeEvent<OpacityChangeEvent>(m_subscriptions, [this](const OpacityChangeEvent& e) {
        m_canvas->evaluate(CanvasScripts::setObjOpacity(e.opacity, e.isAddToUndo));
    });
    subscribeEvent<FontSpaceSheetChangeEvent>(m_subscriptions, [this](const FontSpaceSheetChangeEvent& e) {
        printLine(QStringLiteral("设置文字间距 = %1").arg(e.space));
        m_canvas->evaluate(CanvasScripts::charSpacing(e.space, e.isAddToUndo));
    });
    subscribeEvent<GraphicsRotateChangeEvent>(m_subscriptions, [this](const GraphicsRotateChangeEvent& e) {
        m_canvas->evaluate(CanvasScripts::changeRotate(e.rotate, e.isAddToUndo));
    });
    subscribeEvent<FlipSheetHorizontalEvent>(
        m_subscriptions, [this](const FlipSheetHorizontalEvent&) { m_canvas->evaluate(CanvasScripts::setFlipObjX()); });
    subscribeEvent<FlipSheetVerticalEvent>(
        m_subscriptions, [this](const FlipSheetVerticalEvent&) { m_canvas->evaluate(CanvasScripts::setFlipObjY()); });
    subscribeEvent<setBackgroundColorEvent>(m_subscriptions, [this](const setBackgroundColorEvent& e) {
        m_canvas->evaluate(CanvasScripts::setCanvasBKGroundColor(e.backgroundColor));
    });
    // A row's file is the face its name gives: the page registers it as that
    // face of the family, and the texts get the family and that face.
    subscribeEvent<TextFontFamilyChangeEvent>(m_subscriptions, [this](const TextFontFamilyChangeEvent& e) {
        if (e.isLoadFont) {
            m_canvas->evaluate(CanvasScripts::setTextFontFamily(e.family, e.face, e.request));
            return;
        }
        const QString path = registerLocalFontReturningPath(e.fontName);
        if (path.isEmpty()) {
            printLine(QStringLiteral("No shipped font file for ") + e.fontName);
            return;
        }
        m_canvas->loadFont(e.family, path, FontFaceStyle::ofRow(e.fontName, e.family));
    });
    subscribeEvent<TextFontFamilyDownloadEvent>(m_subscriptions, [this](const TextFontFamilyDownloadEvent& e) {
        m_canvas->loadFont(e.family, e.url, FontFaceStyle::ofRow(e.fontName, e.family), e.fontName);
    });
    subscribeEvent<GraphicsAddEvent>(m_subscriptions, [this](const GraphicsAddEvent& e) { addGraphic(e.svgUrl); });
}

void EditorCanvasHandlers::addGraphic(const QString& svgUrl)
{
    QPointer<EditorCanvasHandlers> self(this);
    downloadBase64(
        svgUrl, ReplyKind::DesignFile,
        [self](const QString& base64) {
            if (self)
                self->m_canvas->evaluate(CanvasScripts::addSvgBase64(base64));
        },
        [self] {
            // A failed graphic keeps the canvas as it is; only the design's
            // own load shows the failure view.
            if (self)
                RxBus::shared().post(EditLogoViewEvent::toastEditWindowsEvent {
                    localized(QStringLiteral("Network connection failure")) });
        });
}
