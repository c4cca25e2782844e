#pragma once

// Defaults shared by every reply record: identity, the message text used
// when a reply carries none, and the line each default construction prints.
// Records decode on pool threads, so all of these are safe on any thread;
// the string table behind the message text is loaded on the main thread
// first (the network client does that when it is created).

#include <QString>

namespace RecordDefaults {

// A fresh random UUID in upper-case 8-4-4-4-12 form.
QString freshUUID();

// The localised text of "Network_errorCode_null".
QString missingMessageText();

// Every record built from its defaults writes one empty line to standard output.
void announceConstruction();

} // namespace RecordDefaults
