#pragma once

// The object the page reaches over QWebChannel as "bridge".

#include <QObject>
#include <QString>
#include <functional>

class CanvasChannelBridge : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const QString& name, const QString& body)>;

    CanvasChannelBridge(Handler handler, QObject* parent)
        : QObject(parent)
        , m_handler(std::move(handler))
    {
    }

public Q_SLOTS:
    void postMessage(const QString& name, const QString& body)
    {
        if (m_handler)
            m_handler(name, body);
    }

private:
    Handler m_handler;
};
