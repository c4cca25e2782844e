#pragma once

// The two ways work runs later: a delayed block on the main thread (or on the
// thread pool at a given priority), and a one-second countdown on the main
// thread that runs work after a whole number of seconds.

#include "core/Reactive.h"

#include <functional>
#include <optional>

enum class QualityOfService { background, utility, defaultLevel, userInitiated, userInteractive };

// Runs `execute` once, `milliseconds` from now: on the main thread without a
// quality of service, else on the global thread pool at that priority.
void delay(int milliseconds, std::optional<QualityOfService> qos, std::function<void()> execute);
void delay(int milliseconds, std::function<void()> execute);

struct CountdownCompleted { };

// Counts down from `seconds` once a second on the main thread and emits once
// when the count reaches 0. With `immediately`, `onTick` sees `seconds` at
// once (during this call) and then seconds−1 … 0; without it, it sees
// seconds … 0 one a second. Fewer than 1 second emits on subscription.
rx::Observable<CountdownCompleted> countdown(int seconds, bool immediately, std::function<void(int)> onTick = {});

// Runs `execute` on the main thread after a countdown of `seconds`, at once
// (inside the call) when `seconds` < 1. The countdown can't be cancelled.
void after(int seconds, std::function<void()> execute);
