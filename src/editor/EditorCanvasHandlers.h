#pragma once

#include "core/Reactive.h"

#include <QObject>

class WebViewViewController;

// Turns each change event of the side panels into exactly one canvas call.
// Subscribed once per instance; the subscriptions end with it.
class EditorCanvasHandlers : public QObject {
    Q_OBJECT
public:
    EditorCanvasHandlers(WebViewViewController* canvas, QObject* parent);

    void endSubscriptions() { m_subscriptions.dispose(); }

private:
    void subscribe();
    void addGraphic(const QString& svgUrl);

    WebViewViewController* m_canvas;
    rx::DisposeBag m_subscriptions;
};
