#include "fonts/TextFontFamilySheet.h"

#include "canvas/FontFaceStyle.h"
#include "core/Localization.h"
#include "core/Log.h"
#include "core/RxBus.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/SidePanelValues.h"
#include "editor/sheets/SelectedObjectWatcher.h"
#include "fonts/FontCatalogue.h"
#include "fonts/FontFiles.h"
#include "fonts/FontItem.h"
#include "fonts/FontSheetEvents.h"
#include "globals/AppGlobals.h"
#include "model/JsonFieldWriter.h"

#include <QVBoxLayout>

namespace {

constexpr int listPadding = 10;

FontItem::Entry entryFor(const ResourceFontListModelDataFontList& font)
{
    FontItem::Entry entry { font.fontName, font.fontFamily, font.url, font.isLocal, true, QFont(font.fontFamily) };
    if (font.isLocal == 0)
        return entry;
    // A shipped font is drawn in the family and style the font database
    // reports for its file, which can differ from the catalogue's family.
    const std::optional<RegisteredFontFile> file = registerInstalledFont(font.fontName);
    entry.installed = file.has_value();
    if (file) {
        entry.font = QFont(file->family);
        if (!file->style.isEmpty())
            entry.font.setStyleName(file->style);
    }
    return entry;
}

} // namespace

TextFontFamilySheet::TextFontFamilySheet(EditLogoViewModel& model, QWidget* parent)
    : SidePanelFrame(EditorPanel::TextFontFamily, { QStringLiteral("Font") }, 0, parent)
    , m_model(model)
    , m_list(new QWidget(this))
    , m_listLayout(new QVBoxLayout(m_list))
{
    m_listLayout->setContentsMargins(0, listPadding, 0, listPadding);
    m_listLayout->setSpacing(0);
    m_listLayout->addStretch(1);
    setScrollingBody(m_list);

    CanvasTextModel text = model.panelValues().canvasTextModel();
    nlohmann::json described = nlohmann::json::object();
    JsonFieldWriter writer(described);
    CanvasTextModel::fields(text, writer);
    printLine(QStringLiteral("canvasTextModel = ") + QString::fromStdString(described.dump()));

    subscribeEvent<FontSelectEvent::SelectChangeEvent>(
        this, [this](const FontSelectEvent::SelectChangeEvent& event) { setSelectFontName(event.fontName); });
    subscribeEvent<EditFontEvent::TextFontFamilyDownloadSuccessEvent>(this,
        [this](const EditFontEvent::TextFontFamilyDownloadSuccessEvent& event) { setLoading(event.fontName, false); });
    subscribeEvent<EditFontEvent::TextFontFamilyDownloadFailEvent>(this,
        [this](const EditFontEvent::TextFontFamilyDownloadFailEvent& event) { endLoadWithoutFont(event.fontName); });
    subscribeEvent<EditFontEvent::TextFontFamilyDownloadForgottenEvent>(
        this, [this](const EditFontEvent::TextFontFamilyDownloadForgottenEvent& event) {
            endLoadWithoutFont(event.fontName);
        });
    connect(&FontCatalogue::shared(), &FontCatalogue::catalogueChanged, this, &TextFontFamilySheet::rebuildRows);
    auto* watcher = new SelectedObjectWatcher(model, this);
    connect(watcher, &SelectedObjectWatcher::selectedObjectChanged, this, &TextFontFamilySheet::selectedObjectChanged);
    rebuildRows();
    tickSelectedText();
}

void TextFontFamilySheet::rebuildRows()
{
    qDeleteAll(m_rows);
    m_rows.clear();
    int position = 0;
    for (const ResourceFontListModelDatas& group : FontUtils::globalFontModel().data) {
        for (const ResourceFontListModelDataFontList& font : group.fontList) {
            auto* row = new FontItem(entryFor(font), m_list);
            connect(row, &FontItem::clicked, this, [this, row] { clickRow(row); });
            m_listLayout->insertWidget(position++, row);
            m_rows.append(row);
        }
    }
    tickFont(m_selectFontName);
}

void TextFontFamilySheet::clickRow(FontItem* row)
{
    const FontItem::Entry& entry = row->entry();
    if (m_model.selection() != EditorSelection::Text || m_selectFontName == entry.name || !entry.installed)
        return;
    if (entry.isLocal != 0) {
        RxBus::shared().post(EditFontEvent::TextFontFamilyChangeEvent { entry.family, entry.name, false, {}, 0 });
        RxBus::shared().post(FontSelectEvent::SelectChangeEvent { entry.family });
    } else {
        m_selectionBeforeDownload = m_selectFontName;
        setLoading(entry.name, true);
        RxBus::shared().post(EditFontEvent::TextFontFamilyDownloadEvent { entry.family, entry.name, entry.url });
    }
    setSelectFontName(entry.name);
}

void TextFontFamilySheet::tickFont(const QString& font)
{
    const FontItem* ticked = nullptr;
    for (const FontItem* row : font.isEmpty() ? QList<FontItem*>() : m_rows) {
        if (row->entry().name == font) {
            ticked = row;
            break;
        }
        if (!ticked && row->entry().family == font)
            ticked = row;
    }
    setSelectFontName(ticked ? ticked->entry().name : font);
}

void TextFontFamilySheet::tickSelectedText()
{
    if (m_model.selection() != EditorSelection::Text) {
        setSelectFontName(QString());
        return;
    }
    const CanvasTextModel& text = m_model.panelValues().canvasTextModel();
    const FontFaceStyle face = FontFaceStyle::ofText(text.fontWeight, text.fontStyle);
    for (const FontItem* row : m_rows) {
        const FontItem::Entry& entry = row->entry();
        if (entry.family == text.fontFamily && FontFaceStyle::ofRow(entry.name, entry.family) == face) {
            setSelectFontName(entry.name);
            return;
        }
    }
    tickFont(text.fontFamily);
}

// Another text, a graphic or nothing is selected now: its font is ticked, and
// a failed load of a font asked for before does not tick the earlier one back.
void TextFontFamilySheet::selectedObjectChanged()
{
    tickSelectedText();
    m_selectionBeforeDownload = m_selectFontName;
}

void TextFontFamilySheet::setLoading(const QString& fontName, bool loading)
{
    for (FontItem* row : m_rows) {
        if (row->entry().name == fontName)
            row->setLoading(loading);
    }
}

void TextFontFamilySheet::setSelectFontName(const QString& name)
{
    m_selectFontName = name;
    for (FontItem* row : m_rows)
        row->setSelectedRow(row->entry().name == name);
}

// A load that failed or was forgotten: the row stops spinning, and a row
// ticked for it alone is unticked, so that it can be picked again.
void TextFontFamilySheet::endLoadWithoutFont(const QString& fontName)
{
    setLoading(fontName, false);
    if (fontName.isEmpty() || m_selectFontName != fontName)
        return;
    setSelectFontName(m_selectionBeforeDownload);
}
