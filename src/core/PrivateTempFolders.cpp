#include "core/PrivateTempFolders.h"

#include "core/Log.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <csignal>
#include <limits>
#include <unistd.h>

namespace {

bool isRunning(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    // Signal 0 only asks whether the process exists; EPERM means it does,
    // under another user.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace

QString PrivateTempFolders::folderTemplate(const QString& purpose)
{
    return QDir::tempPath()
        + QStringLiteral("/tessaly-%1-%2-XXXXXX").arg(purpose).arg(QCoreApplication::applicationPid());
}

int PrivateTempFolders::removeAbandoned(const QString& root)
{
    static const QRegularExpression name(QStringLiteral("^tessaly-[a-z]+-([0-9]{1,10})-[A-Za-z0-9]{6}$"));
    int removed = 0;
    const QFileInfoList entries = QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        const QRegularExpressionMatch match = name.match(entry.fileName());
        if (!match.hasMatch() || entry.ownerId() != ::getuid() || isRunning(match.captured(1).toLongLong()))
            continue;
        // Links inside are removed, never followed.
        if (QDir(entry.filePath()).removeRecursively()) {
            printLine(QStringLiteral("Removed an abandoned temporary folder: ") + entry.fileName());
            ++removed;
        }
    }
    return removed;
}
