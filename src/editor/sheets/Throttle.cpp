#include "editor/sheets/Throttle.h"

#include <QTimer>
#include <cmath>

std::shared_ptr<Throttle> Throttle::create(double interval)
{
    return std::shared_ptr<Throttle>(new Throttle(interval));
}

Throttle::Throttle(double interval)
    : m_interval(interval)
{
}

bool Throttle::throttle(const std::function<void()>& action)
{
    if (!m_isReady)
        return false;
    m_isReady = false;
    action();
    const int ms = std::isfinite(m_interval) && m_interval > 0 ? static_cast<int>(std::lround(m_interval * 1000)) : 0;
    QTimer::singleShot(ms, [self = shared_from_this()] { self->m_isReady = true; });
    return true;
}
