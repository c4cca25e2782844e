#include "app/ToastPresenter.h"

#include "components/ToastView.h"
#include "globals/AppGlobals.h"

ToastPresenter::ToastPresenter(ToastView* view, QObject* parent)
    : QObject(parent)
    , m_view(view)
{
    m_hideTimer.setSingleShot(true);
    m_hideTimer.setInterval(std::chrono::seconds(toastDuration));
    connect(&m_hideTimer, &QTimer::timeout, this, &ToastPresenter::hide);
}

void ToastPresenter::show(const QString& text)
{
    m_view->showText(text);
    m_view->raise();
    m_showing = true;
    m_hideTimer.start();
}

QString ToastPresenter::text() const
{
    return m_view->text();
}

void ToastPresenter::hide()
{
    m_view->hideToast();
    m_showing = false;
}
