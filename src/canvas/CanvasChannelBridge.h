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

    // Sends the page the design of the load `token` ahead of the call that
    // loads it, so that the load need not wait for a busy host to answer.
    void offerDesign(qint64 token, const HeldDesign::Design& design) { Q_EMIT designOffered(asJson(token, design)); }

public Q_SLOTS:
    void postMessage(const QString& name, const QString& body)
    {
        if (m_handler)
            m_handler(name, body);
    }

    // The design of the load `token`, as the page's answer callback gets it:
    // { token, base64, svg }, or an empty object when the host holds none for
    // it.
    QJsonObject takeDesign(qint64 token)
    {
        const std::optional<HeldDesign::Design> design = m_designs ? m_designs(token) : std::nullopt;
        return design ? asJson(token, *design) : QJsonObject();
    }

    // The page took the offered design of the load `token`.
    void designTaken(qint64 token)
    {
        if (m_designs)
            m_designs(token);
    }

Q_SIGNALS:
    void designOffered(const QJsonObject& design);

private:
    static QJsonObject asJson(qint64 token, const HeldDesign::Design& design)
    {
        return { { QStringLiteral("token"), token },
            { QStringLiteral("base64"), design.encoding == SvgEncoding::Base64 },
            { QStringLiteral("svg"), design.svg } };
    }

    Handler m_handler;
    DesignSource m_designs;
};
