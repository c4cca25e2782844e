#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QUrl>
#include <chrono>
#include <functional>
#include <optional>

// The program hands settings to its own child processes (the web engine's)
// through the environment: the rendering path, the pages' flags, the heap's
// tunables. The programs a user opens from here (a browser for a link, a file
// manager for an export folder) are not ours: they start with the
// environment the program was given.
namespace OwnChildEnvironment {

// Sets `name` for this process and the children it starts from now on; the
// value it had before is kept for the programs the user opens. Only before
// any thread starts: setenv() beside getenv() on another thread is a data race.
void set(const char* name, const QByteArray& value);

// Opens `url` (a web address, or a local folder) in the user's program for it,
// started with the environment the program was given, in a session of its
// own: it lives on when this program ends. `answer` hears false when neither
// xdg-open nor Qt's opener could be started, or when xdg-open ends with a
// failure within the verdict delay; true when it succeeds, or still runs
// then (it may wait for the browser it started).
void openInUsersProgram(const QUrl& url, std::function<void(bool opened)> answer = {});

// Tests give the user's programs an environment of their own (and xdg-open is
// looked up on its PATH), leaving this process's untouched; none restores the
// one the program was given.
void setUsersEnvironment(std::optional<QProcessEnvironment> environment);

// How long xdg-open has to fail before it counts as having opened the page.
std::chrono::milliseconds openerVerdictDelay();
void setOpenerVerdictDelay(std::chrono::milliseconds delay);

} // namespace OwnChildEnvironment
