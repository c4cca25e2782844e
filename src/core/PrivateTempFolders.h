#pragma once

// The application's private folders under the system's temporary folder.
// Each name carries the id of the process that made it, so that folders left
// by a process that was killed can be told from those of one still running.

#include <QDir>
#include <QString>

class PrivateTempFolders {
public:
    // A QTemporaryDir template for a folder of this process, for `purpose`
    // (lower-case letters), e.g. ".../tessaly-save-4711-XXXXXX".
    static QString folderTemplate(const QString& purpose);

    // Removes the application's folders under `root` whose process has
    // ended; those of running processes (another instance) stay. Returns how
    // many it removed.
    static int removeAbandoned(const QString& root = QDir::tempPath());
};
