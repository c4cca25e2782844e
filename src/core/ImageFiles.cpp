#include "core/ImageFiles.h"

#include "core/ExportFolder.h"
#include "core/Log.h"

#include <QBuffer>
#include <QFileDialog>
#include <QUrl>

std::optional<QImage> imageFromBase64(const QString& text)
{
    QString payload = text;
    if (payload.startsWith(QLatin1String("data:image")))
        payload = payload.section(u',', -1);
    const QByteArray::FromBase64Result decoded
        = QByteArray::fromBase64Encoding(payload.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    QImage image = QImage::fromData(*decoded);
    if (image.isNull())
        return std::nullopt;
    return image;
}

bool writePngFile(const QImage& image, const QString& path)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return false;
    if (const std::optional<QString> error = writeFileWhole(path, png)) {
        printLine(QStringLiteral("Failed to save image: ") + *error);
        return false;
    }
    printLine(QStringLiteral("Image saved to ") + QUrl::fromLocalFile(path).toString());
    return true;
}

void saveImageAsPNG(const QImage& image)
{
    if (image.isNull())
        return;
    auto* dialog = new QFileDialog(nullptr, QString(), QStringLiteral("image.png"), QStringLiteral("PNG (*.png)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("png"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(
        dialog, &QFileDialog::fileSelected, dialog, [image](const QString& path) { writePngFile(image, path); });
    dialog->open();
}

void saveBase64ImageAsPNG(const QString& text)
{
    if (std::optional<QImage> image = imageFromBase64(text))
        saveImageAsPNG(*image);
}
