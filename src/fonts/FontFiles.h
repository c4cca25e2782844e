#pragma once

// Finding and registering the file behind a catalogue row. A row resolves to
// <share>/fonts/<file name> (.ttf, .otf, .woff2 or .woff) when a packager
// put one there, else to the file its install source names (a package file,
// a joined file or a Debian font), else to nothing: the row is not
// installed. Each file is registered with the font database once per
// run; a file that can't be read as a font counts as not installed.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct RegisteredFontFile {
    QString path;
    // The family and style the font database reports for the file; they can
    // differ from the table's family ("Allerta" / "Stencil").
    QString family;
    QString style;
};

// The share folder's fonts/: the packager's files, and the npm font packages'
// files below it (the build copies them there).
QString fontPackageDirectory();

// The folder of the CJK fonts that set-up joins from their packages' slices.
QString joinedFontDirectory();

// The file behind `fileName`, or nothing when neither source has one.
std::optional<QString> resolveFontFile(const QString& fileName);

// Registers `path` once per run; nothing when it is not a readable font, or
// while registration is held (see holdFontRegistrationWhile).
std::optional<RegisteredFontFile> registerFontFileOnce(const QString& path);

// Resolves and registers the row `fileName`; nothing when it is not installed.
std::optional<RegisteredFontFile> registerInstalledFont(const QString& fileName);

// fontconfig is not safe to change while the web engine matches fonts on its
// own threads. While `pageExists` answers true, a file not registered yet is
// not handed to the font database: it is logged and counts as not installed.
void holdFontRegistrationWhile(std::function<bool()> pageExists);

// Whether registering `path` now would be held: it has no outcome yet and a
// page exists. Such a file is usable after a restart.
bool fontRegistrationHeldFor(const QString& path);

// How many files have been handed to the font database in this run.
int fontFileRegistrationCount();
