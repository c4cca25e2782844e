#include "fonts/FontTables.h"

#include <QHash>
#include <array>

namespace {

// Script tags of the Japanese, Chinese and Korean file names, as stored.
#define TAG_JAPANESE_A                                                                                                 \
    u" \u0053\u030C\u007A\u00A4\u0045\u0308\u00A4\u0055\u0302\u00A4\u006B\u0327\u00A4\u00B4\u0053\u030C\u007B"
#define TAG_JAPANESE_B u" \u5B99\u535E\u5E7B\u6C0F\u4ECD\u5B9B"
#define TAG_CHINESE_2 u"  \u7B80\u4F53\u4E2D\u6587"
#define TAG_CHINESE_1 u" \u7B80\u4F53\u4E2D\u6587"
#define TAG_KOREAN u" \u1112\u1161\u11AB\u1100\u1173\u11AF\u0020\u1102\u1161\u11C0\u110C\u1161"

constexpr std::array<FontTableRow, 10> fonts10 { {
    { u"Abel", u"Abel" },
    { u"Black Han Sans", u"Black Han Sans" },
    { u"Bungee", u"Bungee" },
    { u"Cabin Regular", u"Cabin" },
    { u"Chango", u"Chango" },
    { u"Dancing Script", u"Dancing Script" },
    { u"Fasthand", u"Fasthand" },
    { u"Galada", u"Galada" },
    { u"Holtwood One SC", u"Holtwood One SC" },
    { u"Montserrat Alternates", u"Montserrat Alternates" },
} };

constexpr std::array<FontTableRow, 40> fonts40 { {
    { u"ABee Zee", u"ABeeZee" },
    { u"Audiowide", u"Audiowide" },
    { u"Bungee Outline", u"Bungee Outline" },
    { u"Cabin Sketch", u"Cabin Sketch" },
    { u"Chewy", u"Chewy" },
    { u"Coda", u"Coda" },
    { u"Cookie", u"Cookie" },
    { u"Courgette", u"Courgette" },
    { u"Devonshire", u"Devonshire" },
    { u"Dr Sugiyama", u"Dr Sugiyama" },
    { u"Freckle Face", u"Freckle Face" },
    { u"Fredoka One", u"Fredoka One" },
    { u"Freehand", u"Freehand" },
    { u"Fugaz One", u"Fugaz One" },
    { u"Geo", u"Geo" },
    { u"Josefin Slab", u"Josefin Slab Thin" },
    { u"Julius Sans One", u"Julius Sans One" },
    { u"Jura Regular", u"Jura" },
    { u"Kaushan Script", u"Kaushan Script" },
    { u"Kelly Slab", u"Kelly Slab" },
    { u"Krona One", u"Krona One" },
    { u"Lato", u"Lato" },
    { u"Megrim Regular", u"Megrim" },
    { u"Meie Script", u"Meie Script" },
    { u"Merienda", u"Merienda" },
    { u"Mitr Extra Light", u"Mitr ExtraLight" },
    { u"Mitr Semi Bold", u"Mitr SemiBold" },
    { u"Numans", u"Numans" },
    { u"Oleo Script Swash Caps", u"Oleo Script Swash Caps" },
    { u"OpenSans", u"Open Sans" },
    { u"Oswald", u"Oswald" },
    { u"Passero One", u"Passero One" },
    { u"Poller One", u"Poller One" },
    { u"Raleway", u"Raleway" },
    { u"Rationale", u"Rationale" },
    { u"Roboto", u"Roboto" },
    { u"Rye", u"Rye" },
    { u"Source Sans Pro", u"Source Sans Pro" },
    { u"Vibur", u"Vibur" },
    { u"Yesteryear", u"Yesteryear" },
} };

constexpr std::array<FontTableRow, 7> fontsArt { {
    { u"Bungee Shade", u"Bungee Shade" },
    { u"Caveman", u"Caveman" },
    { u"Ewert", u"Ewert" },
    { u"Hanalei", u"Hanalei" },
    { u"Levi Brush", u"LeviBrush" },
    { u"Londrina Outline", u"Londrina Outline" },
    { u"Londrina Shadow", u"Londrina Shadow" },
} };

constexpr std::array<FontTableRow, 36> fontsOther { {
    { u"AlegreyaSansSC", u"Alegreya Sans SC" },
    { u"Alfa Slab One", u"Alfa Slab One" },
    { u"Allerta Stencil Regular", u"Allerta Stencil" },
    { u"Archivo Black", u"Archivo Black" },
    { u"Black Ops One", u"Black Ops One" },
    { u"Ceviche One", u"Ceviche One" },
    { u"Comfortaa", u"Comfortaa" },
    { u"Concert One", u"Concert One" },
    { u"Damion", u"Damion" },
    { u"DoppioOne", u"Doppio One" },
    { u"Dosis Regular", u"Dosis" },
    { u"Graduate", u"Graduate" },
    { u"Gravitas One", u"Gravitas One" },
    { u"Grechen Fuemen", u"Grechen Fuemen" },
    { u"Homemade Apple", u"Homemade Apple" },
    { u"Jura Semi Bold", u"Jura SemiBold" },
    { u"Knewave", u"Knewave" },
    { u"Lalezar", u"Lalezar" },
    { u"Lily Script One", u"Lily Script One" },
    { u"Lobster Two", u"Lobster Two" },
    { u"Mandali Regular", u"Mandali" },
    { u"Mitr Regular", u"Mitr" },
    { u"Monoton Regular", u"Monoton" },
    { u"Montserrat", u"Montserrat" },
    { u"Orbitron", u"Orbitron" },
    { u"Passion One", u"Passion One" },
    { u"Plaster", u"Plaster" },
    { u"Play Regular", u"Play" },
    { u"Playball", u"Playball" },
    { u"Poppins", u"Poppins" },
    { u"Quantico", u"Quantico" },
    { u"Sigmar One", u"Sigmar One" },
    { u"Six Caps Regular", u"Six Caps" },
    { u"Sonsie One", u"Sonsie One" },
    { u"Wallpoet", u"Wallpoet" },
    { u"SourceHanSansCN", u"SourceHanSansCN" },
} };

constexpr std::array<const char16_t*, 67> cjk { {
    // Japanese.
    u"ZenOldMincho" TAG_JAPANESE_A,
    u"ZenMaruGothic" TAG_JAPANESE_B,
    u"ZenKurenaido" TAG_JAPANESE_A,
    u"ZenKakuGothicNew" TAG_JAPANESE_B,
    u"ZenKakuGothicAntique" TAG_JAPANESE_A,
    u"ZenAntiqueSoft" TAG_JAPANESE_A,
    u"ZenAntique" TAG_JAPANESE_A,
    u"YuseiMagic" TAG_JAPANESE_B,
    u"Yomogi" TAG_JAPANESE_A,
    u"TrainOne" TAG_JAPANESE_A,
    u"Stick" TAG_JAPANESE_A,
    u"ShipporiMinchoB1" TAG_JAPANESE_B,
    u"ShipporiMincho" TAG_JAPANESE_A,
    u"SawarabiMincho" TAG_JAPANESE_A,
    u"SawarabiGothic" TAG_JAPANESE_B,
    u"RocknRollOne" TAG_JAPANESE_A,
    u"ReggaeOne" TAG_JAPANESE_A,
    u"RampartOne" TAG_JAPANESE_A,
    u"PottaOne" TAG_JAPANESE_A,
    u"PaletteMosaic" TAG_JAPANESE_B,
    u"OtomanopeeOne" TAG_JAPANESE_A,
    u"NewTegomin" TAG_JAPANESE_A,
    u"MPLUSRounded1c" TAG_JAPANESE_B,
    u"MPLUS1p" TAG_JAPANESE_A,
    u"KosugiMaru" TAG_JAPANESE_A,
    u"Kosugi" TAG_JAPANESE_A,
    u"KleeOne" TAG_JAPANESE_A,
    u"KiwiMaru" TAG_JAPANESE_A,
    u"KaiseiTokumin" TAG_JAPANESE_A,
    u"KaiseiOpti" TAG_JAPANESE_A,
    u"KaiseiHarunoUmi" TAG_JAPANESE_A,
    u"HinaMincho" TAG_JAPANESE_A,
    u"HachiMaruPop" TAG_JAPANESE_A,
    u"DotGothic16" TAG_JAPANESE_B,
    u"DelaGothicOne" TAG_JAPANESE_A,
    // Chinese.
    u"ZhiMangXing" TAG_CHINESE_2,
    u"ZCOOLXiaoWei" TAG_CHINESE_2,
    u"ZCOOLQingKeHuangYou" TAG_CHINESE_2,
    u"ZCOOLKuaiLe" TAG_CHINESE_2,
    u"Source Han Sans" TAG_CHINESE_2,
    u"MaShanZheng" TAG_CHINESE_1,
    u"LongCang" TAG_CHINESE_1,
    u"LiuJianMaoCao" TAG_CHINESE_1,
    // Korean.
    u"YeonSung" TAG_KOREAN,
    u"Stylish" TAG_KOREAN,
    u"SongMyung" TAG_KOREAN,
    u"SingleDay" TAG_KOREAN,
    u"PoorStory" TAG_KOREAN,
    u"NanumPenScript" TAG_KOREAN,
    u"NanumMyeongjo" TAG_KOREAN,
    u"NanumGothicCoding" TAG_KOREAN,
    u"NanumGothic" TAG_KOREAN,
    u"KirangHaerang" TAG_KOREAN,
    u"IBMPlexSansKR" TAG_KOREAN,
    u"HiMelody" TAG_KOREAN,
    u"Hahmlet" TAG_KOREAN,
    u"GowunDodum" TAG_KOREAN,
    u"GowunBatang" TAG_KOREAN,
    u"GothicA1" TAG_KOREAN,
    u"GamjaFlower" TAG_KOREAN,
    u"Gaegu" TAG_KOREAN,
    u"EastSeaDokdo" TAG_KOREAN,
    u"Dokdo" TAG_KOREAN,
    u"DoHyeon" TAG_KOREAN,
    u"CuteFont" TAG_KOREAN,
    u"BlackHanSans" TAG_KOREAN,
    u"BlackAndWhitePicture" TAG_KOREAN,
} };

// A Latin row's Fontsource package and the weight its file name or family
// names; the row uses that weight's "latin" subset file.
struct FontsourceFile {
    const char16_t* fileName;
    const char* package;
    int weight;
};

constexpr std::array<FontsourceFile, 89> fontsourceFiles { {
    { u"Abel", "abel", 400 },
    { u"Black Han Sans", "black-han-sans", 400 },
    { u"Bungee", "bungee", 400 },
    { u"Cabin Regular", "cabin", 400 },
    { u"Chango", "chango", 400 },
    { u"Dancing Script", "dancing-script", 400 },
    { u"Fasthand", "fasthand", 400 },
    { u"Galada", "galada", 400 },
    { u"Holtwood One SC", "holtwood-one-sc", 400 },
    { u"Montserrat Alternates", "montserrat-alternates", 400 },
    { u"ABee Zee", "abeezee", 400 },
    { u"Audiowide", "audiowide", 400 },
    { u"Bungee Outline", "bungee-outline", 400 },
    { u"Cabin Sketch", "cabin-sketch", 400 },
    { u"Chewy", "chewy", 400 },
    { u"Coda", "coda", 400 },
    { u"Cookie", "cookie", 400 },
    { u"Courgette", "courgette", 400 },
    { u"Dr Sugiyama", "dr-sugiyama", 400 },
    { u"Freckle Face", "freckle-face", 400 },
    { u"Fredoka One", "fredoka-one", 400 },
    { u"Freehand", "freehand", 400 },
    { u"Fugaz One", "fugaz-one", 400 },
    { u"Geo", "geo", 400 },
    { u"Josefin Slab", "josefin-slab", 100 },
    { u"Julius Sans One", "julius-sans-one", 400 },
    { u"Jura Regular", "jura", 400 },
    { u"Kaushan Script", "kaushan-script", 400 },
    { u"Kelly Slab", "kelly-slab", 400 },
    { u"Krona One", "krona-one", 400 },
    { u"Lato", "lato", 400 },
    { u"Megrim Regular", "megrim", 400 },
    { u"Meie Script", "meie-script", 400 },
    { u"Merienda", "merienda", 400 },
    { u"Mitr Extra Light", "mitr", 200 },
    { u"Mitr Semi Bold", "mitr", 600 },
    { u"Numans", "numans", 400 },
    { u"Oleo Script Swash Caps", "oleo-script-swash-caps", 400 },
    { u"OpenSans", "open-sans", 400 },
    { u"Oswald", "oswald", 400 },
    { u"Passero One", "passero-one", 400 },
    { u"Poller One", "poller-one", 400 },
    { u"Raleway", "raleway", 400 },
    { u"Rationale", "rationale", 400 },
    { u"Roboto", "roboto", 400 },
    { u"Rye", "rye", 400 },
    { u"Source Sans Pro", "source-sans-pro", 400 },
    { u"Vibur", "vibur", 400 },
    { u"Yesteryear", "yesteryear", 400 },
    { u"Bungee Shade", "bungee-shade", 400 },
    { u"Ewert", "ewert", 400 },
    { u"Hanalei", "hanalei", 400 },
    { u"Londrina Outline", "londrina-outline", 400 },
    { u"Londrina Shadow", "londrina-shadow", 400 },
    { u"AlegreyaSansSC", "alegreya-sans-sc", 400 },
    { u"Alfa Slab One", "alfa-slab-one", 400 },
    { u"Allerta Stencil Regular", "allerta-stencil", 400 },
    { u"Archivo Black", "archivo-black", 400 },
    { u"Black Ops One", "black-ops-one", 400 },
    { u"Ceviche One", "ceviche-one", 400 },
    { u"Comfortaa", "comfortaa", 400 },
    { u"Concert One", "concert-one", 400 },
    { u"Damion", "damion", 400 },
    { u"DoppioOne", "doppio-one", 400 },
    { u"Dosis Regular", "dosis", 400 },
    { u"Graduate", "graduate", 400 },
    { u"Gravitas One", "gravitas-one", 400 },
    { u"Grechen Fuemen", "grechen-fuemen", 400 },
    { u"Homemade Apple", "homemade-apple", 400 },
    { u"Jura Semi Bold", "jura", 600 },
    { u"Knewave", "knewave", 400 },
    { u"Lalezar", "lalezar", 400 },
    { u"Lily Script One", "lily-script-one", 400 },
    { u"Lobster Two", "lobster-two", 400 },
    { u"Mandali Regular", "mandali", 400 },
    { u"Mitr Regular", "mitr", 400 },
    { u"Monoton Regular", "monoton", 400 },
    { u"Montserrat", "montserrat", 400 },
    { u"Orbitron", "orbitron", 400 },
    { u"Passion One", "passion-one", 400 },
    { u"Plaster", "plaster", 400 },
    { u"Play Regular", "play", 400 },
    { u"Playball", "playball", 400 },
    { u"Poppins", "poppins", 400 },
    { u"Quantico", "quantico", 400 },
    { u"Sigmar One", "sigmar-one", 400 },
    { u"Six Caps Regular", "six-caps", 400 },
    { u"Sonsie One", "sonsie-one", 400 },
    { u"Wallpoet", "wallpoet", 400 },
} };

// Rows that come from Debian's font packages.
struct DebianFontFile {
    const char16_t* fileName;
    const char* path;
};

constexpr const char* notoSansCjk = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";

constexpr std::array<DebianFontFile, 16> debianFiles { {
    { u"SourceHanSansCN", notoSansCjk },
    { u"Source Han Sans" TAG_CHINESE_2, notoSansCjk },
    { u"SawarabiMincho" TAG_JAPANESE_A, "/usr/share/fonts/truetype/sawarabi-mincho/sawarabi-mincho-medium.ttf" },
    { u"SawarabiGothic" TAG_JAPANESE_B, "/usr/share/fonts/truetype/sawarabi-gothic/sawarabi-gothic-medium.ttf" },
    { u"DotGothic16" TAG_JAPANESE_B, "/usr/share/fonts/truetype/dotgothic16/DotGothic16-Regular.ttf" },
    { u"Stick" TAG_JAPANESE_A, "/usr/share/fonts/truetype/stick/Stick-Regular.ttf" },
    { u"KleeOne" TAG_JAPANESE_A, "/usr/share/fonts/truetype/klee/KleeOne-Regular.ttf" },
    { u"YuseiMagic" TAG_JAPANESE_B, "/usr/share/fonts/truetype/yusei-magic/YuseiMagic-Regular.ttf" },
    { u"TrainOne" TAG_JAPANESE_A, "/usr/share/fonts/truetype/train/TrainOne-Regular.ttf" },
    { u"RampartOne" TAG_JAPANESE_A, "/usr/share/fonts/truetype/rampart/RampartOne-Regular.ttf" },
    { u"ReggaeOne" TAG_JAPANESE_A, "/usr/share/fonts/truetype/reggae/ReggaeOne-Regular.ttf" },
    { u"RocknRollOne" TAG_JAPANESE_A, "/usr/share/fonts/truetype/rocknroll/RocknRollOne-Regular.ttf" },
    { u"NanumGothic" TAG_KOREAN, "/usr/share/fonts/truetype/nanum/NanumGothic.ttf" },
    { u"NanumMyeongjo" TAG_KOREAN, "/usr/share/fonts/truetype/nanum/NanumMyeongjo.ttf" },
    { u"NanumGothicCoding" TAG_KOREAN, "/usr/share/fonts/truetype/nanum/NanumGothicCoding.ttf" },
    { u"NanumPenScript" TAG_KOREAN, "/usr/share/fonts/truetype/nanum/NanumPen.ttf" },
} };

#undef TAG_JAPANESE_A
#undef TAG_JAPANESE_B
#undef TAG_CHINESE_2
#undef TAG_CHINESE_1
#undef TAG_KOREAN

const QHash<QString, QString>& installedFiles()
{
    static const QHash<QString, QString> files = [] {
        QHash<QString, QString> table;
        for (const FontsourceFile& file : fontsourceFiles) {
            const QString package = QString::fromLatin1(file.package);
            table.insert(QString::fromUtf16(file.fileName),
                QStringLiteral("@fontsource/%1/files/%1-latin-%2-normal.woff2").arg(package).arg(file.weight));
        }
        for (const DebianFontFile& file : debianFiles)
            table.insert(QString::fromUtf16(file.fileName), QString::fromLatin1(file.path));
        return table;
    }();
    return files;
}

} // namespace

std::span<const FontTableRow> latinFonts10()
{
    return fonts10;
}

std::span<const FontTableRow> latinFonts40()
{
    return fonts40;
}

std::span<const FontTableRow> latinFontsArt()
{
    return fontsArt;
}

std::span<const FontTableRow> latinFontsOther()
{
    return fontsOther;
}

std::span<const char16_t* const> cjkFonts()
{
    return cjk;
}

QString installedFontFileFor(const QString& fileName)
{
    return installedFiles().value(fileName);
}
