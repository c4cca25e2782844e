#include "standin/ConnectionDropper.h"

#include <arpa/inet.h>
#include <cstdlib>
#include <dirent.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <vector>

namespace standin {

namespace {

int portOf(const sockaddr_storage& address)
{
    if (address.ss_family == AF_INET)
        return ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
    if (address.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
    return -1;
}

std::vector<int> openDescriptors()
{
    std::vector<int> descriptors;
    DIR* folder = opendir("/proc/self/fd");
    if (!folder)
        return descriptors;
    while (const dirent* entry = readdir(folder))
        if (entry->d_name[0] != '.')
            descriptors.push_back(std::atoi(entry->d_name));
    closedir(folder);
    return descriptors;
}

} // namespace

void ConnectionDropper::shutdownMatching(int localPort, int peerPort)
{
    for (const int fd : openDescriptors()) {
        sockaddr_storage local {};
        sockaddr_storage peer {};
        socklen_t localLength = sizeof local;
        socklen_t peerLength = sizeof peer;
        if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localLength) != 0
            || getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peerLength) != 0)
            continue;
        if (portOf(local) == localPort && (peerPort < 0 || portOf(peer) == peerPort))
            ::shutdown(fd, SHUT_RDWR);
    }
}

void ConnectionDropper::drop(int localPort, int peerPort)
{
    if (localPort > 0 && peerPort > 0)
        shutdownMatching(localPort, peerPort);
}

void ConnectionDropper::dropAll(int localPort)
{
    if (localPort > 0)
        shutdownMatching(localPort, -1);
}

} // namespace standin
