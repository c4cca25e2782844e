#include "fonts/FontDownload.h"

#include "core/ExportFolder.h"
#include "core/HttpFetch.h"
#include "core/Log.h"
#include "fonts/FontCatalogue.h"
#include "fonts/FontFiles.h"
#include "model/JsonFieldWriter.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRawFont>
#include <QStandardPaths>

namespace FontUtils {

void registerFontFile(const QString& path)
{
    if (!registerFontFileOnce(path))
        return;
    const QRawFont raw(path, 14);
    printLine(QStringLiteral("pathpathpath fontName = ") + (raw.isValid() ? raw.familyName() : QString()));
}

QString fontCachePath(const QString& url)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/fonts/");
    const QByteArray digest = QCryptographicHash::hash(url.toUtf8(), QCryptographicHash::Sha1).toHex();
    return folder + QString::fromLatin1(digest) + QStringLiteral(".ttf");
}

namespace {

// Registers the cached file at `path` and reports it. A file refused only
// because a page exists is kept for the next run; one that is not a font goes.
void registerCachedFont(const QString& path, const std::function<void(const QString&)>& succeed,
    const std::function<void(const QString&)>& fail)
{
    if (fontRegistrationHeldFor(path)) {
        fail(QStringLiteral("Font downloaded, usable after a restart: ") + path);
        return;
    }
    if (!registerFontFileOnce(path)) {
        QFile::remove(path);
        fail(QStringLiteral("下载失败: not a font file"));
        return;
    }
    registerFontFile(path);
    succeed(path);
}

} // namespace

void downloadFont(const QString& url, FontDownloadSuccess onSuccess, FontDownloadFailure onFailure, QObject* context)
{
    const bool bound = context != nullptr;
    QPointer<QObject> guard(context);
    auto alive = [bound, guard] { return !bound || guard; };
    auto fail = [alive, onFailure](const QString& message) {
        printLine(message);
        if (onFailure && alive())
            onFailure(message);
    };

    auto succeed = [alive, onSuccess](const QString& path) {
        if (onSuccess && alive())
            onSuccess(path);
    };

    const QString cachePath = fontCachePath(url);
    if (QFileInfo(cachePath).isFile()) {
        printLine(QStringLiteral("字体已下载，无需重复下载"));
        registerCachedFont(cachePath, succeed, fail);
        return;
    }
    HttpFetch::get(url, ReplyKind::Font, nullptr, [cachePath, succeed, fail](const HttpFetchResult& result) {
        if (!result.ok) {
            fail(QStringLiteral("下载失败: ") + result.errorText);
            return;
        }
        if (!QDir().mkpath(QFileInfo(cachePath).path())) {
            fail(QStringLiteral("重命名文件失败"));
            return;
        }
        if (const std::optional<QString> error = writeFileWhole(cachePath, result.body)) {
            fail(QStringLiteral("error ") + *error);
            return;
        }
        registerCachedFont(cachePath, succeed, fail);
    });
}

std::optional<QString> documentsSubfolder(const QString& name)
{
    return getOrCreateDocumentsFolder(name);
}

bool saveGlobalFontModel()
{
    const QByteArray json = QByteArray::fromStdString(JsonFieldWriter::encode(globalFontModel()).dump());
    const std::optional<QString> folder = documentsSubfolder(QStringLiteral("txt"));
    if (!folder)
        return false;
    const QString path = QDir(*folder).filePath(QStringLiteral("json.txt"));
    if (const std::optional<QString> error = writeFileWhole(path, json)) {
        printLine(QStringLiteral("文件保存失败: ") + *error);
        return false;
    }
    printLine(QStringLiteral("文件保存在：") + path);
    return true;
}

} // namespace FontUtils
