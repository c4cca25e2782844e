#include "editor/EditorToast.h"

#include "globals/AppGlobals.h"

#include <QTimer>

EditorToast::EditorToast(QObject* parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(std::chrono::seconds(toastDuration));
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_shown = false;
        Q_EMIT changed(m_text, false);
    });
}

std::chrono::milliseconds EditorToast::timeout() const
{
    return m_timer->intervalAsDuration();
}

void EditorToast::setTimeout(std::chrono::milliseconds timeout)
{
    m_timer->setInterval(timeout);
}

void EditorToast::show(const QString& text)
{
    m_text = text;
    m_shown = true;
    m_timer->start();
    Q_EMIT changed(text, true);
}
