// The font tables, the catalogue merge and the resolution of a row's file.

#include "fonts/FontCatalogue.h"

#include "CjkRows.h"
#include "ShareFolder.h"
#include "fonts/FontFiles.h"
#include "fonts/FontRegistrationQueue.h"
#include "fonts/FontTables.h"
#include "fonts/InstalledFontFiles.h"
#include "support/TestFiles.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace FontUtils;

namespace {

QStringList fileNames(std::span<const FontTableRow> table)
{
    QStringList names;
    for (const FontTableRow& row : table)
        names << row.fileNameText();
    return names;
}

QList<uint> codePoints(const QString& text)
{
    QList<uint> points;
    for (char32_t c : text.toUcs4())
        points << static_cast<uint>(c);
    return points;
}

ResourceFontListModel replyWithGroups(int count)
{
    ResourceFontListModel model;
    for (int i = 0; i < count; ++i) {
        ResourceFontListModelDatas group;
        group.language = QStringLiteral("group %1").arg(i);
        ResourceFontListModelDataFontList server;
        server.fontName = QStringLiteral("Server %1").arg(i);
        server.url = QStringLiteral("http://fonts.example/%1.ttf").arg(i);
        group.fontList = { server };
        model.data.append(group);
    }
    return model;
}

} // namespace

TEST(FontTablesTest, HoldTheirRowsInOrder)
{
    struct Case {
        std::span<const FontTableRow> table;
        qsizetype size;
        const char* first;
        const char* last;
    };
    for (const Case& c : { Case { latinFonts10(), 10, "Abel", "Montserrat Alternates" },
             Case { latinFonts40(), 40, "ABee Zee", "Yesteryear" },
             Case { latinFontsArt(), 7, "Bungee Shade", "Londrina Shadow" },
             Case { latinFontsOther(), 36, "AlegreyaSansSC", "SourceHanSansCN" } }) {
        const QStringList names = fileNames(c.table);
        EXPECT_EQ(names.size(), c.size);
        EXPECT_EQ(names.first(), QLatin1String(c.first));
        EXPECT_EQ(names.last(), QLatin1String(c.last));
    }
    EXPECT_EQ(cjkFonts().size(), 67u);
    EXPECT_EQ(latinFonts40()[15].familyText(), QStringLiteral("Josefin Slab Thin"));
    EXPECT_EQ(latinFontsOther()[2].familyText(), QStringLiteral("Allerta Stencil"));
}

TEST(FontTablesTest, CjkFileNamesKeepTheirExactCodePoints)
{
    const QList<uint> japaneseA { 0x53, 0x30C, 0x7A, 0xA4, 0x45, 0x308, 0xA4, 0x55, 0x302, 0xA4, 0x6B, 0x327, 0xA4,
        0xB4, 0x53, 0x30C, 0x7B };
    const QList<uint> japaneseB { 0x5B99, 0x535E, 0x5E7B, 0x6C0F, 0x4ECD, 0x5B9B };
    const QList<uint> chinese { 0x7B80, 0x4F53, 0x4E2D, 0x6587 };
    const QList<uint> korean { 0x1112, 0x1161, 0x11AB, 0x1100, 0x1173, 0x11AF, 0x20, 0x1102, 0x1161, 0x11C0, 0x110C,
        0x1161 };
    struct Case {
        std::size_t row;
        QString stemAndSpaces;
        QList<uint> tag;
    };
    for (const Case& c : { Case { 0, QStringLiteral("ZenOldMincho "), japaneseA },
             Case { 1, QStringLiteral("ZenMaruGothic "), japaneseB },
             Case { 34, QStringLiteral("DelaGothicOne "), japaneseA },
             Case { 35, QStringLiteral("ZhiMangXing  "), chinese },
             Case { 39, QStringLiteral("Source Han Sans  "), chinese },
             Case { 40, QStringLiteral("MaShanZheng "), chinese }, Case { 43, QStringLiteral("YeonSung "), korean },
             Case { 66, QStringLiteral("BlackAndWhitePicture "), korean } }) {
        const QString name = QString::fromUtf16(cjkFonts()[c.row]);
        ASSERT_TRUE(name.startsWith(c.stemAndSpaces)) << name.toStdString();
        EXPECT_EQ(codePoints(name.mid(c.stemAndSpaces.size())), c.tag) << name.toStdString();
    }
}

