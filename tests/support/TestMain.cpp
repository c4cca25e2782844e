// The one test main: every test program runs with a QApplication on the
// offscreen platform, so widgets, networking and the web engine all work.

#include "core/PageGarbageCollection.h"
#include "support/MainThreadWatchdog.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    // Pages run as in the application.
    PageGarbageCollection::exposeBeforeApplication();
    // Settings, documents and caches written by tests stay out of the user's home.
    QStandardPaths::setTestModeEnabled(true);

    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tessaly"));
    QCoreApplication::setApplicationName(QStringLiteral("TessalyTests"));

    ::testing::InitGoogleTest(&argc, argv);
    // A test that holds the main thread names where it hangs.
    MainThreadWatchdog watchdog;
    ::testing::TestEventListeners& listeners = ::testing::UnitTest::GetInstance()->listeners();
    listeners.Append(&watchdog);
    const int result = RUN_ALL_TESTS();
    listeners.Release(&watchdog);
    // Leave through the event loop, as the application does, so whatever
    // cleans up on aboutToQuit (web views above all) goes while the
    // application object still exists.
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    app.exec();
    return result;
}
