#pragma once

#include <QByteArray>
#include <functional>

// The program hands settings to its own child processes (the web engine's)
// through the environment: the rendering path, the pages' flags, the heap's
// tunables. The programs a user opens from here (a browser for a link, a file
// manager for an export folder) are not ours: they start with the
// environment the program was given. GUI thread only.
namespace OwnChildEnvironment {

// Sets `name` for this process and the children it starts from now on; the
// value it had before is kept for the programs the user opens.
void set(const char* name, const QByteArray& value);

// Runs `open`, which starts a program of the user's, with the environment as
// the program was given it; ours is back afterwards.
void whileUsersOwn(const std::function<void()>& open);

} // namespace OwnChildEnvironment
