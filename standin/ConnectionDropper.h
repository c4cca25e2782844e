#pragma once

namespace standin {

// Closes the server's side of loopback connections without a reply.
// cpp-httplib gives handlers no access to their socket, so the socket is
// found among the process's descriptors by its two port numbers.
class ConnectionDropper {
public:
    // The connection served on `localPort` to the client's `peerPort`.
    static void drop(int localPort, int peerPort);
    // Every connection served on `localPort`, so idle keep-alive
    // connections do not hold up a stop.
    static void dropAll(int localPort);

private:
    static void shutdownMatching(int localPort, int peerPort);
};

} // namespace standin
