#pragma once

// Turns the page's script messages into bus events. A body that does not
// decode posts nothing.

#include "canvas/CanvasModels.h"

#include <QHash>
#include <QString>
#include <functional>
#include <nlohmann/json_fwd.hpp>

class ScriptMessageDispatcher {
public:
    // Called on "pageReady" with whether the page's canvas scripts started.
    void setPageReadyHandler(std::function<void(bool canvasStarted)> handler) { m_onPageReady = std::move(handler); }

    // The family most recently asked for; only its success applies the family.
    void noteFontRequested(const QString& family) { m_latestFontFamily = family; }
    void setPendingFontName(const QString& family, const QString& name);

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
    void onSvgBase64(const nlohmann::json& body);

    std::function<void(bool)> m_onPageReady;
    QHash<QString, QString> m_pendingFontNames;
    QString m_latestFontFamily;
};
