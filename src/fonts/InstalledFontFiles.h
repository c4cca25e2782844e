#pragma once

#include <QString>
#include <optional>

// Where an installed row's file lies.
struct InstalledFontFile {
    enum class Folder {
        FontPackages, // the npm font packages; `path` is relative to them
        JoinedFonts, // the files scripts/join-fonts makes; `path` is relative
        System, // a Debian package's file; `path` is absolute
    };
    Folder folder;
    QString path;
};

// The file a row names, or nothing for a row that no source carries. The file
// itself may still be missing when its package is not installed.
std::optional<InstalledFontFile> installedFontFileFor(const QString& fileName);
