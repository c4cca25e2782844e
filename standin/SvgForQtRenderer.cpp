#include "standin/SvgForQtRenderer.h"

#include <QRegularExpression>
#include <QSizeF>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <optional>
#include <vector>

namespace standin {

namespace {

// One element with everything inside it, or a run of characters.
struct XmlNode {
    bool isCharacters = false;
    QString name;
    QXmlStreamAttributes attributes;
    QString characters;
    std::vector<XmlNode> children;
};

// A <text> cut at each positioned tspan: where a run starts and what it holds.
struct TextRun {
    std::optional<double> x;
    std::optional<double> y;
    std::vector<XmlNode> nodes;
};

std::optional<double> firstNumber(QStringView value)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    const QString first = value.toString().trimmed().section(separators, 0, 0);
    bool ok = false;
    const double number = first.toDouble(&ok);
    return ok ? std::optional<double>(number) : std::nullopt;
}

std::optional<double> numberAttribute(const QXmlStreamAttributes& attributes, const QString& name)
{
    return attributes.hasAttribute(name) ? firstNumber(attributes.value(name)) : std::nullopt;
}

QXmlStreamAttributes without(const QXmlStreamAttributes& attributes, std::initializer_list<const char*> names)
{
    QXmlStreamAttributes kept;
    for (const QXmlStreamAttribute& attribute : attributes) {
        const bool dropped = std::any_of(names.begin(), names.end(),
            [&](const char* name) { return attribute.qualifiedName() == QLatin1String(name); });
        if (!dropped)
            kept.append(attribute);
    }
    return kept;
}

// Reads the element whose start tag was just read, up to its end tag.
XmlNode readElement(QXmlStreamReader& reader)
{
    XmlNode node;
    node.name = reader.qualifiedName().toString();
    node.attributes = reader.attributes();
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            node.children.push_back(readElement(reader));
            break;
        case QXmlStreamReader::Characters:
            node.children.push_back(XmlNode { true, {}, {}, reader.text().toString(), {} });
            break;
        case QXmlStreamReader::EndElement:
            return node;
        default:
            break;
        }
    }
    return node;
}

void writeNode(QXmlStreamWriter& writer, const XmlNode& node)
{
    if (node.isCharacters) {
        writer.writeCharacters(node.characters);
        return;
    }
    writer.writeStartElement(node.name);
    writer.writeAttributes(node.attributes);
    for (const XmlNode& child : node.children)
        writeNode(writer, child);
    writer.writeEndElement();
}

bool isPositionedSpan(const XmlNode& node)
{
    return !node.isCharacters && node.name == QLatin1String("tspan")
        && (node.attributes.hasAttribute(QStringLiteral("x")) || node.attributes.hasAttribute(QStringLiteral("y")));
}

bool isBlank(const TextRun& run)
{
    return std::all_of(run.nodes.begin(), run.nodes.end(),
        [](const XmlNode& node) { return node.isCharacters && node.characters.trimmed().isEmpty(); });
}

// Absolute tspan positions start new text chunks; a coordinate a tspan leaves
// out stays where the previous chunk put it, and dx/dy shift the start.
std::vector<TextRun> splitIntoRuns(const XmlNode& text)
{
    std::vector<TextRun> runs(1);
    std::optional<double> x = numberAttribute(text.attributes, QStringLiteral("x"));
    std::optional<double> y = numberAttribute(text.attributes, QStringLiteral("y"));
    for (const XmlNode& child : text.children) {
        if (!isPositionedSpan(child)) {
            runs.back().nodes.push_back(child);
            continue;
        }
        if (const auto spanX = numberAttribute(child.attributes, QStringLiteral("x")))
            x = spanX;
        if (const auto spanY = numberAttribute(child.attributes, QStringLiteral("y")))
            y = spanY;
        const double dx = numberAttribute(child.attributes, QStringLiteral("dx")).value_or(0);
        const double dy = numberAttribute(child.attributes, QStringLiteral("dy")).value_or(0);
        XmlNode span = child;
        span.attributes = without(child.attributes, { "x", "y", "dx", "dy", "rotate" });
        TextRun run { x.value_or(0) + dx, y.value_or(0) + dy, {} };
        if (span.attributes.isEmpty())
            run.nodes = span.children;
        else
            run.nodes.push_back(span);
        runs.push_back(std::move(run));
    }
    return runs;
}

