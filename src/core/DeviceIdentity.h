#pragma once

// The machine's identifier, sent as `uuid` with every request.

#include <QString>
#include <optional>

inline QString defaultMachineIdPath()
{
    return QStringLiteral("/etc/machine-id");
}
inline QString uuidNotAvailable()
{
    return QStringLiteral("UUID Not Available");
}

// This application's id derived from the machine id in `path` (the same
// value as `systemd-id128 machine-id --app-specific=<our id>`), shaped as an
// upper-case 8-4-4-4-12 UUID; none when the file can't be read or doesn't
// hold 32 hex digits.
std::optional<QString> platformUUIDFromMachineId(const QString& path = defaultMachineIdPath());

// The identifier, or "UUID Not Available"; prints one line either way.
QString stableDeviceUUID(const QString& machineIdPath = defaultMachineIdPath());
