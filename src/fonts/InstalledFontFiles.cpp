#include "fonts/InstalledFontFiles.h"

#include "fonts/CjkScriptTags.h"

#include <QHash>
#include <array>

namespace {

// A Latin row's Fontsource package and the weight its file name or family
// names; the row uses that weight's "latin" subset file.
struct FontsourceFile {
    const char16_t* fileName;
    const char* package;
    int weight;
};

constexpr std::array<FontsourceFile, 88> fontsourceFiles { {
    { u"Abel", "abel", 400 },
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

// Japanese, Chinese and Korean rows whose Fontsource package comes in
// unicode-range slices, and Kosugi, whose design Debian ships under another
// family: scripts/join-fonts makes one regular file <name>-400-normal.ttf
// for each, named with the row's family. The Latin row of a family that has
// a CJK row uses that joined file too: it holds the Latin letters as well,
// and the page takes the Latin row's file as the one face of the family.
struct JoinedFontFile {
    const char16_t* fileName;
    const char* name;
};

constexpr std::array<JoinedFontFile, 29> joinedFiles { {
    { u"Black Han Sans", "black-han-sans" },
    { u"ZenOldMincho" TAG_JAPANESE_A, "zen-old-mincho" },
    { u"ZenMaruGothic" TAG_JAPANESE_B, "zen-maru-gothic" },
    { u"ZenKurenaido" TAG_JAPANESE_A, "zen-kurenaido" },
    { u"ZenKakuGothicNew" TAG_JAPANESE_B, "zen-kaku-gothic-new" },
    { u"ZenKakuGothicAntique" TAG_JAPANESE_A, "zen-kaku-gothic-antique" },
    { u"Yomogi" TAG_JAPANESE_A, "yomogi" },
    { u"ShipporiMinchoB1" TAG_JAPANESE_B, "shippori-mincho-b1" },
    { u"ShipporiMincho" TAG_JAPANESE_A, "shippori-mincho" },
    { u"MPLUSRounded1c" TAG_JAPANESE_B, "m-plus-rounded-1c" },
    { u"MPLUS1p" TAG_JAPANESE_A, "m-plus-1p" },
    { u"KosugiMaru" TAG_JAPANESE_A, "kosugi-maru" },
    { u"Kosugi" TAG_JAPANESE_A, "kosugi" },
    { u"KiwiMaru" TAG_JAPANESE_A, "kiwi-maru" },
    { u"KaiseiOpti" TAG_JAPANESE_A, "kaisei-opti" },
    { u"DelaGothicOne" TAG_JAPANESE_A, "dela-gothic-one" },
    { u"ZhiMangXing" TAG_CHINESE_2, "zhi-mang-xing" },
    { u"ZCOOLXiaoWei" TAG_CHINESE_2, "zcool-xiaowei" },
    { u"ZCOOLQingKeHuangYou" TAG_CHINESE_2, "zcool-qingke-huangyou" },
    { u"ZCOOLKuaiLe" TAG_CHINESE_2, "zcool-kuaile" },
    { u"MaShanZheng" TAG_CHINESE_1, "ma-shan-zheng" },
    { u"LongCang" TAG_CHINESE_1, "long-cang" },
    { u"LiuJianMaoCao" TAG_CHINESE_1, "liu-jian-mao-cao" },
    { u"PoorStory" TAG_KOREAN, "poor-story" },
    { u"IBMPlexSansKR" TAG_KOREAN, "ibm-plex-sans-kr" },
    { u"GowunBatang" TAG_KOREAN, "gowun-batang" },
    { u"GothicA1" TAG_KOREAN, "gothic-a1" },
    { u"Gaegu" TAG_KOREAN, "gaegu" },
    { u"BlackHanSans" TAG_KOREAN, "black-han-sans" },
} };

// Rows drawn in the Simplified Chinese face of Debian's Noto Sans CJK
// collection. A collection draws its first face, the Japanese one, both as the
// page's web font and under the family its registration reports, so
// scripts/join-fonts writes the face out as a file of its own.
constexpr std::array<const char16_t*, 2> simplifiedChineseRows { {
    u"SourceHanSansCN",
    u"Source Han Sans" TAG_CHINESE_2,
} };

constexpr const char* simplifiedChineseFace = "noto-sans-cjk-sc-400-normal.otf";

// Rows that come from Debian's font packages, each a single-face file.
struct DebianFontFile {
    const char16_t* fileName;
    const char* path;
};

constexpr std::array<DebianFontFile, 14> debianFiles { {
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

using Folder = InstalledFontFile::Folder;

const QHash<QString, InstalledFontFile>& installedFiles()
{
    static const QHash<QString, InstalledFontFile> files = [] {
        QHash<QString, InstalledFontFile> table;
        for (const FontsourceFile& file : fontsourceFiles) {
            const QString package = QString::fromLatin1(file.package);
            table.insert(QString::fromUtf16(file.fileName),
                { Folder::FontPackages,
                    QStringLiteral("@fontsource/%1/files/%1-latin-%2-normal.woff2").arg(package).arg(file.weight) });
        }
        for (const JoinedFontFile& file : joinedFiles)
            table.insert(QString::fromUtf16(file.fileName),
                { Folder::JoinedFonts, QString::fromLatin1(file.name) + QStringLiteral("-400-normal.ttf") });
        for (const char16_t* fileName : simplifiedChineseRows)
            table.insert(
                QString::fromUtf16(fileName), { Folder::JoinedFonts, QString::fromLatin1(simplifiedChineseFace) });
        for (const DebianFontFile& file : debianFiles)
            table.insert(QString::fromUtf16(file.fileName), { Folder::System, QString::fromLatin1(file.path) });
        return table;
    }();
    return files;
}

} // namespace

std::optional<InstalledFontFile> installedFontFileFor(const QString& fileName)
{
    const auto found = installedFiles().constFind(fileName);
    if (found == installedFiles().constEnd())
        return std::nullopt;
    return *found;
}
