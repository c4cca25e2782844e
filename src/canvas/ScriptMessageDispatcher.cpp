#include "canvas/ScriptMessageDispatcher.h"

#include "canvas/CanvasEvents.h"
#include "core/Log.h"
#include "core/RxBus.h"

#include <nlohmann/json.hpp>
#include <utility>

namespace {

QString stringField(const nlohmann::json& object, const char* key)
{
    const auto it = object.find(key);
    if (it == object.end() || !it->is_string())
        return {};
    return QString::fromStdString(it->get<std::string>());
}

qint64 integerField(const nlohmann::json& object, const char* key)
{
    const auto it = object.find(key);
    if (it == object.end() || !it->is_number_integer())
        return 0;
    return it->get<qint64>();
}

// Handlers that need nothing of the dispatcher.
void logScriptLine(ScriptMessageDispatcher&, const QString& body)
{
    printLine(QStringLiteral("js: ") + body);
}

void postImageBase64(ScriptMessageDispatcher&, const QString& body)
{
    RxBus::shared().post(ExportViewSheetEvent::imageBase64StringEvent { body });
}

void postSelectionCleared(ScriptMessageDispatcher&, const QString&)
{
    RxBus::shared().post(EditLogoViewEvent::canvasSelectionClearedEvent {});
}

void postLoadSvgFail(ScriptMessageDispatcher&, const QString& body)
{
    printLine(QStringLiteral("loadSvgFail: ") + body);
    RxBus::shared().post(
        EditLogoViewEvent::loadSvgFail { designLoadTokenOf(parseJsonObject(body).value_or(nlohmann::json())) });
}

void postUndoRedoState(ScriptMessageDispatcher&, const nlohmann::json& body)
{
    const CanvasUndoRedoModel state = CanvasUndoRedoModel::fromJson(body);
    RxBus::shared().post(EditLogoViewEvent::undoRedoStateEvent { state.canUndo, state.canRedo });
}

void postSvgLoaded(ScriptMessageDispatcher&, const nlohmann::json& body)
{
    const CanvasSvgLoadedModel loaded = CanvasSvgLoadedModel::fromJson(body);
    printLine(QStringLiteral("svgLoadSuccess %1 x %2").arg(loaded.width).arg(loaded.height));
    RxBus::shared().post(EditLogoViewEvent::svgLoadSuccessEvent { loaded.width, loaded.height, loaded.token });
}

void logUploadedSvg(ScriptMessageDispatcher&, const nlohmann::json& body)
{
    const SvgStringModel model = SvgStringModel::fromJson(body);
    printLine(QStringLiteral("uploadSvg form = %1, %2 characters").arg(model.form).arg(model.svg.size()));
}

// The handler of a message whose body is one record, posted as one event.
template <class Event, class Model> void postRecord(ScriptMessageDispatcher&, const nlohmann::json& body)
{
    RxBus::shared().post(Event { Model::fromJson(body) });
}

} // namespace

void ScriptMessageDispatcher::noteFontRequested(
    qint64 request, const QString& family, const FontFaceStyle& face, const QString& name)
{
    m_pendingFonts.insert(request, { family, face, name });
}

void ScriptMessageDispatcher::endUnansweredFontLoad(qint64 request)
{
    if (!m_pendingFonts.contains(request))
        return;
    printLine(QStringLiteral("font load %1 not answered in time").arg(request));
    failFontLoad(request, {});
}

void ScriptMessageDispatcher::forgetFontLoads()
{
    for (const PendingFont& font : std::exchange(m_pendingFonts, {}))
        RxBus::shared().post(EditFontEvent::TextFontFamilyDownloadForgottenEvent { font.name });
}

void ScriptMessageDispatcher::dispatch(const QString& name, const QString& body)
{
    const auto route = routes().constFind(name);
    if (route == routes().constEnd()) {
        printLine(QStringLiteral("canvas message %1 not handled").arg(name));
        return;
    }
    if (route->onText) {
        route->onText(*this, body);
        return;
    }
    const std::optional<nlohmann::json> object = parseJsonObject(body);
    if (!object) {
        printLine(QStringLiteral("canvas message %1: body does not decode").arg(name));
        return;
    }
    route->onObject(*this, *object);
}

