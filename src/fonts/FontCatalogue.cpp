#include "fonts/FontCatalogue.h"

#include "api/APIFactory.h"
#include "core/Log.h"
#include "core/Paths.h"

#include <QFontDatabase>

FontCatalogue& FontCatalogue::shared()
{
    static FontCatalogue catalogue;
    return catalogue;
}

QStringList FontCatalogue::shippedFontFiles()
{
    return { QStringLiteral("DejaVuSerif.ttf"), QStringLiteral("DejaVuSerif-Bold.ttf"),
        QStringLiteral("DejaVuSansMono.ttf") };
}

void requestRemoteFontList()
{
    getFontList(
        [](const ResourceFontListModel& reply) {
            FontCatalogue& catalogue = FontCatalogue::shared();
            catalogue.m_remoteFontList = reply;
            catalogue.m_hasRemoteFontList = true;
        },
        [] {});
}

void registerLocalCJKFonts()
{
    FontCatalogue& catalogue = FontCatalogue::shared();
    if (catalogue.m_registered)
        return;
    catalogue.m_registered = true;
    const QString folder = shareDirectory() + QStringLiteral("/fonts/");
    for (const QString& file : FontCatalogue::shippedFontFiles()) {
        const int id = QFontDatabase::addApplicationFont(folder + file);
        if (id < 0) {
            printLine(QStringLiteral("Failed to register font: ") + folder + file);
            continue;
        }
        for (const QString& family : QFontDatabase::applicationFontFamilies(id)) {
            if (!catalogue.m_registeredFamilies.contains(family))
                catalogue.m_registeredFamilies.append(family);
        }
    }
}
