#include "canvas/ScriptMessageDispatcher.h"

#include "canvas/CanvasEvents.h"
#include "core/Log.h"
#include "core/RxBus.h"

#include <nlohmann/json.hpp>

namespace {

QString stringField(const nlohmann::json& object, const char* key)
{
    const auto it = object.find(key);
    if (it == object.end() || !it->is_string())
        return {};
    return QString::fromStdString(it->get<std::string>());
}

} // namespace

void ScriptMessageDispatcher::setPendingFontName(const QString& family, const QString& name)
{
    m_pendingFontNames.insert(family, name);
}

void ScriptMessageDispatcher::dispatch(const QString& name, const QString& body)
{
    RxBus& bus = RxBus::shared();
    if (name == QLatin1String("log")) {
        printLine(QStringLiteral("js: ") + body);
        return;
    }
    if (name == QLatin1String("pageReady")) {
        bool canvasStarted = true;
        if (const std::optional<nlohmann::json> object = parseJsonObject(body)) {
            const auto it = object->find("canvas");
            if (it != object->end() && it->is_boolean())
                canvasStarted = it->get<bool>();
        }
        printLine(canvasStarted ? QStringLiteral("canvas page ready")
                                : QStringLiteral("canvas page loaded, but its scripts did not start"));
        if (m_onPageReady)
            m_onPageReady(canvasStarted);
        return;
    }
    if (name == QLatin1String("imageBase64")) {
        bus.post(ExportViewSheetEvent::imageBase64StringEvent { body });
        return;
    }
    if (name == QLatin1String("clickCanvasBlank")) {
        bus.post(EditLogoViewEvent::canvasSelectionClearedEvent {});
        return;
    }
    if (name == QLatin1String("loadFontFail")) {
        printLine(QStringLiteral("loadFontFail: ") + body);
        const QString family = stringField(parseJsonObject(body).value_or(nlohmann::json::object()), "family");
        bus.post(EditFontEvent::TextFontFamilyDownloadFailEvent { family, m_pendingFontNames.take(family) });
        return;
    }
    if (name == QLatin1String("loadSvgFail")) {
        printLine(QStringLiteral("loadSvgFail: ") + body);
        bus.post(
            EditLogoViewEvent::loadSvgFail { designLoadTokenOf(parseJsonObject(body).value_or(nlohmann::json())) });
        return;
    }

    const std::optional<nlohmann::json> object = parseJsonObject(body);
    if (!object) {
        printLine(QStringLiteral("canvas message %1: body does not decode").arg(name));
        return;
    }
    if (name == QLatin1String("getBrightnessAndSaturation")) {
        bus.post(EditLogoViewEvent::getBrightnessAndSaturationEvent {
            CanvasBrightnessAndSaturationModel::fromJson(*object) });
    } else if (name == QLatin1String("hsltorgb")) {
        bus.post(EditLogoViewEvent::getHslToRgb { HslToRgbModle::fromJson(*object) });
    } else if (name == QLatin1String("fontAttributes")) {
        bus.post(EditFontEvent::CanvasTextFormatData { CanvasTextFormatModel::fromJson(*object) });
    } else if (name == QLatin1String("loadFontSuccess")) {
        onLoadFontSuccess(*object);
    } else if (name == QLatin1String("getSvgAsBase64")) {
        onSvgBase64(SvgBase64Model::fromJson(*object));
    } else if (name == QLatin1String("clickCanvasTextItem")) {
        bus.post(EditFontEvent::CanvasTextData { CanvasTextModel::fromJson(*object) });
    } else if (name == QLatin1String("clickCanvasPathItem")) {
        bus.post(EditGraphicsEvent::CanvasGraphicsData { CanvasPathModel::fromJson(*object) });
    } else if (name == QLatin1String("undoRedoState")) {
        const CanvasUndoRedoModel state = CanvasUndoRedoModel::fromJson(*object);
        bus.post(EditLogoViewEvent::undoRedoStateEvent { state.canUndo, state.canRedo });
    } else if (name == QLatin1String("svgLoadSuccess")) {
        const CanvasSvgLoadedModel loaded = CanvasSvgLoadedModel::fromJson(*object);
        printLine(QStringLiteral("svgLoadSuccess %1 x %2").arg(loaded.width).arg(loaded.height));
        bus.post(EditLogoViewEvent::svgLoadSuccessEvent { loaded.width, loaded.height, loaded.token });
    } else if (name == QLatin1String("uploadSvg")) {
        const SvgStringModel model = SvgStringModel::fromJson(*object);
        printLine(QStringLiteral("uploadSvg form = %1, %2 characters").arg(model.form).arg(model.svg.size()));
    } else {
        printLine(QStringLiteral("canvas message %1 not handled").arg(name));
    }
}

void ScriptMessageDispatcher::onLoadFontSuccess(const nlohmann::json& body)
{
    const QString family = stringField(body, "family");
    const QString pendingName = m_pendingFontNames.take(family);
    printLine(QStringLiteral("loadFontSuccess %1").arg(family));
    // A font that finishes after a later request only clears its own row;
    // the family of the latest request is the one the text gets.
    if (m_latestFontFamily.isNull() || family == m_latestFontFamily)
        RxBus::shared().post(EditFontEvent::TextFontFamilyChangeEvent { family, pendingName, true });
    RxBus::shared().post(EditFontEvent::TextFontFamilyDownloadSuccessEvent { pendingName });
}

void ScriptMessageDispatcher::onSvgBase64(const SvgBase64Model& model)
{
    if (model.form == QLatin1String("EditLogoView"))
        RxBus::shared().post(EditLogoViewEvent::imagesvgBase64StringEvent { model.base64 });
    else if (model.form == QLatin1String("ExportViewForEditLogoSheet"))
        RxBus::shared().post(ExportViewForEditLogoSheetEvent::imageSvgBase64StringEvent { model.base64 });
    else
        printLine(QStringLiteral("getSvgAsBase64 for unknown form %1").arg(model.form));
}
