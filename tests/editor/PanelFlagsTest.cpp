#include "EditorTestSupport.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/EditorPanelFlags.h"

#include <gtest/gtest.h>

namespace {

class PanelFlagsTest : public ::testing::Test {
protected:
    // The edit bar works once the design has loaded.
    void SetUp() override
    {
        m_model.start();
        pageLoadsDesign(m_model);
    }

    RecordingCanvas m_canvas;
    EditLogoViewModel m_model { "<svg/>", 42, false, m_canvas.controller() };
    EditorPanelFlags& m_flags = m_model.panels();
};

TEST_F(PanelFlagsTest, EditBarOpensAndPanelClosesItself)
{
    m_model.openPanel(EditorPanel::Flip);
    EXPECT_TRUE(m_flags.isShown(EditorPanel::Flip));
    // The panel's own close posts the same show event.
    RxBus::shared().post(EditGraphicsEvent::ShowFlipSheetEvent {});
    EXPECT_FALSE(m_flags.isShown(EditorPanel::Flip));
    EXPECT_FALSE(m_flags.anyShown());
}

TEST_F(PanelFlagsTest, EachShowEventDrivesItsOwnPanel)
{
    const std::vector<std::pair<EditorPanel, std::function<void()>>> closers = {
        { EditorPanel::TextColor, [] { RxBus::shared().post(EditFontEvent::ShowFontColorSheetEvent {}); } },
        { EditorPanel::TextFontFamily, [] { RxBus::shared().post(EditFontEvent::ShowTextFontFamilySheetEvent {}); } },
        { EditorPanel::TextCharsSpacing, [] { RxBus::shared().post(EditFontEvent::ShowFontSpaceSheetEvent {}); } },
        { EditorPanel::TextFormat, [] { RxBus::shared().post(EditFontEvent::ShowFormatSheetEvent {}); } },
        { EditorPanel::GraphicsRotate, [] { RxBus::shared().post(EditGraphicsEvent::ShowGraphicsRotateSheet {}); } },
        { EditorPanel::Flip, [] { RxBus::shared().post(EditGraphicsEvent::ShowFlipSheetEvent {}); } },
        { EditorPanel::GraphicsAdd, [] { RxBus::shared().post(EditGraphicsEvent::ShowGraphicsAddSheet {}); } },
        { EditorPanel::BackgroundColor,
            [] { RxBus::shared().post(EditBackgroundEvent::showBackgroundColorSheet {}); } },
    };
    for (const auto& [panel, close] : closers) {
        m_model.openPanel(panel);
        for (EditorPanel other : allEditorPanels)
            EXPECT_EQ(m_flags.isShown(other), other == panel) << static_cast<int>(panel);
        close();
        EXPECT_FALSE(m_flags.anyShown()) << static_cast<int>(panel);
    }
}

TEST_F(PanelFlagsTest, OpeningAnotherPanelClosesTheFirst)
{
    m_model.openPanel(EditorPanel::TextColor);
    m_model.openPanel(EditorPanel::TextFormat);
    EXPECT_FALSE(m_flags.isShown(EditorPanel::TextColor));
    EXPECT_TRUE(m_flags.isShown(EditorPanel::TextFormat));
    // The same button again keeps its panel open.
    m_model.openPanel(EditorPanel::TextFormat);
    EXPECT_TRUE(m_flags.isShown(EditorPanel::TextFormat));
}

TEST_F(PanelFlagsTest, CloseAllClearsEveryPanelButNotExport)
{
    m_model.openPanel(EditorPanel::GraphicsAdd);
    m_model.setShowExportViewSheet(true);
    RxBus::shared().post(EditLogoViewEvent::closeAllSheetEvent {});
    EXPECT_FALSE(m_flags.anyShown());
    EXPECT_TRUE(m_model.isShowExportViewSheet());
}

TEST_F(PanelFlagsTest, LateCloseOfAPanelNeverReopensIt)
{
    m_model.openPanel(EditorPanel::TextColor);
    // The user leaves, say, which closes all panels; the colour panel's
    // delayed close event arrives afterwards.
    RxBus::shared().post(EditLogoViewEvent::closeAllSheetEvent {});
    RxBus::shared().post(EditFontEvent::ShowFontColorSheetEvent {});
    EXPECT_FALSE(m_flags.isShown(EditorPanel::TextColor));

    // Likewise when another panel was opened in between.
    m_model.openPanel(EditorPanel::GraphicsAdd);
    m_model.openPanel(EditorPanel::Flip);
    RxBus::shared().post(EditGraphicsEvent::ShowGraphicsAddSheet {});
    EXPECT_FALSE(m_flags.isShown(EditorPanel::GraphicsAdd));
    EXPECT_TRUE(m_flags.isShown(EditorPanel::Flip));
}

TEST_F(PanelFlagsTest, EditBarDoesNothingWhileLoading)
{
    RecordingCanvas canvas;
    EditLogoViewModel loading("<svg/>", 42, false, canvas.controller());
    loading.openPanel(EditorPanel::Flip);
    EXPECT_FALSE(loading.panels().isShown(EditorPanel::Flip));
}

TEST_F(PanelFlagsTest, ChangesAreSignalledOncePerChange)
{
    QSignalSpy changes(&m_flags, &EditorPanelFlags::panelChanged);
    m_model.openPanel(EditorPanel::Flip);
    RxBus::shared().post(EditLogoViewEvent::closeAllSheetEvent {});
    RxBus::shared().post(EditLogoViewEvent::closeAllSheetEvent {});
    ASSERT_EQ(changes.count(), 2);
    EXPECT_TRUE(changes.at(0).at(1).toBool());
    EXPECT_FALSE(changes.at(1).at(1).toBool());
}

} // namespace
