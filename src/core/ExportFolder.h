#pragma once

// The export folder Documents/"Tessaly" and the naming of what is written
// into it. Files go into one subfolder per type ("SVG", "PNG", "WEBP").

#include <QByteArray>
#include <QFileDevice>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

// Documents/<relativePath>, created with any missing intermediate folders.
// Nothing when Documents can't be found or the folder can't be created.
std::optional<QString> getOrCreateDocumentsFolder(const QString& relativePath);

// "Tessaly_" + the current Unix time in whole seconds + `extension` (".webp").
QString exportFileName(const QString& extension);

// `folder`/`fileName`, or, when that exists, the first free name with "_2",
// "_3", … before the extension ("Tessaly_1733570000_2.png"): nothing in the
// export folder is ever overwritten.
QString uniqueFilePath(const QString& folder, const QString& fileName);

// Writes the whole of `bytes` to `path` or leaves it untouched (also on a full
// disk); the error text when that fails. `permissions` are set on the file
// before anything is written into it.
std::optional<QString> writeFileWhole(
    const QString& path, const QByteArray& bytes, std::optional<QFileDevice::Permissions> permissions = std::nullopt);

// Opens Documents/"Tessaly" in the file browser.
void openExportFolder();

// Replaces how folders are opened (tests install a recorder).
using FolderOpener = std::function<void(const QString& folderPath)>;
void setExportFolderOpener(FolderOpener opener);

using DownloadSuccess = std::function<void(const QString& filePath)>;
using DownloadFailure = std::function<void(const QString& message)>;

// Downloads `url` into Documents/"Tessaly"/<type>/<fileName> (made unique
// when the name is taken) and returns at once. The file is written whole or not at all; only then is the folder
// opened and `onSuccess` called. Every other outcome (bad URL, no folder, an
// HTTP error, a transport error or timeout, an empty body, a failed write)
// ends in `onFailure`. Neither callback runs once `context` is destroyed.
void downloadImageToDocuments(const QString& url, const QString& fileName, const QString& type,
    QObject* context = nullptr, DownloadSuccess onSuccess = {}, DownloadFailure onFailure = {});
