#include "fonts/FontTables.h"

#include "fonts/CjkScriptTags.h"

#include <array>

namespace {

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

#undef TAG_JAPANESE_A
#undef TAG_JAPANESE_B
#undef TAG_CHINESE_2
#undef TAG_CHINESE_1
#undef TAG_KOREAN

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
