#pragma once

// Font files fetched at run time and the catalogue saved as JSON. No screen
// calls these; they are kept for tools and tests.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace FontUtils {

// Registers the font file at `path` (once per run) and logs its full name.
void registerFontFile(const QString& path);

// Where downloadFont keeps the file of `url`: the cache folder's "fonts",
// the SHA-1 of the URL in hexadecimal, then ".ttf".
QString fontCachePath(const QString& url);

using FontDownloadSuccess = std::function<void(const QString& localPath)>;
using FontDownloadFailure = std::function<void(const QString& message)>;

// Fetches the font at `url` into the cache (a cached file is used as it is),
// registers it and reports its local path; any failure (HTTP error, no
// data, a failed write) ends in `onFailure`. No callback runs once `context`
// is destroyed.
void downloadFont(
    const QString& url, FontDownloadSuccess onSuccess, FontDownloadFailure onFailure = {}, QObject* context = nullptr);

// Documents/<name>, created when missing; nothing when it can't be.
std::optional<QString> documentsSubfolder(const QString& name);

// Writes globalFontModel as compact JSON to Documents/txt/json.txt.
bool saveGlobalFontModel();

} // namespace FontUtils
