#pragma once

// The compiled-in configuration file: a JSON object whose "baseUrl" goes to
// the canvas page and whose "gitCode" identifies the build.

#include <QString>
#include <QVariantMap>

inline const QString configResourcePath = QStringLiteral(":/Config.txt");

// The parsed object; empty when the file is missing or isn't a JSON object.
// Prints "dict = " with the "gitCode" entry ("nil" when there is none).
QVariantMap readGitCode(const QString& path = configResourcePath);
