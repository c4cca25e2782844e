#include "core/ExportFolder.h"

#include "core/HttpFetch.h"
#include "core/Log.h"
#include "core/OwnChildEnvironment.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <cerrno>

namespace {

FolderOpener& folderOpener()
{
    static FolderOpener opener
        = [](const QString& folderPath) { OwnChildEnvironment::openInUsersProgram(QUrl::fromLocalFile(folderPath)); };
    return opener;
}

std::optional<QString> documentsDirectory()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        return std::nullopt;
    return documents;
}

} // namespace

std::optional<QString> getOrCreateDocumentsFolder(const QString& relativePath)
{
    const std::optional<QString> documents = documentsDirectory();
    if (!documents)
        return std::nullopt;
    const QString path = QDir(*documents).filePath(relativePath);
    if (!QFileInfo::exists(path) && !QDir().mkpath(path)) {
        printLine(QStringLiteral("创建文件夹失败: ") + path);
        return std::nullopt;
    }
    return path;
}

QString uniqueFilePath(const QString& folder, const QString& fileName)
{
    const QDir dir(folder);
    QString candidate = dir.filePath(fileName);
    const QFileInfo info(fileName);
    const QString suffix = info.suffix();
    const QString stem = suffix.isEmpty() ? fileName : fileName.left(fileName.size() - suffix.size() - 1);
    for (int n = 2; QFileInfo::exists(candidate); ++n) {
        const QString numbered = stem + QLatin1Char('_') + QString::number(n);
        candidate = dir.filePath(suffix.isEmpty() ? numbered : numbered + QLatin1Char('.') + suffix);
    }
    return candidate;
}

std::optional<QString> writeFileWhole(
    const QString& path, const QByteArray& bytes, std::optional<QFileDevice::Permissions> permissions)
{
    QSaveFile file(path);
    // Unbuffered, so a short write on a full disk shows in the count write()
    // returns; buffered, it would happen inside commit(), which still reports
    // success and puts the cut file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (permissions && !file.setPermissions(*permissions)) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    errno = 0;
    const qint64 written = file.write(bytes);
    const int writeErrno = errno;
    if (written != bytes.size()) {
        // After a short write Qt keeps no error ("Unknown error"); the reason
        // ("No space left on device") is the failed write(2)'s.
        const QString error = written >= 0 && writeErrno != 0 ? qt_error_string(writeErrno) : file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

QString exportFileName(const QString& extension)
{
    return QStringLiteral("Tessaly_") + QString::number(QDateTime::currentSecsSinceEpoch()) + extension;
}

void openExportFolder()
{
    if (const std::optional<QString> folder = getOrCreateDocumentsFolder(QStringLiteral("Tessaly")))
        folderOpener()(*folder);
}

void setExportFolderOpener(FolderOpener opener)
{
    folderOpener() = std::move(opener);
}

void downloadImageToDocuments(const QString& url, const QString& fileName, const QString& type, QObject* context,
    DownloadSuccess onSuccess, DownloadFailure onFailure)
{
    const bool bound = context != nullptr;
    QPointer<QObject> guard(context);
    auto fail = [bound, guard, onFailure](const QString& message) {
        printLine(message);
        if (onFailure && (!bound || guard))
            onFailure(message);
    };

    const QUrl source(url);
    if (url.trimmed().isEmpty() || !source.isValid() || source.scheme().isEmpty()) {
        fail(QStringLiteral("无效的 URL"));
        return;
    }
    const std::optional<QString> folder = getOrCreateDocumentsFolder(QStringLiteral("Tessaly/") + type);
    if (!folder) {
        fail(QStringLiteral("无法获取或创建目录"));
        return;
    }
    const QString folderPath = *folder;

    // The file is written even when the caller has gone; only its callbacks are dropped.
    HttpFetch::get(url, ReplyKind::Image, nullptr,
        [folderPath, fileName, bound, guard, onSuccess, fail](const HttpFetchResult& result) {
            if (!result.ok) {
                fail(QStringLiteral("下载数据失败: ")
                    + (result.errorText.isEmpty() ? QStringLiteral("未知错误") : result.errorText));
                return;
            }
            // The name is settled only now, so a download that finishes later
            // than another of the same name doesn't replace it.
            const QString destination = uniqueFilePath(folderPath, fileName);
            if (const std::optional<QString> error = writeFileWhole(destination, result.body)) {
                fail(QStringLiteral("文件写入错误: ") + *error);
                return;
            }
            printLine(QStringLiteral("文件保存在：") + destination);
            openExportFolder();
            if (onSuccess && (!bound || guard))
                onSuccess(destination);
        });
}
