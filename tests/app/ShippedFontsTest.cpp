// Registration of the fonts shipped with the application.

#include "fonts/FontCatalogue.h"

#include <QFontDatabase>
#include <gtest/gtest.h>

namespace {

TEST(ShippedFontsTest, RegistersEachShippedFileOnce)
{
    registerLocalCJKFonts();
    const QStringList families = FontCatalogue::shared().registeredFamilies();
    EXPECT_TRUE(families.contains(QStringLiteral("DejaVu Serif")));
    EXPECT_TRUE(families.contains(QStringLiteral("DejaVu Sans Mono")));
    EXPECT_TRUE(QFontDatabase::families().contains(QStringLiteral("DejaVu Serif")));

    registerLocalCJKFonts();
    EXPECT_EQ(FontCatalogue::shared().registeredFamilies(), families);
}

} // namespace
