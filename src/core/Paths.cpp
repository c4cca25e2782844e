#include "core/Paths.h"

#include <QCoreApplication>
#include <QDir>

QString shareDirectory()
{
    const QString fromEnvironment = qEnvironmentVariable("TESSALY_SHARE_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    // Installed and build trees alike keep it next to the programs' folder.
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tessaly"));
}
