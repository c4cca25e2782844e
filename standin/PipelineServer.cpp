#include "standin/PipelineServer.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace standin {

namespace {

// Waits up to `timeout` until the socket can be read from (or written to).
bool ready(int socket, short events, std::chrono::milliseconds timeout)
{
    pollfd descriptor { socket, events, 0 };
    int result = 0;
    do {
        result = ::poll(&descriptor, 1, static_cast<int>(timeout.count()));
    } while (result < 0 && errno == EINTR);
    return result > 0;
}

bool describe(const sockaddr_storage& address, std::string& ip, int& port)
{
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET) {
        const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
        port = ntohs(v4.sin_port);
        ip = ::inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text) ? text : "";
        return true;
    }
    if (address.ss_family == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
        port = ntohs(v6.sin6_port);
        ip = ::inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text) ? text : "";
        return true;
    }
    return false;
}

// One connection's stream: what was read past one request stays for the next.
class ConnectionStream final : public httplib::Stream {
public:
    ConnectionStream(int socket, std::chrono::milliseconds readTimeout, std::chrono::milliseconds writeTimeout)
        : m_socket(socket)
        , m_readTimeout(readTimeout)
        , m_writeTimeout(writeTimeout)
        , m_buffer(CPPHTTPLIB_RECV_BUFSIZ)
    {
    }

    bool hasBufferedBytes() const { return m_offset < m_size; }

    bool is_readable() const override { return hasBufferedBytes() || ready(m_socket, POLLIN, m_readTimeout); }
    bool is_writable() const override { return ready(m_socket, POLLOUT, m_writeTimeout); }

    ssize_t read(char* data, size_t size) override
    {
        if (!hasBufferedBytes()) {
            if (!ready(m_socket, POLLIN, m_readTimeout))
                return -1;
            ssize_t received = 0;
            do {
                received = ::recv(m_socket, m_buffer.data(), m_buffer.size(), 0);
            } while (received < 0 && errno == EINTR);
            if (received <= 0)
                return received;
            m_offset = 0;
            m_size = static_cast<size_t>(received);
        }
        const size_t count = std::min(size, m_size - m_offset);
        std::copy_n(m_buffer.data() + m_offset, count, data);
        m_offset += count;
        return static_cast<ssize_t>(count);
    }

    ssize_t write(const char* data, size_t size) override
    {
        if (!is_writable())
            return -1;
        ssize_t sent = 0;
        do {
            sent = ::send(m_socket, data, size, MSG_NOSIGNAL);
        } while (sent < 0 && errno == EINTR);
        return sent;
    }

    void get_remote_ip_and_port(std::string& ip, int& port) const override
    {
        sockaddr_storage address {};
        socklen_t length = sizeof address;
        if (::getpeername(m_socket, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            describe(address, ip, port);
    }

    void get_local_ip_and_port(std::string& ip, int& port) const override
    {
        sockaddr_storage address {};
        socklen_t length = sizeof address;
        if (::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            describe(address, ip, port);
    }

    socket_t socket() const override { return m_socket; }

private:
    int m_socket;
    std::chrono::milliseconds m_readTimeout;
    std::chrono::milliseconds m_writeTimeout;
    std::vector<char> m_buffer;
    size_t m_offset = 0;
    size_t m_size = 0;
};

std::chrono::milliseconds duration(time_t seconds, time_t microseconds)
{
    return std::chrono::seconds(seconds)
        + std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::microseconds(microseconds));
}

} // namespace

bool PipelineServer::awaitRequest(socket_t socket) const
{
    // In short steps, so that stopping the server ends idle connections soon.
    constexpr std::chrono::milliseconds step { 50 };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(keep_alive_timeout_sec_);
    while (svr_sock_ != INVALID_SOCKET && std::chrono::steady_clock::now() < deadline) {
        if (ready(socket, POLLIN, step))
            return true;
    }
    return false;
}

bool PipelineServer::process_and_close_socket(socket_t socket)
{
    ConnectionStream stream(
        socket, duration(read_timeout_sec_, read_timeout_usec_), duration(write_timeout_sec_, write_timeout_usec_));
    bool answered = false;
    for (size_t left = keep_alive_max_count_; left > 0 && svr_sock_ != INVALID_SOCKET; --left) {
        if (!stream.hasBufferedBytes() && !awaitRequest(socket))
            break;
        bool closed = false;
        answered = process_request(stream, left == 1, closed, nullptr);
        if (!answered || closed)
            break;
    }
    ::shutdown(socket, SHUT_RDWR);
    ::close(socket);
    return answered;
}

} // namespace standin
