#pragma once

// Turns the page's script messages into bus events. A body that does not
// decode posts nothing.

#include <QHash>
#include <QString>

#include <functional>

class ScriptMessageDispatcher {
public:
    // Called on "pageReady".
    void setPageReadyHandler(std::function<void()> handler) { m_onPageReady = std::move(handler); }

    // The family most recently asked for; only its success applies the family.
    void noteFontRequested(const QString& family) { m_latestFontFamily = family; }
    void setPendingFontName(const QString& family, const QString& name);

    void dispatch(const QString& name, const QString& body);

private:
    void onLoadFontSuccess(const QString& body);
    void onSvgBase64(const QString& body);

    std::function<void()> m_onPageReady;
    QHash<QString, QString> m_pendingFontNames;
    QString m_latestFontFamily;
};
