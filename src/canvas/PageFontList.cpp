#include "canvas/PageFontList.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QString PageFontList::takeNew(const QString& fonts)
{
    const QJsonDocument document = QJsonDocument::fromJson(fonts.toUtf8());
    if (!document.isArray())
        return fonts;
    QJsonArray fresh;
    for (const QJsonValue& entry : document.array()) {
        const QJsonValue family = entry.toObject().value(QStringLiteral("fontFamily"));
        if (family.isString() && m_families.contains(family.toString()))
            continue;
        if (family.isString())
            m_families.insert(family.toString());
        fresh.append(entry);
    }
    return QString::fromUtf8(QJsonDocument(fresh).toJson(QJsonDocument::Compact));
}
