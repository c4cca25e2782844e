// The font family sheet against a catalogue, without a page: the events of
// each click, the spinner, a failed load, the selection it follows and the
// close.

#include "core/RxBus.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/EditorTestSupport.h"
#include "fonts/FontCatalogue.h"
#include "fonts/FontItem.h"
#include "fonts/FontServices.h"
#include "fonts/FontSheetEvents.h"
#include "fonts/TextFontFamilySheet.h"
#include "support/UserClick.h"

#include <QObject>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace FontUtils;

namespace {

ResourceFontListModelDataFontList font(const char* name, const char* family, int isLocal, const char* url = "")
{
    ResourceFontListModelDataFontList entry;
    entry.fontName = QLatin1String(name);
    entry.fontFamily = QLatin1String(family);
    entry.isLocal = isLocal;
    entry.url = QLatin1String(url);
    return entry;
}

ResourceFontListModel catalogue()
{
    ResourceFontListModelDatas local;
    local.fontList = { font("Abel", "Abel", 1), font("Cabin Regular", "Cabin", 1), font("Caveman", "Caveman", 1) };
    ResourceFontListModelDatas remote;
    remote.fontList = { font("DejaVu Sans Bold", "DejaVu Sans", 0, "http://fonts.example/a.ttf"),
        font("DejaVu Serif", "DejaVu Serif", 0, "http://fonts.example/b.ttf"),
        font("DejaVu Serif Bold", "DejaVu Serif", 0, "http://fonts.example/c.ttf") };
    ResourceFontListModel model;
    model.data = { local, remote };
    return model;
}

class FontSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_savedCatalogue = globalFontModel();
        globalFontModel() = catalogue();
        using namespace EditFontEvent;
        subscribeEvent<TextFontFamilyChangeEvent>(&m_context, [this](const TextFontFamilyChangeEvent& e) {
            m_events << QStringLiteral("change %1|%2|%3").arg(e.family, e.fontName).arg(e.isLoadFont);
        });
        subscribeEvent<FontSelectEvent::SelectChangeEvent>(
            &m_context, [this](const FontSelectEvent::SelectChangeEvent& e) {
                m_events << QStringLiteral("select ") + e.fontName;
            });
        subscribeEvent<TextFontFamilyDownloadEvent>(&m_context, [this](const TextFontFamilyDownloadEvent& e) {
            m_events << QStringLiteral("download %1|%2|%3").arg(e.family, e.fontName, e.url);
        });
        subscribeEvent<ShowTextFontFamilySheetEvent>(
            &m_context, [this](const ShowTextFontFamilySheetEvent&) { m_events << QStringLiteral("show"); });
    }
    void TearDown() override { globalFontModel() = m_savedCatalogue; }

    // Selects a text in the editor, as the page does.
    static void selectText(const QString& id, const QString& fontFamily, const QString& fontWeight = "normal")
    {
        CanvasTextModel text;
        text.id = id;
        text.fontFamily = fontFamily;
        text.fontWeight = fontWeight;
        RxBus::shared().post(EditFontEvent::CanvasTextData { text });
    }

    std::unique_ptr<TextFontFamilySheet> openSheet(const QString& textFamily)
    {
        selectText(QStringLiteral("first"), textFamily);
        auto sheet = std::make_unique<TextFontFamilySheet>(m_model, nullptr);
        sheet->resize(270, 522);
        sheet->show();
        EXPECT_TRUE(waitUntil([&] { return sheet->content()->x() == 0; }, 3000));
        return sheet;
    }

    static FontItem* row(const TextFontFamilySheet& sheet, const QString& name)
    {
        for (FontItem* item : sheet.rows())
            if (item->entry().name == name)
                return item;
        return nullptr;
    }

    RecordingCanvas m_canvas;
    EditLogoViewModel m_model { "<svg/>", 42, false, m_canvas.controller() };
    QObject m_context;
    QStringList m_events;
    ResourceFontListModel m_savedCatalogue;
};

TEST_F(FontSheetTest, AShippedRowPostsItsChangeThenItsSelection)
{
    auto sheet = openSheet(QStringLiteral("Abel"));
    ASSERT_EQ(sheet->rows().size(), 6);
    EXPECT_TRUE(row(*sheet, QStringLiteral("Abel"))->isSelectedRow());

    userClick(row(*sheet, QStringLiteral("Cabin Regular")));
    EXPECT_EQ(m_events, QStringList({ "change Cabin|Cabin Regular|0", "select Cabin" }));
    EXPECT_EQ(sheet->selectFontName(), QStringLiteral("Cabin Regular"));
    EXPECT_TRUE(row(*sheet, QStringLiteral("Cabin Regular"))->isSelectedRow());
    EXPECT_FALSE(row(*sheet, QStringLiteral("Abel"))->isSelectedRow());

    // The selected row, and a row whose font is not installed, post nothing.
    m_events.clear();
    userClick(row(*sheet, QStringLiteral("Cabin Regular")));
    FontItem* caveman = row(*sheet, QStringLiteral("Caveman"));
    EXPECT_FALSE(caveman->entry().installed);
    userClick(caveman);
    EXPECT_TRUE(m_events.isEmpty()) << m_events.join(';').toStdString();
    EXPECT_EQ(sheet->selectFontName(), QStringLiteral("Cabin Regular"));
}