TEST(FontCatalogueTest, BuildersMakeLocalRecordsFromEmptyCaches)
{
    EXPECT_EQ(latinFontList10().size(), 17);
    EXPECT_EQ(latinFontList50().size(), 57);
    latinFontListOther();
    const FontRecords other = latinFontListOther();
    EXPECT_EQ(other.size(), 36);
    EXPECT_EQ(latinFontsOtherRecords().size(), 36);

    const FontRecords ten = latinFontList10();
    EXPECT_EQ(ten.last().fontName, QStringLiteral("Londrina Shadow"));
    const ResourceFontListModelDataFontList& cabin = ten[3];
    EXPECT_EQ(cabin.fontName, QStringLiteral("Cabin Regular"));
    EXPECT_EQ(cabin.fontFamily, QStringLiteral("Cabin"));
    EXPECT_EQ(cabin.fontType, QStringLiteral("localttf"));
    EXPECT_TRUE(cabin.url.isEmpty());
    EXPECT_EQ(cabin.select, 0);
    EXPECT_EQ(cabin.isLocal, 1);
    EXPECT_NE(ten[0].id, ten[1].id);
}

TEST(FontCatalogueTest, MergeWritesTwoGroupsChosenByTheScriptClass)
{
    struct Case {
        const char* scriptClass;
        int first;
        qsizetype firstCount;
        int other;
    };
    for (const Case& c : { Case { "SimpleChinese", 0, 17, 4 }, Case { "TradtionalChinese", 2, 17, 5 },
             Case { "Japanese", 1, 17, 3 }, Case { "korean", 1, 17, 4 }, Case { "Latin", 0, 57, 4 } }) {
        SCOPED_TRACE(c.scriptClass);
        ResourceFontListModel six = replyWithGroups(6);
        mergeLocalFontsIntoCatalogue(six, QLatin1String(c.scriptClass));
        for (int i = 0; i < 6; ++i) {
            if (i == c.first)
                EXPECT_EQ(six.data[i].fontList.size(), c.firstCount);
            else if (i == c.other)
                EXPECT_EQ(six.data[i].fontList.size(), 36);
            else
                EXPECT_EQ(six.data[i].fontList.value(0).fontName, QStringLiteral("Server %1").arg(i));
        }

        // A reply with fewer groups keeps the ones it has and merges the rest.
        ResourceFontListModel two = replyWithGroups(2);
        mergeLocalFontsIntoCatalogue(two, QLatin1String(c.scriptClass));
        ASSERT_EQ(two.data.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const bool written = i == c.first;
            EXPECT_EQ(two.data[i].fontList.value(0).isLocal, written ? 1 : 0) << i;
        }
    }
}

TEST(FontFilesTest, ARowResolvesToTheShareFolderThenItsTableFileThenNothing)
{
    ShareFolder share;
    const QString shareAbel = share.add(QStringLiteral("Abel"), ".otf");
    EXPECT_EQ(resolveFontFile(QStringLiteral("Abel")), shareAbel);

    const std::optional<QString> lato = resolveFontFile(QStringLiteral("Lato"));
    ASSERT_TRUE(lato.has_value()) << "the npm font packages are not installed (scripts/setup)";
    EXPECT_TRUE(lato->startsWith(fontPackageDirectory())) << lato->toStdString();
    EXPECT_TRUE(lato->endsWith(QStringLiteral("lato-latin-400-normal.woff2")));

    EXPECT_FALSE(resolveFontFile(QStringLiteral("Caveman")).has_value());
    EXPECT_TRUE(registerLocalFontReturningPath(QStringLiteral("Caveman")).isEmpty());
    EXPECT_FALSE(resolveFontFile(QStringLiteral("../Abel")).has_value());

    // A file that isn't a font is a row that is not installed; nothing else.
    share.addUnreadable(QStringLiteral("Rye"));
    EXPECT_TRUE(registerLocalFontReturningPath(QStringLiteral("Rye")).isEmpty());
    EXPECT_FALSE(isLocalFontInstalled(QStringLiteral("Rye")));
}

TEST(FontFilesTest, EachFileIsHandedToTheFontDatabaseOnce)
{
    ShareFolder share;
    const QString path = share.add(QStringLiteral("Numans"));
    const int before = fontFileRegistrationCount();
    EXPECT_EQ(registerLocalFontReturningPath(QStringLiteral("Numans")), path);
    EXPECT_EQ(registerLocalFontReturningPath(QStringLiteral("Numans")), path);
    registerLocalFont(QStringLiteral("Numans"));
    EXPECT_EQ(fontFileRegistrationCount(), before + 1);

    const std::optional<RegisteredFontFile> font = registerFontFileOnce(path);
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->family, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(font->style, QStringLiteral("Book"));
}

