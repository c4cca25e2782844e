#pragma once

// Turns the page's script messages into bus events. A body that does not
// decode posts nothing.

#include "canvas/CanvasModels.h"
#include "canvas/FontFaceStyle.h"

#include <QHash>
#include <QString>
#include <functional>
#include <nlohmann/json_fwd.hpp>

class ScriptMessageDispatcher {
public:
    // Called on "pageReady" with whether the page's canvas scripts started.
    void setPageReadyHandler(std::function<void(bool canvasStarted)> handler) { m_onPageReady = std::move(handler); }

    // A font load asked for under `request`: the family and face it loads,
    // and the catalogue row its answer reports (empty for a shipped font).
    void noteFontRequested(qint64 request, const QString& family, const FontFaceStyle& face, const QString& name);
    // A font load still unanswered when its time is up ends as a failed one;
    // the page's answer, should it come, changes nothing.
    void endUnansweredFontLoad(qint64 request);
    // The canvas is cleared or a design loaded: every pending font load is
    // forgotten and changes nothing when its font arrives.
    void forgetFontLoads();

    void dispatch(const QString& name, const QString& body);

private:
    // One message's handler: either it takes the body as sent, or it needs
    // the body as a JSON object and is not called when it does not decode.
    struct Route {
        using TextHandler = std::function<void(ScriptMessageDispatcher&, const QString& body)>;
        using ObjectHandler = std::function<void(ScriptMessageDispatcher&, const nlohmann::json& body)>;
        static Route text(TextHandler handler) { return { std::move(handler), {} }; }
        static Route object(ObjectHandler handler) { return { {}, std::move(handler) }; }

        TextHandler onText;
        ObjectHandler onObject;
    };
    static const QHash<QString, Route>& routes();

    void onPageReady(const QString& body);
    void onLoadFontSuccess(const nlohmann::json& body);
    void onLoadFontFail(const QString& body);
    void failFontLoad(qint64 request, const QString& reportedFamily);
    void onSvgBase64(const nlohmann::json& body);

    struct PendingFont {
        QString family;
        FontFaceStyle face;
        QString name;
    };

    std::function<void(bool)> m_onPageReady;
    QHash<qint64, PendingFont> m_pendingFonts;
};
