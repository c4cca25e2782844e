#include "fonts/ExportFiles.h"

#include "api/StrictBase64.h"
#include "api/SvgPayloadDecoder.h"
#include "core/ExportFolder.h"
#include "core/Log.h"

#include <QImage>
#include <QSettings>

namespace {

const QString pngPrefix = QStringLiteral("data:image/png;base64,");

ExportedFile failed(const QString& line)
{
    printLine(line);
    return { {}, line };
}

ExportedFile writeIntoExportFolder(const QByteArray& bytes, const QString& fileName, const QString& type)
{
    const std::optional<QString> folder = getOrCreateDocumentsFolder(QStringLiteral("Tessaly/") + type);
    if (!folder)
        return failed(QStringLiteral("无法获取或创建目录"));
    const QString path = uniqueFilePath(*folder, fileName);
    if (const std::optional<QString> error = writeFileWhole(path, bytes))
        return failed(QStringLiteral("文件写入错误: ") + *error);
    printLine(QStringLiteral("文件保存在：") + path);
    return { path, {} };
}

} // namespace

ExportedFile saveBase64SvgToDocuments(const QString& base64, const QString& fileName, const QString& type)
{
    QString text = base64;
    text.remove(pngPrefix);
    const auto decoded = decodeSvgPayload(text);
    if (const auto* error = std::get_if<SvgPayloadError>(&decoded))
        return failed(error->message);
    const ExportedFile written = writeIntoExportFolder(std::get<QByteArray>(decoded), fileName, type);
    if (written.ok())
        openExportFolder();
    return written;
}

ExportedFile saveBase64PngToDocuments(const QString& base64, const QString& fileName, const QString& type)
{
    QString text = base64;
    text.remove(pngPrefix);
    const std::optional<QByteArray> bytes = decodeStrictBase64(text);
    if (!bytes || QImage::fromData(*bytes, "PNG").isNull())
        return failed(QStringLiteral("Base64字符串转换失败123123123123123123"));
    return writeIntoExportFolder(*bytes, fileName, type);
}

void clearDocumentsFolderBookmark()
{
    // The application's one settings store.
    QSettings(QStringLiteral("Tessaly"), QStringLiteral("Tessaly")).remove(QStringLiteral("documentsFolderBookmark"));
}