TEST(FontCatalogueTest, TheCanvasListHoldsTheInstalledLatinRowsInItsOrder)
{
    ShareFolder share;
    share.addAllLatin();
    QList<ResourceFontListModelDataFontListToWebView> list = localFontListForWebView();
    ASSERT_EQ(list.size(), 93);
    EXPECT_EQ(list.first().fontName, QStringLiteral("AlegreyaSansSC"));
    EXPECT_EQ(list.first().fontFamily, QStringLiteral("Alegreya Sans SC"));
    EXPECT_EQ(list[36].fontName, QStringLiteral("Bungee Shade")); // Art follows Other
    EXPECT_EQ(list[43].fontName, QStringLiteral("ABee Zee")); // then 40, then 10
    EXPECT_EQ(list.last().fontName, QStringLiteral("Montserrat Alternates"));
    EXPECT_EQ(list.last().path, QDir(share.fontsPath()).filePath(QStringLiteral("Montserrat Alternates.ttf")));

    const nlohmann::json json = nlohmann::json::parse(localFontListJsonForWebView().toStdString());
    ASSERT_TRUE(json.is_array());
    std::vector<std::string> keys;
    for (const auto& [key, value] : json.front().items())
        keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string> { "fontFamily", "fontName", "fontType", "id", "path" }));

    // Rows without a readable file are left out: the page never gets an empty path.
    ShareFolder partial;
    partial.addAllLatin();
    QFile::remove(QDir(partial.fontsPath()).filePath(QStringLiteral("Caveman.ttf")));
    partial.addUnreadable(QStringLiteral("Levi Brush"));
    list = localFontListForWebView();
    EXPECT_EQ(list.size(), 91);
    for (const auto& font : list)
        EXPECT_FALSE(font.path.isEmpty());
}

TEST(InstalledFontsTest, EveryFileTheTableNamesIsInstalledAndRegisters)
{
    struct Table {
        const char* name;
        QStringList rows;
        int expectedInstalled;
    };
    QStringList cjk;
    for (const char16_t* name : cjkFonts())
        cjk << QString::fromUtf16(name);
    // Rows that neither the npm font packages nor Debian carry stay not installed.
    for (const Table& table : { Table { "10", fileNames(latinFonts10()), 10 },
             Table { "40", fileNames(latinFonts40()), 39 }, Table { "art", fileNames(latinFontsArt()), 5 },
             Table { "other", fileNames(latinFontsOther()), 36 }, Table { "cjk", cjk, 43 } }) {
        int installed = 0;
        for (const QString& row : table.rows) {
            if (!installedFontFileFor(row))
                continue;
            const std::optional<QString> path = resolveFontFile(row);
            ASSERT_TRUE(path.has_value()) << row.toStdString() << " (run scripts/setup)";
            EXPECT_TRUE(registerFontFileOnce(*path).has_value()) << path->toStdString();
            ++installed;
        }
        EXPECT_EQ(installed, table.expectedInstalled) << table.name;
    }
}

TEST(InstalledFontsTest, SlicedCjkRowsResolveToTheirJoinedFileUnderTheirFamily)
{
    struct Case {
        const char* stem;
        const char* file;
        const char* family;
    };
    for (const Case& c : { Case { "ZenOldMincho", "zen-old-mincho-400-normal.ttf", "Zen Old Mincho" },
             Case { "MPLUSRounded1c", "m-plus-rounded-1c-400-normal.ttf", "M PLUS Rounded 1c" },
             Case { "Kosugi", "kosugi-400-normal.ttf", "Kosugi" },
             Case { "LongCang", "long-cang-400-normal.ttf", "Long Cang" },
             Case { "BlackHanSans", "black-han-sans-400-normal.ttf", "Black Han Sans" },
             Case { "Source Han Sans", "noto-sans-cjk-sc-400-normal.otf", "Noto Sans CJK SC" } }) {
        const QString row = cjkRow(QLatin1String(c.stem));
        const std::optional<QString> path = resolveFontFile(row);
        ASSERT_TRUE(path.has_value()) << c.stem << " (run scripts/setup)";
        EXPECT_EQ(*path, QDir(joinedFontDirectory()).filePath(QLatin1String(c.file)));
        const std::optional<RegisteredFontFile> font = registerFontFileOnce(*path);
        ASSERT_TRUE(font.has_value()) << c.stem;
        EXPECT_EQ(font->family, QLatin1String(c.family));
    }

    // Without the joined files (a package missing) the rows are not installed.
    ShareFolder withoutJoinedFonts;
    EXPECT_FALSE(isLocalFontInstalled(cjkRow(QStringLiteral("ZenKurenaido"))));
    EXPECT_TRUE(registerLocalFontReturningPath(cjkRow(QStringLiteral("Kosugi"))).isEmpty());
    EXPECT_TRUE(isLocalFontInstalled(cjkRow(QStringLiteral("SawarabiMincho")))); // a Debian font
}

TEST(FontFilesTest, StartUpRegistersInLaterTurnsOfTheEventLoop)
{
    ShareFolder share;
    for (const char* name : { "Chewy", "Cookie", "Coda" })
        share.add(QLatin1String(name));
    const int before = fontFileRegistrationCount();
    FontRegistrationQueue::start(
        { QStringLiteral("Chewy"), QStringLiteral("Caveman"), QStringLiteral("Cookie"), QStringLiteral("Coda") });
    EXPECT_EQ(fontFileRegistrationCount(), before);
    EXPECT_TRUE(waitUntil([&] { return fontFileRegistrationCount() == before + 3; }));
}
