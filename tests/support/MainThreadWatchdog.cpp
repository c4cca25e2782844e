#include "support/MainThreadWatchdog.h"

#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

MainThreadWatchdog::MainThreadWatchdog(std::chrono::seconds limit)
    : m_limit(limit)
    , m_lastPet(Clock::now())
{
    // The timer fires only while the main thread runs its event loop.
    m_petTimer.setInterval(std::chrono::seconds(1));
    QObject::connect(&m_petTimer, &QTimer::timeout, &m_petTimer, [this] { pet(); });
    m_petTimer.start();
    m_thread = std::thread([this] { watch(); });
}

MainThreadWatchdog::~MainThreadWatchdog()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void MainThreadWatchdog::pet()
{
    std::lock_guard lock(m_mutex);
    m_lastPet = Clock::now();
    m_reported = false;
}

void MainThreadWatchdog::watch()
{
    std::unique_lock lock(m_mutex);
    while (!m_wake.wait_for(lock, std::chrono::seconds(1), [this] { return m_stopping; })) {
        const auto stalled = Clock::now() - m_lastPet;
        if (m_reported || stalled < m_limit)
            continue;
        m_reported = true;
        lock.unlock();
        std::fprintf(stderr,
            "watchdog: the main thread has not come back to its event loop for %lld s; the stacks of every "
            "thread:\n",
            static_cast<long long>(std::chrono::duration_cast<std::chrono::seconds>(stalled).count()));
        printStacks();
        lock.lock();
    }
}

void MainThreadWatchdog::printStacks() const
{
    const QString gdb = QStandardPaths::findExecutable(QStringLiteral("gdb"));
    if (gdb.isEmpty()) {
        std::fprintf(stderr, "watchdog: no gdb to print them with\n");
        return;
    }
    const std::string program = gdb.toStdString();
    const std::string pid = std::to_string(::getpid());
    const char* const arguments[] = { program.c_str(), "-nx", "-batch", "-iex", "set debuginfod enabled off", "-p",
        pid.c_str(), "-ex", "thread apply all bt", nullptr };
    // The child waits until it may trace this process (Yama lets only an
    // ancestor trace a process unless the process names its tracer).
    int go[2];
    if (::pipe2(go, O_CLOEXEC) != 0)
        return;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        char byte = 0;
        if (::read(go[0], &byte, 1) == 1)
            ::execv(program.c_str(), const_cast<char* const*>(arguments));
        ::_exit(127);
    }
    ::close(go[0]);
    if (child > 0) {
        ::prctl(PR_SET_PTRACER, child, 0, 0, 0);
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(go[1], &byte, 1);
    }
    ::close(go[1]);
    if (child < 0)
        return;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) { }
    ::prctl(PR_SET_PTRACER, 0, 0, 0, 0);
}
