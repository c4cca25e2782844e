#include "fonts/FontCatalogue.h"

#include "api/APIFactory.h"
#include "core/LanguageWords.h"
#include "core/Log.h"
#include "fonts/FontFiles.h"
#include "fonts/FontRegistrationQueue.h"
#include "fonts/FontTables.h"
#include "model/JsonFieldWriter.h"

namespace {

ResourceFontListModelDataFontList localRecord(const FontTableRow& row)
{
    ResourceFontListModelDataFontList record;
    record.fontFamily = row.familyText();
    record.fontType = QStringLiteral("localttf");
    record.fontName = row.fileNameText();
    record.isLocal = 1;
    return record;
}

QString describeRow(const FontTableRow& row)
{
    return QStringLiteral("[\"%1\", \"%2\"]").arg(row.fileNameText(), row.familyText());
}

QString describeRecords(const FontRecords& records)
{
    return QString::fromStdString(JsonFieldWriter::encodeList(records).dump());
}

// Refills `cache` from `table`, logging each row with `prefix`.
void rebuild(FontRecords& cache, std::span<const FontTableRow> table, const QString& prefix)
{
    cache.clear();
    for (const FontTableRow& row : table) {
        printLine(prefix + describeRow(row));
        cache.append(localRecord(row));
    }
}

struct MergePositions {
    int first;
    int other;
    bool fifty; // the first group gets latinFontList50() instead of latinFontList10()
};

MergePositions positionsFor(const QString& scriptClass)
{
    if (scriptClass == QLatin1String("SimpleChinese"))
        return { 0, 4, false };
    if (scriptClass == QLatin1String("TradtionalChinese"))
        return { 2, 5, false };
    if (scriptClass == QLatin1String("Japanese"))
        return { 1, 3, false };
    if (scriptClass == QLatin1String("korean"))
        return { 1, 4, false };
    return { 0, 4, true };
}

void writeGroup(ResourceFontListModel& model, int position, const FontRecords& records)
{
    if (position >= model.data.size()) {
        printLine(QStringLiteral("font list has no group %1; the local fonts for it are left out").arg(position));
        return;
    }
    model.data[position].fontList = records;
}

} // namespace

FontCatalogue& FontCatalogue::shared()
{
    static FontCatalogue* catalogue = new FontCatalogue;
    return *catalogue;
}

namespace FontUtils {

ResourceFontListModel& globalFontModel()
{
    static ResourceFontListModel model;
    return model;
}

FontRecords& latinFontsOtherRecords()
{
    static FontRecords records;
    return records;
}

FontRecords& latinFonts10Records()
{
    static FontRecords records;
    return records;
}

FontRecords& latinFonts40Records()
{
    static FontRecords records;
    return records;
}

FontRecords& latinFontsArtRecords()
{
    static FontRecords records;
    return records;
}

FontRecords latinFontList10()
{
    rebuild(latinFonts10Records(), latinFonts10(), QStringLiteral("latin latin latin 10 = "));
    rebuild(latinFontsArtRecords(), latinFontsArt(), QStringLiteral("latin latin latin art = "));
    const FontRecords list = latinFonts10Records() + latinFontsArtRecords();
    printLine(QStringLiteral("latin latin latin 10 arr = ") + describeRecords(list));
    return list;
}

FontRecords latinFontList50()
{
    rebuild(latinFonts10Records(), latinFonts10(), QStringLiteral("latin latin latin 10 = "));
    rebuild(latinFonts40Records(), latinFonts40(), QStringLiteral("latin latin latin 40 = "));
    rebuild(latinFontsArtRecords(), latinFontsArt(), QStringLiteral("latin latin latin art = "));
    const FontRecords list = latinFonts10Records() + latinFonts40Records() + latinFontsArtRecords();
    printLine(QStringLiteral("latin latin latin 50 arr = ") + describeRecords(list));
    return list;
}

FontRecords latinFontListOther()
{
    rebuild(latinFontsOtherRecords(), latinFontsOther(), QStringLiteral("latin latin latin other = "));
    return latinFontsOtherRecords();
}

void mergeLocalFontsIntoCatalogue(ResourceFontListModel& model, const QString& scriptClass)
{
    const MergePositions positions = positionsFor(scriptClass);
    writeGroup(model, positions.first, positions.fifty ? latinFontList50() : latinFontList10());
    writeGroup(model, positions.other, latinFontListOther());
    printLine(QStringLiteral("globalFontModel = ") + QString::fromStdString(JsonFieldWriter::encode(model).dump()));
}

void mergeLocalFontsIntoCatalogue()
{
    mergeLocalFontsIntoCatalogue(globalFontModel(), fontScriptClass());
}

void requestRemoteFontList()
{
    getFontList(
        [](const ResourceFontListModel& reply) {
            // A reply whose groups didn't decode (wrong types) is no catalogue.
            if (reply.data.isEmpty()) {
                printLine(QStringLiteral("font list without groups; the catalogue is kept"));
                return;
            }
            globalFontModel() = reply;
            mergeLocalFontsIntoCatalogue();
            Q_EMIT FontCatalogue::shared().catalogueChanged();
        },
        [] {}, &FontCatalogue::shared());
}

void registerLocalCJKFonts()
{
    // The Latin rows follow, so that the first design load finds them
    // registered instead of reading 89 files at once.
    QStringList rows;
    for (const char16_t* name : cjkFonts())
        rows.append(QString::fromUtf16(name));
    for (auto table : { latinFontsOther(), latinFontsArt(), latinFonts40(), latinFonts10() })
        for (const FontTableRow& row : table)
            rows.append(row.fileNameText());
    FontRegistrationQueue::start(std::move(rows));
}

void registerLocalFont(const QString& fileName)
{
    registerInstalledFont(fileName);
}

QString registerLocalFontReturningPath(const QString& fileName)
{
    const std::optional<RegisteredFontFile> font = registerInstalledFont(fileName);
    return font ? font->path : QString();
}

bool isLocalFontInstalled(const QString& fileName)
{
    return registerInstalledFont(fileName).has_value();
}

QList<ResourceFontListModelDataFontListToWebView> localFontListForWebView()
{
    QList<ResourceFontListModelDataFontListToWebView> list;
    const std::pair<std::span<const FontTableRow>, QString> tables[] = {
        { latinFontsOther(), QStringLiteral("latin latin latin other = ") },
        { latinFontsArt(), QStringLiteral("latin latin latin art = ") },
        { latinFonts40(), QStringLiteral("latin latin latin 40 = ") },
        { latinFonts10(), QStringLiteral("latin latin latin 10 = ") },
    };
    for (const auto& [table, prefix] : tables) {
        for (const FontTableRow& row : table) {
            printLine(prefix + describeRow(row));
            const QString path = registerLocalFontReturningPath(row.fileNameText());
            if (path.isEmpty())
                continue;
            ResourceFontListModelDataFontListToWebView record;
            record.fontFamily = row.familyText();
            record.fontType = QStringLiteral("localttf");
            record.fontName = row.fileNameText();
            record.path = path;
            list.append(record);
        }
    }
    return list;
}

QString localFontListJsonForWebView()
{
    return fontListJsonForWebView(localFontListForWebView());
}

} // namespace FontUtils
