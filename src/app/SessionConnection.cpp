#include "app/SessionConnection.h"

#ifdef TESSALY_SESSION_ICE

#include "core/Log.h"

#include <X11/ICE/ICElib.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The read end of a pipe whose write end stays open and is never written:
// it never becomes readable. Both ends live as long as the program.
int neverReadable()
{
    static const int end = [] {
        int ends[2];
        return ::pipe2(ends, O_CLOEXEC) == 0 ? ends[0] : -1;
    }();
    return end;
}

void runOn(IceConn connection)
{
    // Qt watches the connection's descriptor and hands each wake to libICE,
    // which reads no more from a broken connection: the closed socket would
    // stay readable and the program spin. Closing the descriptor here is no
    // way out, as Qt closes it again at exit (another file's by then); so the
    // descriptor now names a pipe that stays silent, and Qt's own close at
    // exit closes that.
    const int descriptor = IceConnectionNumber(connection);
    const int silent = neverReadable();
    if (descriptor >= 0 && silent >= 0)
        ::dup3(silent, descriptor, O_CLOEXEC);
    printLine(QStringLiteral("The session manager's connection broke; the program runs on without it"));
}

} // namespace

void SessionConnection::outliveTheSessionManager()
{
    IceSetIOErrorHandler(&runOn);
}

#else

// Without X11 there is no session connection to lose.
void SessionConnection::outliveTheSessionManager() { }

#endif
