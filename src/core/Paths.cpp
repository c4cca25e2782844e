#include "core/Paths.h"

#include <QtGlobal>

QString shareDirectory()
{
    const QString fromEnvironment = qEnvironmentVariable("TESSALY_SHARE_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStringLiteral(TESSALY_SHARE_DIR);
}
