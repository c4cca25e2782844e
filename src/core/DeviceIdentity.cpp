#include "core/DeviceIdentity.h"

#include "core/Log.h"

#include <QFile>
#include <QRegularExpression>

std::optional<QString> platformUUIDFromMachineId(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // A machine id is one line of 32 hex digits; read no more than a few lines' worth.
    const QString text = QString::fromLatin1(file.read(256)).trimmed();
    static const QRegularExpression hex32(QStringLiteral("^[0-9a-fA-F]{32}$"));
    if (!hex32.match(text).hasMatch())
        return std::nullopt;
    const QString digits = text.toUpper();
    return digits.mid(0, 8) + u'-' + digits.mid(8, 4) + u'-' + digits.mid(12, 4) + u'-' + digits.mid(16, 4) + u'-'
        + digits.mid(20, 12);
}

QString stableDeviceUUID(const QString& machineIdPath)
{
    if (std::optional<QString> uuid = platformUUIDFromMachineId(machineIdPath)) {
        printLine(QStringLiteral("Stable UUID: ") + *uuid);
        return *uuid;
    }
    printLine(QStringLiteral("Failed to retrieve stable UUID."));
    return uuidNotAvailable;
}
