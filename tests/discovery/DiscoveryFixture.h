#pragma once

// Shared set-up of the discovery tests: an in-process stand-in server, a
// private Documents folder, and recorders for the editor opener, the folder
// opener and the toasts.

#include "core/ExportFolder.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"
#include "globals/AppGlobals.h"
#include "support/StandinHarness.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

struct OpenedEditor {
    DesignId itemId = 0;
    QString svg;
    bool fromMyDesignsView = false;
};

class DiscoveryFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_home.isValid());
        m_previousHome = qgetenv("HOME");
        m_homeReplaced = true;
        qputenv("HOME", m_home.path().toUtf8());
        setEditLogoWindowOpener([this](DesignId itemId, const QString& svg, bool fromMyDesignsView) {
            openedEditors.push_back({ itemId, svg, fromMyDesignsView });
        });
        setExportFolderOpener([this](const QString& folder) { openedFolders << folder; });
        subscribeEvent<ContentViewEventBus::ToastEvent>(
            &m_busContext, [this](const ContentViewEventBus::ToastEvent& toast) { toasts << toast.text; });
    }

    void TearDown() override
    {
        if (!m_homeReplaced)
            return;
        qputenv("HOME", m_previousHome);
        setEditLogoWindowOpener({});
        setExportFolderOpener([](const QString&) {});
    }

    standin::StandinServer& server() const { return m_harness.server(); }
    QString documentsPath() const { return QDir(m_home.path()).filePath(QStringLiteral("Documents")); }

    std::vector<standin::RecordedRequest> requestsTo(const std::string& suffix) const
    {
        return m_harness.server().requestsTo(suffix);
    }
    int requestCount(const std::string& suffix) const { return int(requestsTo(suffix).size()); }
    bool waitForRequests(const std::string& suffix, int count, int timeoutMs = 5000) const
    {
        return waitUntil([&] { return requestCount(suffix) >= count; }, timeoutMs);
    }

    std::vector<OpenedEditor> openedEditors;
    QStringList openedFolders;
    QStringList toasts;

private:
    mutable StandinHarness m_harness;
    QTemporaryDir m_home;
    QByteArray m_previousHome;
    bool m_homeReplaced = false;
    QObject m_busContext;
};
