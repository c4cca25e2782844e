#pragma once

// The fixed 13-character token that generation, the picture flow, the
// back-up and the design upload send. It is never written to a log.

#include <QString>

inline QString apiToken()
{
    return QStringLiteral("tsl7Kq2Vx9mRb");
}
