// A program the user opens from here starts with the environment the program
// was given, not with the settings meant for the web engine's processes.

#include "core/OwnChildEnvironment.h"

#include "core/ExportFolder.h"
#include "core/WebPages.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

// What a shell started now sees of the two variables.
QByteArray seenByAChild()
{
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"),
        { QStringLiteral("-c"),
            QStringLiteral("printf '%s|%s' \"${TESSALY_GIVEN-unset}\" \"${TESSALY_ADDED-unset}\"") });
    shell.waitForFinished(10000);
    return shell.readAllStandardOutput();
}

} // namespace

TEST(OwnChildEnvironment, ProgramsTheUserOpensStartWithTheEnvironmentTheProgramWasGiven)
{
    // A stand-in for xdg-open, first on PATH, writes down what it was started with.
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    QFile opener(bin.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write(
        "#!/bin/sh\n"
        "printf '%s|%s|%s:%s' \"${TESSALY_GIVEN-unset}\" \"${TESSALY_ADDED-unset}\" \"$#\" \"$1\" >\"$0.part\"\n"
        "mv \"$0.part\" \"$0.seen\"\n");
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString seenPath = opener.fileName() + QStringLiteral(".seen");
    const QByteArray path = qgetenv("PATH");
    const auto restorePath = qScopeGuard([path] { qputenv("PATH", path); });
    qputenv("PATH", bin.path().toLocal8Bit() + ':' + path);

    qputenv("TESSALY_GIVEN", "the user's");
    qunsetenv("TESSALY_ADDED");
    OwnChildEnvironment::set("TESSALY_GIVEN", "ours");
    OwnChildEnvironment::set("TESSALY_ADDED", "ours");
    OwnChildEnvironment::set("TESSALY_GIVEN", "ours, again");
    EXPECT_EQ(seenByAChild(), "ours, again|ours");

    struct Case {
        const char* name;
        std::function<void()> open;
        QString argument;
    };
    const Case cases[] = {
        { "a web page", [] { openURL(QStringLiteral("https://example.com/a%20b?c=d")); },
            QStringLiteral("https://example.com/a%20b?c=d") },
        { "the export folder", [] { openExportFolder(); },
            getOrCreateDocumentsFolder(QStringLiteral("Tessaly")).value_or(QString()) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(seenPath);
        c.open();
        ASSERT_TRUE(waitUntil([&] { return QFile::exists(seenPath); }, 30000)) << "xdg-open was not started";
        QFile seen(seenPath);
        ASSERT_TRUE(seen.open(QIODevice::ReadOnly));
        EXPECT_EQ(seen.readAll().toStdString(), "the user's|unset|1:" + c.argument.toStdString());
    }
    EXPECT_EQ(seenByAChild(), "ours, again|ours");
}
