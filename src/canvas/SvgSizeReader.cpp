#include "canvas/SvgSizeReader.h"

#include <QByteArray>
#include <QXmlStreamReader>

namespace {

SvgSize readFromReader(QXmlStreamReader& reader)
{
    SvgSize size;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        // Only the root element counts, and only when it is an svg.
        if (reader.name() == QLatin1String("svg")) {
            const QXmlStreamAttributes attributes = reader.attributes();
            if (attributes.hasAttribute(QLatin1String("width")))
                size.width = attributes.value(QLatin1String("width")).toString();
            if (attributes.hasAttribute(QLatin1String("height")))
                size.height = attributes.value(QLatin1String("height")).toString();
        }
        break;
    }
    return size;
}

} // namespace

SvgSize readSvgSize(const QString& svg)
{
    QXmlStreamReader reader(svg);
    return readFromReader(reader);
}

SvgSize readSvgSizeFromBase64(const QString& base64)
{
    const auto decoded = QByteArray::fromBase64Encoding(base64.trimmed().toLatin1());
    if (!decoded)
        return {};
    QXmlStreamReader reader(*decoded);
    return readFromReader(reader);
}
