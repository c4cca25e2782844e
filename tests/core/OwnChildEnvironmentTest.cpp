// A program the user opens from here starts with the environment the program
// was given, not with the settings meant for the web engine's processes; an
// open that finds no program to start reports it.

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
#include <optional>
#include <utility>
#include <vector>

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

// While it lives, no program can open a page: PATH holds only an empty
// folder, and no variable names a browser, or a desktop whose own opener Qt
// would look for; so no real browser starts on the machine that runs a test.
class NoOpener {
public:
    NoOpener()
    {
        for (const char* name : { "PATH", "BROWSER", "DEFAULT_BROWSER", "XDG_CURRENT_DESKTOP" }) {
            m_saved.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
            qunsetenv(name);
        }
        qputenv("PATH", m_emptyFolder.path().toLocal8Bit());
    }
    ~NoOpener()
    {
        for (const auto& [name, value] : m_saved) {
            if (value)
                qputenv(name, *value);
            else
                qunsetenv(name);
        }
    }
    NoOpener(const NoOpener&) = delete;
    NoOpener& operator=(const NoOpener&) = delete;

private:
    QTemporaryDir m_emptyFolder;
    std::vector<std::pair<const char*, std::optional<QByteArray>>> m_saved;
};

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
        std::function<void(PageAnswer)> open;
        // What xdg-open is started with; none for the row without an opener.
        std::optional<QString> argument;
    };
    const Case cases[] = {
        { "a web page", [](PageAnswer answer) { openURL(QStringLiteral("https://example.com/a%20b?c=d"), answer); },
            QStringLiteral("https://example.com/a%20b?c=d") },
        // Its toast already says where the file was saved: it reports nothing.
        { "the export folder",
            [](PageAnswer answer) {
                openExportFolder();
                answer(true);
            },
            getOrCreateDocumentsFolder(QStringLiteral("Tessaly")).value_or(QString()) },
        { "no opener", [](PageAnswer answer) { openURL(QStringLiteral("http://127.0.0.1:9/unopened"), answer); },
            std::nullopt },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(seenPath);
        std::optional<bool> opened;
        const auto hear = [&opened](bool answer) { opened = answer; };
        if (!c.argument) {
            const NoOpener noOpener;
            c.open(hear);
            EXPECT_EQ(opened, false);
            continue;
        }
        c.open(hear);
        ASSERT_TRUE(waitUntil([&] { return QFile::exists(seenPath); }, 30000)) << "xdg-open was not started";
        EXPECT_TRUE(waitUntil([&] { return opened.has_value(); }, 30000));
        EXPECT_EQ(opened, true);
        QFile seen(seenPath);
        ASSERT_TRUE(seen.open(QIODevice::ReadOnly));
        EXPECT_EQ(seen.readAll().toStdString(), "the user's|unset|1:" + c.argument->toStdString());
    }
    EXPECT_EQ(seenByAChild(), "ours, again|ours");
}
