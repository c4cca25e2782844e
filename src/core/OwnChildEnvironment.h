#pragma once

#include <QByteArray>
#include <QUrl>

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
// started with the environment the program was given. Returns whether a
// program could be started: false when neither xdg-open nor Qt's opener
// found one. What the started program then does is not waited for.
bool openInUsersProgram(const QUrl& url);

} // namespace OwnChildEnvironment
