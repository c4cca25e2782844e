#include "fonts/FontFiles.h"

#include "core/Log.h"
#include "core/Paths.h"
#include "fonts/InstalledFontFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>
#include <QRawFont>

namespace {

// A path's registration outcome, kept for the run: nothing for a failure.
QHash<QString, std::optional<RegisteredFontFile>>& registrations()
{
    static QHash<QString, std::optional<RegisteredFontFile>> table;
    return table;
}

int& registrationCount()
{
    static int count = 0;
    return count;
}

std::function<bool()>& registrationHold()
{
    static std::function<bool()> hold;
    return hold;
}

} // namespace

QString fontPackageDirectory()
{
    return shareDirectory() + QStringLiteral("/fonts");
}

QString joinedFontDirectory()
{
    return fontPackageDirectory() + QStringLiteral("/joined");
}

std::optional<QString> resolveFontFile(const QString& fileName)
{
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('/')) || fileName.startsWith(QLatin1Char('.')))
        return std::nullopt;
    const QDir shareFonts(fontPackageDirectory());
    for (const char* extension : { ".ttf", ".otf", ".woff2", ".woff" }) {
        const QString candidate = shareFonts.filePath(fileName + QLatin1String(extension));
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    const std::optional<InstalledFontFile> installed = installedFontFileFor(fileName);
    if (!installed)
        return std::nullopt;
    QString path = installed->path;
    if (installed->folder == InstalledFontFile::Folder::FontPackages)
        path = QDir(fontPackageDirectory()).filePath(path);
    else if (installed->folder == InstalledFontFile::Folder::JoinedFonts)
        path = QDir(joinedFontDirectory()).filePath(path);
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    return path;
}

std::optional<RegisteredFontFile> registerFontFileOnce(const QString& path)
{
    auto& table = registrations();
    const auto known = table.constFind(path);
    if (known != table.constEnd())
        return *known;
    // Not kept: once no page is left the file may still be registered.
    if (fontRegistrationHeldFor(path)) {
        printLine(QStringLiteral("Font not registered while a web page exists: ") + path);
        return std::nullopt;
    }

    ++registrationCount();
    std::optional<RegisteredFontFile> outcome;
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        printLine(QStringLiteral("Failed to register font: ") + path);
    } else {
        const QRawFont raw(path, 14);
        outcome = RegisteredFontFile { path, families.first(), raw.isValid() ? raw.styleName() : QString() };
    }
    table.insert(path, outcome);
    return outcome;
}

std::optional<RegisteredFontFile> registerInstalledFont(const QString& fileName)
{
    const std::optional<QString> path = resolveFontFile(fileName);
    if (!path)
        return std::nullopt;
    return registerFontFileOnce(*path);
}

void holdFontRegistrationWhile(std::function<bool()> pageExists)
{
    registrationHold() = std::move(pageExists);
}

bool fontRegistrationHeldFor(const QString& path)
{
    return !registrations().contains(path) && registrationHold() && registrationHold()();
}

int fontFileRegistrationCount()
{
    return registrationCount();
}