void writeText(QXmlStreamWriter& writer, const XmlNode& text)
{
    const bool positioned = std::any_of(text.children.begin(), text.children.end(), isPositionedSpan);
    if (!positioned) {
        writeNode(writer, text);
        return;
    }
    const QXmlStreamAttributes shared
        = without(text.attributes, { "id", "x", "y", "dx", "dy", "rotate", "textLength", "lengthAdjust" });
    bool idWritten = false;
    for (const TextRun& run : splitIntoRuns(text)) {
        if (isBlank(run))
            continue;
        writer.writeStartElement(QStringLiteral("text"));
        // The text before the first positioned tspan keeps the parent's own position.
        writer.writeAttributes(run.x ? shared : without(text.attributes, { "id" }));
        if (!idWritten && text.attributes.hasAttribute(QStringLiteral("id")))
            writer.writeAttribute(QStringLiteral("id"), text.attributes.value(QStringLiteral("id")).toString());
        idWritten = true;
        if (run.x) {
            writer.writeAttribute(QStringLiteral("x"), QString::number(*run.x, 'g', 12));
            writer.writeAttribute(QStringLiteral("y"), QString::number(*run.y, 'g', 12));
        }
        for (const XmlNode& node : run.nodes)
            writeNode(writer, node);
        writer.writeEndElement();
    }
}

// The root's user space, against which percentages resolve.
std::optional<QSizeF> viewportOf(const QXmlStreamAttributes& root)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    const QStringList box
        = root.value(QStringLiteral("viewBox")).toString().trimmed().split(separators, Qt::SkipEmptyParts);
    bool widthOk = false;
    bool heightOk = false;
    if (box.size() == 4) {
        const QSizeF size(box[2].toDouble(&widthOk), box[3].toDouble(&heightOk));
        if (widthOk && heightOk)
            return size;
    }
    const auto plain = [](QStringView value, bool* ok) {
        return value.endsWith(QLatin1String("px")) ? value.chopped(2).toDouble(ok) : value.toDouble(ok);
    };
    const QSizeF size(
        plain(root.value(QStringLiteral("width")), &widthOk), plain(root.value(QStringLiteral("height")), &heightOk));
    return widthOk && heightOk ? std::optional<QSizeF>(size) : std::nullopt;
}

QXmlStreamAttributes withPercentagesResolved(const QXmlStreamAttributes& attributes, const QSizeF& viewport)
{
    QXmlStreamAttributes resolved;
    for (const QXmlStreamAttribute& attribute : attributes) {
        const QString name = attribute.qualifiedName().toString();
        const QStringView value = attribute.value().trimmed();
        const bool horizontal = name == QLatin1String("x") || name == QLatin1String("width");
        const bool vertical = name == QLatin1String("y") || name == QLatin1String("height");
        bool ok = false;
        const double percent = value.endsWith(u'%') ? value.chopped(1).toDouble(&ok) : 0;
        if (ok && (horizontal || vertical)) {
            const double length = percent / 100 * (horizontal ? viewport.width() : viewport.height());
            resolved.append(name, QString::number(length, 'g', 12));
        } else {
            resolved.append(attribute);
        }
    }
    return resolved;
}

