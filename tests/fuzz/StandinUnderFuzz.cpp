#include "StandinUnderFuzz.h"

#include "FuzzEnvironment.h"
#include "core/Configs.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int inputsPerServer = 1000;
constexpr int templateCount = 12;

bool isApiPath(const std::string& path)
{
    return path.rfind("/index.php", 0) == 0 || path.rfind("/update/index.php", 0) == 0;
}

// A property of a system call: when it is broken, the report says what the
// system answered (errno as it is when this is called).
void requireOfSystem(bool holds, const char* property)
{
    if (holds)
        return;
    const int error = errno;
    requireThat(false, (std::string(property) + ": " + std::strerror(error)).c_str());
}

// A connect that a signal interrupted (libFuzzer's time-out alarm comes
// without SA_RESTART) goes on in the kernel: wait until the socket can be
// written, then take the connection's own result. False with errno set when
// the connection failed.
bool finishInterruptedConnect(int fd)
{
    pollfd writable { fd, POLLOUT, 0 };
    for (;;) {
        // No limit of its own, as the blocking connect it continues.
        const int ready = poll(&writable, 1, -1);
        if (ready > 0)
            break;
        if (ready < 0 && errno != EINTR)
            return false;
    }
    int error = 0;
    socklen_t length = sizeof error;
    if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
        return false;
    errno = error;
    return error == 0;
}

// Connects `fd` to `address`, a blocking socket; false with errno set when it can't.
bool connectTo(int fd, const sockaddr_in& address)
{
    for (int attempt = 0;; ++attempt) {
        if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return true;
        switch (errno) {
        case EISCONN: // a repeated connect finds the connection made
            return true;
        case EINTR:
            return finishInterruptedConnect(fd);
        case EADDRNOTAVAIL:
            // Thousands of exchanges a second leave every local port in
            // TIME_WAIT for a while: a connect that finds none free waits for
            // one rather than counting against the stand-in.
            if (attempt >= 200)
                return false;
            usleep(10000);
            break;
        default:
            return false;
        }
    }
}

} // namespace

StandinUnderFuzz& StandinUnderFuzz::shared()
{
    static StandinUnderFuzz instance;
    return instance;
}

void StandinUnderFuzz::restart()
{
    m_client.reset();
    m_server.reset();
    m_server = std::make_unique<standin::StandinServer>(standin::Options { "", templateCount });
    requireThat(m_server->start(0) > 0, "the stand-in listens on loopback");
    m_client = std::make_unique<httplib::Client>("127.0.0.1", m_server->port());
    m_client->set_keep_alive(true);
    m_client->set_tcp_nodelay(true);
    m_client->set_read_timeout(10, 0);
    // Requests built by the client's own operation table go to this server.
    Configs::Network::apiBaseURL = QString::fromStdString(m_server->apiBase());
    Configs::Network::updateBaseURL = QString::fromStdString(m_server->updateBase());
}

standin::StandinServer& StandinUnderFuzz::serverForNextInput()
{
    if (!m_server || ++m_inputs % inputsPerServer == 0)
        restart();
    m_server->clearRequests();
    return *m_server;
}

std::string StandinUnderFuzz::exchangeRaw(const std::string& bytes) const
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    requireOfSystem(fd >= 0, "a socket can be opened");
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(m_server->port()));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    requireOfSystem(connectTo(fd, address), "the stand-in accepts");
    const timeval timeout { 10, 0 };
    requireOfSystem(setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout) == 0
            && setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout) == 0,
        "the socket takes a 10 s time-out");
    for (size_t sent = 0; sent < bytes.size();) {
        const ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue; // libFuzzer's time-out alarm
        if (n <= 0)
            break; // the server may close early on a request it refuses
        sent += static_cast<size_t>(n);
    }
    shutdown(fd, SHUT_WR);
    std::string reply;
    char buffer[16 * 1024];
    for (;;) {
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n == 0)
            break;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            requireOfSystem(errno != EAGAIN && errno != EWOULDBLOCK, "the stand-in answers or closes within 10 s");
            break; // reset by the server
        }
        reply.append(buffer, static_cast<size_t>(n));
    }
    close(fd);
    return reply;
}

void StandinUnderFuzz::checkReply(const std::string& path, const httplib::Result& result)
{
    requireThat(static_cast<bool>(result), "the stand-in answers every well-formed request");
    requireThat(result->status != 500, "no handler fails with an exception");
    if (result->status == 200 && isApiPath(path)) {
        requireThat(!nlohmann::json::parse(result->body, nullptr, false).is_discarded(), "API replies are JSON");
    }
}

void StandinUnderFuzz::checkRawReply(const std::string& reply)
{
    requireThat(reply.find("HTTP/1.1 500 ") == std::string::npos, "no handler fails with an exception");
}
