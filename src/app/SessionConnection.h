#pragma once

// The desktop's session manager talks to the program over an ICE connection
// that Qt's X11 platform opens. When that connection breaks (the session
// manager crashed), libICE's default answer ends the process at once, unsaved
// work and all; Qt installs no answer of its own.
namespace SessionConnection {

// The program runs on once the connection has broken, its unsaved work
// kept, without watching the dead connection. Call before the application
// object, which opens the connection.
void outliveTheSessionManager();

} // namespace SessionConnection
