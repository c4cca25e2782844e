#include "StandinHarness.h"

#include "core/Configs.h"

#include <gtest/gtest.h>

StandinHarness::StandinHarness(standin::Options options)
    : m_server(std::make_unique<standin::StandinServer>(std::move(options)))
    , m_savedApiBase(Configs::Network::apiBaseURL)
    , m_savedUpdateBase(Configs::Network::updateBaseURL)
    , m_savedWebHost(Configs::Network::webHostRoot)
    , m_savedSite(Configs::Network::companySiteURL)
    , m_savedReviewPage(Configs::Network::reviewPageURL)
{
    if (m_server->start(0) < 0) {
        ADD_FAILURE() << "the stand-in server could not listen on 127.0.0.1";
        return;
    }
    const QString base = QString::fromStdString(m_server->baseUrl());
    Configs::Network::apiBaseURL = QString::fromStdString(m_server->apiBase());
    Configs::Network::updateBaseURL = QString::fromStdString(m_server->updateBase());
    Configs::Network::webHostRoot = base;
    Configs::Network::companySiteURL = base + "/site";
    Configs::Network::reviewPageURL.clear();
}

StandinHarness::~StandinHarness()
{
    m_server->stop();
    Configs::Network::apiBaseURL = m_savedApiBase;
    Configs::Network::updateBaseURL = m_savedUpdateBase;
    Configs::Network::webHostRoot = m_savedWebHost;
    Configs::Network::companySiteURL = m_savedSite;
    Configs::Network::reviewPageURL = m_savedReviewPage;
}

QString StandinHarness::apiBase() const
{
    return QString::fromStdString(m_server->apiBase());
}
