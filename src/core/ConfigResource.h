#pragma once

// The compiled-in configuration file: a JSON object whose "gitCode"
// identifies the build. Its "baseUrl" is no longer read: the canvas page's
// base is the web host of Configs, which the environment can move.

#include <QString>
#include <QVariantMap>

inline QString configResourcePath()
{
    return QStringLiteral(":/Config.txt");
}

// The parsed object; empty when the file is missing or isn't a JSON object.
// Prints "dict = " with the "gitCode" entry ("nil" when there is none).
QVariantMap readGitCode(const QString& path = configResourcePath());
