// A program the user opens from here starts with the environment the program
// was given, not with the settings meant for the web engine's processes.

#include "core/OwnChildEnvironment.h"

#include <QProcess>
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
    qputenv("TESSALY_GIVEN", "the user's");
    qunsetenv("TESSALY_ADDED");
    OwnChildEnvironment::set("TESSALY_GIVEN", "ours");
    OwnChildEnvironment::set("TESSALY_ADDED", "ours");
    OwnChildEnvironment::set("TESSALY_GIVEN", "ours, again");

    EXPECT_EQ(seenByAChild(), "ours, again|ours");
    QByteArray seenByTheUsersProgram;
    OwnChildEnvironment::whileUsersOwn([&] { seenByTheUsersProgram = seenByAChild(); });
    EXPECT_EQ(seenByTheUsersProgram, "the user's|unset");
    EXPECT_EQ(seenByAChild(), "ours, again|ours");
}
