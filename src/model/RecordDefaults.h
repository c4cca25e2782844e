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

// While one lives on a thread, the records constructed there leave their
// identity pending (a marker, until `assignIdentity` gives it) and count
// their empty lines instead of writing each, so that a decoder makes an
// identity only for a record whose reply has none, and writes a reply's
// lines at once. Lines not committed are dropped: a reply that fails to
// decode prints none, as if no record had been built.
class DeferredDefaults {
public:
    DeferredDefaults();
    ~DeferredDefaults();
    DeferredDefaults(const DeferredDefaults&) = delete;
    DeferredDefaults& operator=(const DeferredDefaults&) = delete;

    // Ends the deferral on this thread: later records get their identity at once.
    void stop();
    // Writes every counted line in one write; at most once.
    void commit();

private:
    DeferredDefaults* m_outer = nullptr;
    qsizetype m_lines = 0;
    bool m_active = true;
    bool m_committed = false;

    friend QString freshUUID();
    friend void announceConstruction();
};

// Gives `id` a fresh UUID when it still holds the pending marker.
void assignIdentity(QString& id);

} // namespace RecordDefaults