TEST_F(FontSheetTest, AServerFontSpinsUntilItLoadsAndAFailureRestoresTheSelection)
{
    auto sheet = openSheet(QStringLiteral("Abel"));
    FontItem* bold = row(*sheet, QStringLiteral("DejaVu Sans Bold"));
    userClick(bold);
    EXPECT_EQ(m_events, QStringList({ "download DejaVu Sans|DejaVu Sans Bold|http://fonts.example/a.ttf" }));
    EXPECT_TRUE(bold->isSpinnerShown());
    RxBus::shared().post(EditFontEvent::TextFontFamilyDownloadSuccessEvent { QStringLiteral("DejaVu Sans Bold") });
    EXPECT_FALSE(bold->isSpinnerShown());
    EXPECT_TRUE(bold->isSelectedRow());

    FontItem* serif = row(*sheet, QStringLiteral("DejaVu Serif"));
    userClick(serif);
    EXPECT_TRUE(serif->isSpinnerShown());
    RxBus::shared().post(EditFontEvent::TextFontFamilyDownloadFailEvent {
        QStringLiteral("DejaVu Serif"), QStringLiteral("DejaVu Serif") });
    EXPECT_FALSE(serif->isSpinnerShown());
    EXPECT_FALSE(serif->isSelectedRow());
    EXPECT_EQ(sheet->selectFontName(), QStringLiteral("DejaVu Sans Bold"));

    // A second try asks the page again; a load forgotten with its design
    // ends as a failed one.
    m_events.clear();
    userClick(serif);
    EXPECT_EQ(m_events.size(), 1);
    EXPECT_TRUE(serif->isSpinnerShown());
    RxBus::shared().post(EditFontEvent::TextFontFamilyDownloadForgottenEvent { QStringLiteral("DejaVu Serif") });
    EXPECT_FALSE(serif->isSpinnerShown());
    EXPECT_EQ(sheet->selectFontName(), QStringLiteral("DejaVu Sans Bold"));
}

TEST_F(FontSheetTest, AFailedLoadIsToldToTheUser)
{
    installFontServices();
    QStringList toasts;
    subscribeEvent<EditLogoViewEvent::toastEditWindowsEvent>(
        &m_context, [&](const EditLogoViewEvent::toastEditWindowsEvent& e) { toasts << e.text; });
    RxBus::shared().post(EditFontEvent::TextFontFamilyDownloadFailEvent { QStringLiteral("X"), QStringLiteral("X") });
    EXPECT_EQ(toasts, QStringList({ "The font could not be loaded." }));
}

TEST_F(FontSheetTest, FollowsACatalogueThatArrivesWhileItIsOpen)
{
    globalFontModel() = ResourceFontListModel();
    auto sheet = openSheet(QStringLiteral("DejaVu Serif"));
    EXPECT_TRUE(sheet->rows().isEmpty());

    globalFontModel() = catalogue();
    Q_EMIT FontCatalogue::shared().catalogueChanged();
    ASSERT_EQ(sheet->rows().size(), 6);
    // A server font named like the text's family opens selected; nothing
    // loads until a row is picked.
    EXPECT_TRUE(row(*sheet, QStringLiteral("DejaVu Serif"))->isSelectedRow());
    EXPECT_FALSE(row(*sheet, QStringLiteral("DejaVu Serif"))->isSpinnerShown());
}

TEST_F(FontSheetTest, FollowsTheSelectedText)
{
    auto sheet = openSheet(QStringLiteral("Abel"));
    // The page names a text's font by its family: "Cabin" is the row "Cabin Regular".
    selectText(QStringLiteral("second"), QStringLiteral("Cabin"));
    EXPECT_TRUE(row(*sheet, QStringLiteral("Cabin Regular"))->isSelectedRow());
    EXPECT_FALSE(row(*sheet, QStringLiteral("Abel"))->isSelectedRow());
    // ... and by its face: a bold text in a family's bold row.
    selectText(QStringLiteral("bold"), QStringLiteral("DejaVu Serif"), QStringLiteral("bold"));
    EXPECT_TRUE(row(*sheet, QStringLiteral("DejaVu Serif Bold"))->isSelectedRow());
    selectText(QStringLiteral("second"), QStringLiteral("Cabin"));
    userClick(row(*sheet, QStringLiteral("Abel")));
    EXPECT_EQ(m_events, QStringList({ "change Abel|Abel|0", "select Abel" }));

    // While no text is selected, no row is ticked and a click changes nothing.
    m_events.clear();
    RxBus::shared().post(EditGraphicsEvent::CanvasGraphicsData {});
    for (FontItem* item : sheet->rows())
        EXPECT_FALSE(item->isSelectedRow()) << item->entry().name.toStdString();
    userClick(row(*sheet, QStringLiteral("Cabin Regular")));
    EXPECT_TRUE(m_events.isEmpty()) << m_events.join(';').toStdString();
}

TEST_F(FontSheetTest, TheCloseButtonPostsTheShowEventOnlyAfterTheSlideOut)
{
    auto sheet = openSheet(QString());
    userClick(sheet->closeButton());
    EXPECT_TRUE(m_events.isEmpty());
    EXPECT_FALSE(sheet->isShowSheet());
    EXPECT_TRUE(waitUntil([&] { return !m_events.isEmpty(); }));
    EXPECT_EQ(m_events, QStringList({ "show" }));
}

} // namespace
