#include "canvas/DesignReference.h"

#include <QUrl>

DesignReferenceKind classifyDesignReference(const QString& reference)
{
    const QString trimmed = reference.trimmed();
    if (trimmed.startsWith(QLatin1Char('<')))
        return DesignReferenceKind::SvgText;
    if (trimmed.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || trimmed.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return DesignReferenceKind::Url;
    return DesignReferenceKind::RelativePath;
}

QString designReferenceUrl(const QString& reference, const QString& baseUrl)
{
    const QString trimmed = reference.trimmed();
    if (classifyDesignReference(trimmed) != DesignReferenceKind::RelativePath)
        return trimmed;
    QString base = baseUrl;
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    QString path = trimmed;
    while (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    return QUrl(base).resolved(QUrl(path)).toString();
}
