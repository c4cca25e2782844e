#pragma once

#include <functional>
#include <memory>

// A leading-edge throttle: the first call of a window runs its action at
// once, every further call until the window closes is dropped (never run
// later). It re-arms from the event loop, `interval` seconds after the call
// that ran; the pending re-arm keeps the throttle alive. Main thread only.
class Throttle : public std::enable_shared_from_this<Throttle> {
public:
    static std::shared_ptr<Throttle> create(double interval);

    bool isReady() const { return m_isReady; }
    double interval() const { return m_interval; }

    // Runs `action` now when the throttle is ready; drops it otherwise.
    // Returns whether it ran.
    bool throttle(const std::function<void()>& action);

private:
    explicit Throttle(double interval);

    bool m_isReady = true;
    const double m_interval;
};