// An rgba() colour as its rgb() part and its alpha; none for any other colour.
std::optional<std::pair<QString, double>> splitRgba(QStringView colour)
{
    static const QRegularExpression rgba(
        QStringLiteral("^rgba\\(\\s*([^,\\s]+)\\s*,\\s*([^,\\s]+)\\s*,\\s*([^,\\s]+)\\s*,\\s*([0-9.]+)(%?)\\s*\\)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = rgba.match(colour.trimmed().toString());
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    double alpha = match.captured(4).toDouble(&ok);
    if (!ok)
        return std::nullopt;
    if (!match.capturedView(5).isEmpty())
        alpha /= 100;
    return std::pair { QStringLiteral("rgb(%1,%2,%3)").arg(match.captured(1), match.captured(2), match.captured(3)),
        std::clamp(alpha, 0.0, 1.0) };
}

// QtSvg draws a stop-color written as rgba() (as the canvas page writes
// stops into their style) black: the colour goes into stop-color as rgb()
// and its alpha into stop-opacity.
QXmlStreamAttributes withRgbaStopSplit(const QXmlStreamAttributes& attributes)
{
    QStringList declarations = attributes.value(QStringLiteral("style")).toString().split(u';', Qt::SkipEmptyParts);
    const auto property = [](const QString& declaration) { return declaration.section(u':', 0, 0).trimmed(); };
    std::optional<double> alpha;
    double opacity = 1;
    for (QString& declaration : declarations) {
        if (property(declaration) == QLatin1String("stop-color")) {
            if (const auto colour = splitRgba(declaration.section(u':', 1))) {
                declaration = QStringLiteral("stop-color:") + colour->first;
                alpha = colour->second;
            }
        } else if (property(declaration) == QLatin1String("stop-opacity")) {
            opacity = firstNumber(declaration.section(u':', 1)).value_or(1);
        }
    }
    if (!alpha)
        return attributes;
    declarations.removeIf(
        [&](const QString& declaration) { return property(declaration) == QLatin1String("stop-opacity"); });
    declarations.append(QStringLiteral("stop-opacity:") + QString::number(*alpha * opacity, 'g', 12));
    QXmlStreamAttributes split = without(attributes, { "style" });
    split.append(QStringLiteral("style"), declarations.join(u';'));
    return split;
}

std::optional<QByteArray> rewrite(const QByteArray& svg)
{
    QXmlStreamReader reader(svg);
    reader.setNamespaceProcessing(false);
    QByteArray output;
    QXmlStreamWriter writer(&output);
    std::optional<QSizeF> viewport;
    bool rootSeen = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            if (!reader.documentVersion().isEmpty())
                writer.writeStartDocument(reader.documentVersion().toString(), reader.isStandaloneDocument());
            break;
        case QXmlStreamReader::DTD:
            writer.writeDTD(reader.text().toString());
            break;
        case QXmlStreamReader::StartElement: {
            const QString name = reader.qualifiedName().toString();
            if (name == QLatin1String("text")) {
                writeText(writer, readElement(reader));
                break;
            }
            if (!rootSeen)
                viewport = viewportOf(reader.attributes());
            rootSeen = true;
            const bool sized = name == QLatin1String("rect") || name == QLatin1String("image");
            writer.writeStartElement(name);
            if (name == QLatin1String("stop"))
                writer.writeAttributes(withRgbaStopSplit(reader.attributes()));
            else
                writer.writeAttributes(
                    sized && viewport ? withPercentagesResolved(reader.attributes(), *viewport) : reader.attributes());
            break;
        }
        case QXmlStreamReader::EndElement:
            writer.writeEndElement();
            break;
        case QXmlStreamReader::Characters:
            if (reader.isCDATA())
                writer.writeCDATA(reader.text().toString());
            else
                writer.writeCharacters(reader.text().toString());
            break;
        case QXmlStreamReader::Comment:
            writer.writeComment(reader.text().toString());
            break;
        case QXmlStreamReader::ProcessingInstruction:
            writer.writeProcessingInstruction(
                reader.processingInstructionTarget().toString(), reader.processingInstructionData().toString());
            break;
        case QXmlStreamReader::EntityReference:
            writer.writeEntityReference(reader.name().toString());
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        return std::nullopt;
    return output;
}

} // namespace

std::string svgForQtRenderer(const std::string& svg)
{
    if (svg.find("<tspan") == std::string::npos && svg.find('%') == std::string::npos
        && svg.find("rgba(") == std::string::npos)
        return svg;
    const auto rewritten = rewrite(QByteArray::fromStdString(svg));
    return rewritten ? rewritten->toStdString() : svg;
}

} // namespace standin
