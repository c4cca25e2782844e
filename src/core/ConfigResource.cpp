#include "core/ConfigResource.h"

#include "core/Log.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

QVariantMap readGitCode(const QString& path)
{
    QVariantMap dictionary;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
        if (document.isObject())
            dictionary = document.object().toVariantMap();
    }
    const QVariant gitCode = dictionary.value(QStringLiteral("gitCode"));
    printLine(QStringLiteral("dict = ") + (gitCode.isValid() ? gitCode.toString() : QStringLiteral("nil")));
    return dictionary;
}
