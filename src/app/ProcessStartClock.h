#pragma once

#include <QtGlobal>

// Time since this process was started by the system, for start-up figures.
class ProcessStartClock {
public:
    // Milliseconds since the process started; -1 when the system can't tell.
    static qint64 elapsedMilliseconds();
};
