#pragma once

#include "fonts/FontFiles.h"
#include "fonts/FontTables.h"
#include "support/TestFiles.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A share folder whose fonts/ holds a DejaVu copy under every Latin row's
// file name, so the rows resolve there first; the npm font packages' files
// stay reachable below it, as in the build's share folder.
class ShareFolder {
public:
    ShareFolder()
        : m_previous(qgetenv("TESSALY_SHARE_DIR"))
    {
        QDir().mkpath(fontsPath());
        QFile::link(QDir(fontPackageDirectory()).filePath(QStringLiteral("@fontsource")),
            QDir(fontsPath()).filePath(QStringLiteral("@fontsource")));
        qputenv("TESSALY_SHARE_DIR", m_dir.path().toUtf8());
    }
    ~ShareFolder()
    {
        if (m_previous.isEmpty())
            qunsetenv("TESSALY_SHARE_DIR");
        else
            qputenv("TESSALY_SHARE_DIR", m_previous);
    }
    QString fontsPath() const { return m_dir.filePath(QStringLiteral("fonts")); }
    QString add(const QString& fileName, const char* extension = ".ttf")
    {
        const QString path = QDir(fontsPath()).filePath(fileName + QLatin1String(extension));
        QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/resources/fonts/DejaVuSerif.ttf"), path);
        return path;
    }
    QString addUnreadable(const QString& fileName)
    {
        const QString path = QDir(fontsPath()).filePath(fileName + QStringLiteral(".ttf"));
        EXPECT_TRUE(writeFile(path, "not a font"));
        return path;
    }
    void addAllLatin()
    {
        for (auto table : { latinFonts10(), latinFonts40(), latinFontsArt(), latinFontsOther() })
            for (const FontTableRow& row : table)
                add(row.fileNameText());
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};