const QHash<QString, ScriptMessageDispatcher::Route>& ScriptMessageDispatcher::routes()
{
    using Self = ScriptMessageDispatcher;
    static const QHash<QString, Route> table {
        { QStringLiteral("log"), Route::text(logScriptLine) },
        { QStringLiteral("pageReady"), Route::text(&Self::onPageReady) },
        { QStringLiteral("imageBase64"), Route::text(postImageBase64) },
        { QStringLiteral("clickCanvasBlank"), Route::text(postSelectionCleared) },
        { QStringLiteral("loadFontFail"), Route::text(&Self::onLoadFontFail) },
        { QStringLiteral("loadSvgFail"), Route::text(postLoadSvgFail) },
        { QStringLiteral("getBrightnessAndSaturation"),
            Route::object(
                postRecord<EditLogoViewEvent::getBrightnessAndSaturationEvent, CanvasBrightnessAndSaturationModel>) },
        { QStringLiteral("hsltorgb"), Route::object(postRecord<EditLogoViewEvent::getHslToRgb, HslToRgbModle>) },
        { QStringLiteral("fontAttributes"),
            Route::object(postRecord<EditFontEvent::CanvasTextFormatData, CanvasTextFormatModel>) },
        { QStringLiteral("clickCanvasTextItem"),
            Route::object(postRecord<EditFontEvent::CanvasTextData, CanvasTextModel>) },
        { QStringLiteral("clickCanvasPathItem"),
            Route::object(postRecord<EditGraphicsEvent::CanvasGraphicsData, CanvasPathModel>) },
        { QStringLiteral("loadFontSuccess"), Route::object(&Self::onLoadFontSuccess) },
        { QStringLiteral("getSvgAsBase64"), Route::object(&Self::onSvgBase64) },
        { QStringLiteral("undoRedoState"), Route::object(postUndoRedoState) },
        { QStringLiteral("svgLoadSuccess"), Route::object(postSvgLoaded) },
        { QStringLiteral("uploadSvg"), Route::object(logUploadedSvg) },
    };
    return table;
}

void ScriptMessageDispatcher::onPageReady(const QString& body)
{
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
}

void ScriptMessageDispatcher::onLoadFontSuccess(const nlohmann::json& body)
{
    printLine(QStringLiteral("loadFontSuccess %1").arg(stringField(body, "family")));
    const qint64 request = integerField(body, "request");
    if (!m_pendingFonts.contains(request))
        return;
    // Every load goes to the texts it was asked for; the page leaves out a
    // text that a later load was asked for.
    const PendingFont font = m_pendingFonts.take(request);
    RxBus::shared().post(EditFontEvent::TextFontFamilyChangeEvent { font.family, font.name, true, font.face, request });
    RxBus::shared().post(EditFontEvent::TextFontFamilyDownloadSuccessEvent { font.name });
}

void ScriptMessageDispatcher::onLoadFontFail(const QString& body)
{
    printLine(QStringLiteral("loadFontFail: ") + body);
    const nlohmann::json object = parseJsonObject(body).value_or(nlohmann::json::object());
    const qint64 request = integerField(object, "request");
    // A load that has ended already (its time was up, or it was forgotten) has been told.
    if (request != 0 && !m_pendingFonts.contains(request))
        return;
    failFontLoad(request, stringField(object, "family"));
}

void ScriptMessageDispatcher::failFontLoad(qint64 request, const QString& reportedFamily)
{
    const PendingFont font = m_pendingFonts.take(request);
    const QString family = font.family.isNull() ? reportedFamily : font.family;
    RxBus::shared().post(EditFontEvent::TextFontFamilyDownloadFailEvent { family, font.name });
}

void ScriptMessageDispatcher::onSvgBase64(const nlohmann::json& body)
{
    const SvgBase64Model model = SvgBase64Model::fromJson(body);
    if (model.form == QLatin1String("EditLogoView"))
        RxBus::shared().post(EditLogoViewEvent::imagesvgBase64StringEvent { model.base64 });
    else if (model.form == QLatin1String("ExportViewForEditLogoSheet"))
        RxBus::shared().post(ExportViewForEditLogoSheetEvent::imageSvgBase64StringEvent { model.base64 });
    else
        printLine(QStringLiteral("getSvgAsBase64 for unknown form %1").arg(model.form));
}
