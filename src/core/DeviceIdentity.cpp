#include "core/DeviceIdentity.h"

#include "core/Log.h"

#include <QFile>
#include <QMessageAuthenticationCode>
#include <QRegularExpression>

namespace {

// This application's own id. The machine id keys an HMAC of it, as systemd's
// sd_id128_get_machine_app_specific() does, so the machine id itself never
// leaves the machine and other applications cannot match our id to theirs.
const QByteArray applicationId = QByteArray::fromHex("ecb8de95df454bf6a0fdf759273d2890");

std::optional<QByteArray> machineIdBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // A machine id is one line of 32 hex digits; read no more than a few lines' worth.
    const QString text = QString::fromLatin1(file.read(256)).trimmed();
    static const QRegularExpression hex32(QStringLiteral("^[0-9a-fA-F]{32}$"));
    if (!hex32.match(text).hasMatch())
        return std::nullopt;
    return QByteArray::fromHex(text.toLatin1());
}

QString uuidText(const QByteArray& bytes)
{
    const QString digits = QString::fromLatin1(bytes.toHex()).toUpper();
    return digits.mid(0, 8) + u'-' + digits.mid(8, 4) + u'-' + digits.mid(12, 4) + u'-' + digits.mid(16, 4) + u'-'
        + digits.mid(20, 12);
}

} // namespace

std::optional<QString> platformUUIDFromMachineId(const QString& path)
{
    const std::optional<QByteArray> machineId = machineIdBytes(path);
    if (!machineId)
        return std::nullopt;
    QByteArray derived
        = QMessageAuthenticationCode::hash(applicationId, *machineId, QCryptographicHash::Sha256).left(16);
    // Marked as a random (version 4) UUID, as systemd marks it.
    derived[6] = static_cast<char>((derived[6] & 0x0F) | 0x40);
    derived[8] = static_cast<char>((derived[8] & 0x3F) | 0x80);
    return uuidText(derived);
}

QString stableDeviceUUID(const QString& machineIdPath)
{
    if (std::optional<QString> uuid = platformUUIDFromMachineId(machineIdPath)) {
        printLine(QStringLiteral("Stable UUID: ") + *uuid);
        return *uuid;
    }
    printLine(QStringLiteral("Failed to retrieve stable UUID."));
    return uuidNotAvailable();
}
