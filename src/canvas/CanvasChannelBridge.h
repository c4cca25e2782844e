#pragma once

// The object the page reaches over QWebChannel as "bridge".

#include "canvas/HeldDesign.h"

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <functional>

class CanvasChannelBridge : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const QString& name, const QString& body)>;
    using DesignSource = std::function<std::optional<HeldDesign::Design>(qint64 token)>;

    CanvasChannelBridge(Handler handler, DesignSource designs, QObject* parent)
        : QObject(parent)
        , m_handler(std::move(handler))
        , m_designs(std::move(designs))
    {
    }

public Q_SLOTS:
    void postMessage(const QString& name, const QString& body)
    {
        if (m_handler)
            m_handler(name, body);
    }

    // The design of the load `token`, as the page's answer callback gets it:
    // { base64, svg }, or an empty object when the host holds none for it.
    QJsonObject takeDesign(qint64 token)
    {
        const std::optional<HeldDesign::Design> design = m_designs ? m_designs(token) : std::nullopt;
        if (!design)
            return {};
        return { { QStringLiteral("base64"), design->encoding == SvgEncoding::Base64 },
            { QStringLiteral("svg"), design->svg } };
    }

private:
    Handler m_handler;
    DesignSource m_designs;
};
