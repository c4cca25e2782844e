#pragma once

#include "standin/StandinServer.h"

#include <QString>
#include <gtest/gtest.h>
#include <memory>

// Starts a stand-in server on a free loopback port for the lifetime of the
// harness and points the client's base addresses at it, restoring them
// afterwards. Destroy network clients before the harness, or their
// keep-alive connections are cut when it stops.
class StandinHarness {
public:
    explicit StandinHarness(standin::Options options = {});
    ~StandinHarness();
    StandinHarness(const StandinHarness&) = delete;
    StandinHarness& operator=(const StandinHarness&) = delete;

    standin::StandinServer& server() { return *m_server; }
    // The API base as a QString, as the client sees it.
    QString apiBase() const;

private:
    std::unique_ptr<standin::StandinServer> m_server;
    QString m_savedApiBase;
    QString m_savedUpdateBase;
    QString m_savedWebHost;
    QString m_savedSite;
    QString m_savedReviewPage;
};

// A test suite that shares one stand-in server among its tests. Each test
// starts with no faults, canned replies or recorded requests.
class SharedStandinTest : public testing::Test {
protected:
    static void SetUpTestSuite() { s_harness = new StandinHarness(); }
    static void TearDownTestSuite()
    {
        delete s_harness;
        s_harness = nullptr;
    }
    void SetUp() override
    {
        server().clearFaults();
        server().clearReplies();
        server().clearRequests();
    }

    static standin::StandinServer& server() { return s_harness->server(); }

private:
    static inline StandinHarness* s_harness = nullptr;
};
