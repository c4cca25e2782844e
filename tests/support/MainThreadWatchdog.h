#pragma once

#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

// Prints the stacks of the test program's threads, through gdb, when its
// main thread has not come back to its event loop (nor started a test) for
// `limit`, once for each such stall, so that a test that hangs says where.
// The test itself goes on as it would have.
class MainThreadWatchdog : public ::testing::EmptyTestEventListener {
public:
    explicit MainThreadWatchdog(std::chrono::seconds limit = std::chrono::seconds(10));
    ~MainThreadWatchdog() override;
    MainThreadWatchdog(const MainThreadWatchdog&) = delete;
    MainThreadWatchdog& operator=(const MainThreadWatchdog&) = delete;

    void OnTestStart(const ::testing::TestInfo&) override { pet(); }

private:
    using Clock = std::chrono::steady_clock;

    void pet();
    void watch();
    void printStacks() const;

    const std::chrono::seconds m_limit;
    QTimer m_petTimer;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    Clock::time_point m_lastPet;
    bool m_reported = false;
    bool m_stopping = false;
    std::thread m_thread;
};
