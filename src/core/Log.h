#pragma once

// Diagnostics are plain lines on standard output, without levels.

#include <QString>
#include <source_location>

void printLine(const QString& line);

// The debug-log entry point that failure paths call. It prints nothing on
// purpose: the places that call it keep their calls, and a developer can
// route them somewhere when needed.
template <class Message>
void debugLog(const Message& /*message*/, std::source_location /*where*/ = std::source_location::current())
{
}
