#include "SheetTestSupport.h"
#include "components/CustomSlider.h"
#include "components/TextSaturationCustomSlider.h"
#include "editor/EditBar.h"
#include "editor/EditLogoView.h"
#include "editor/EditorButton.h"
#include "editor/EditorEvents.h"
#include "editor/EditorPanelHost.h"
#include "editor/EditorToolbar.h"
#include "editor/sheets/BackgroundColorCardView.h"
#include "editor/sheets/BackgroundColorSheet.h"
#include "editor/sheets/BrightnessBar.h"
#include "editor/sheets/ColorBar.h"
#include "editor/sheets/ColorPlate.h"
#include "editor/sheets/ColorSwatch.h"
#include "editor/sheets/FlipSheet.h"
#include "editor/sheets/FlipSheetItem.h"
#include "editor/sheets/GraphicsRotateSheet.h"
#include "editor/sheets/OpacityBar.h"
#include "editor/sheets/SaturationBar.h"
#include "editor/sheets/TextCharsSpacingSheet.h"
#include "editor/sheets/TextColorSheet.h"
#include "editor/sheets/TextFormatSheet.h"
#include "editor/sheets/colorCardAndOpacityView.h"
#include "support/UserClick.h"

#include <QColor>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

// The sheets against the real canvas page: each panel opens through its
// edit-bar button, changes the selected object, and one undo restores it.
// Each open panel is grabbed into /tmp/sheet-*.png to be looked at.
namespace {

const QString sampleDesign
    = R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="400" height="300" viewBox="0 0 400 300">
<rect x="0" y="0" width="400" height="300" fill="#f8f9fa"/>
<defs><linearGradient id="g"><stop offset="0" stop-color="#1c7ed6"/><stop offset="1" stop-color="#e03131"/></linearGradient></defs>
<circle cx="200" cy="110" r="70" fill="#1c7ed6"/>
<ellipse cx="60" cy="60" rx="40" ry="25" fill="url(#g)"/>
<text x="200" y="250" font-family="DejaVu Sans" font-size="40" fill="#212529" text-anchor="middle">Tessaly</text>
</svg>)svg";

class SheetsOnCanvasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sharedWebViewController().setScriptSink({});
        canQuitWithoutSaving = true;
        m_window.setFixedSize(1060, 632);
        m_editor = new EditLogoView(sampleDesign, 0, nullptr, false, WebView { &sharedWebViewController() }, &m_window);
        m_window.show();
        ASSERT_TRUE(waitUntil([&] { return m_editor->model().isDesignLoaded(); }, 30000));
    }

    EditLogoViewModel& model() { return m_editor->model(); }

    void select(const QString& type)
    {
        sharedWebViewController().evaluate(
            QStringLiteral("tessalyCanvas.setActiveObject(tessalyCanvas.getObjects().find(o => o.type === '%1'));"
                           "tessalyCanvas.requestRenderAll();")
                .arg(type));
        const EditorSelection wanted = type == "i-text" ? EditorSelection::Text : EditorSelection::Graphic;
        ASSERT_TRUE(waitUntil([&] { return model().selection() == wanted; }, 5000));
    }

    static QVariant selected(const QString& property)
    {
        return pageValue(
            QStringLiteral("tessalyCanvas.getActiveObject() && tessalyCanvas.getActiveObject().%1").arg(property));
    }

    // Opens a panel through the edit bar; with `slideIn` it waits until the
    // panel has slid in.
    template <class Sheet> Sheet* open(EditBar* bar, const QString& label, bool slideIn = true)
    {
        EditorButton* button = nullptr;
        for (auto* candidate : bar->findChildren<EditorButton*>())
            if (candidate->text() == label)
                button = candidate;
        EXPECT_TRUE(button && button->isEnabled()) << label.toStdString();
        if (!button)
            return nullptr;
        userClick(button);
        Sheet* sheet = m_window.findChild<Sheet*>();
        EXPECT_NE(sheet, nullptr);
        if (sheet && slideIn)
            waitUntil([&] { return sheet->content()->x() == 0; }, 3000);
        return sheet;
    }

    void grab(const QString& name)
    {
        pumpEvents(300);
        ASSERT_TRUE(m_window.grab().save(QDir::temp().filePath("sheet-" + name + ".png")));
    }

    // One undo; waits for the page to report it.
    void undo()
    {
        ASSERT_TRUE(waitUntil([&] { return model().canUndo(); }, 5000));
        userClick(m_editor->toolbar()->undoButton());
        ASSERT_TRUE(waitUntil([&] { return !model().canUndo(); }, 5000));
        pumpEvents(100);
    }

    ScopedEditorSheets m_sheets;
    QWidget m_window;
    EditLogoView* m_editor = nullptr;
};

TEST_F(SheetsOnCanvasTest, TextSheetsChangeTheTextAndUndoRestoresIt)
{
    select("i-text");
    const QString originalFill = selected("fill").toString();

    auto* colorSheet = open<TextColorSheet>(m_editor->textEditBar(), "Color", false);
    ASSERT_NE(colorSheet, nullptr);
    // #212529 has hue 210 and lightness 15: brightness 85, shown as 15.
    ASSERT_TRUE(waitUntil([&] { return colorSheet->brightnessBar()->valueLabel()->text() == "15"; }, 5000));
    EXPECT_EQ(colorSheet->colorBar()->valueText(), "210");
    grab("color-text");

    // A brightness drag to the light end.
    CustomSlider* brightness = colorSheet->brightnessBar()->slider();
    const QPoint thumb = brightness->thumbCenter().toPoint();
    dragThumb(brightness, thumb, { thumb + QPoint(12, 0), QPoint(brightness->width() - 5, thumb.y()) });
    ASSERT_TRUE(waitUntil([&] { return selected("fill").toString() != originalFill; }, 5000));
    undo();
    select("i-text");
    EXPECT_EQ(selected("fill").toString(), originalFill);

    // A swatch.
    select("i-text");
    ASSERT_TRUE(waitUntil([&] { return colorSheet->content()->x() == 0; }, 3000));
    userClick(colorSheet->plate()->swatches().back());
    ASSERT_TRUE(waitUntil([&] { return selected("fill").toString().toLower() == "#d9480f"; }, 5000));
    EXPECT_EQ(selected("fill").toString().toLower(), "#d9480f");
    undo();
    select("i-text");
    EXPECT_EQ(selected("fill").toString(), originalFill);

    // Each format switch, then one undo.
    auto* formatSheet = open<TextFormatSheet>(m_editor->textEditBar(), "Format");
    ASSERT_NE(formatSheet, nullptr);
    grab("format");
    const QStringList properties = { "fontWeight", "fontStyle", "underline", "text", "isVertical === true" };
    for (int index = 0; index < TextFormatSheet::buttonCount; ++index) {
        select("i-text");
        const QVariant before = selected(properties[index]);
        userClick(formatSheet->button(index));
        ASSERT_TRUE(waitUntil([&] { return selected(properties[index]) != before; }, 5000))
            << properties[index].toStdString();
        undo();
        select("i-text");
        EXPECT_EQ(selected(properties[index]), before) << properties[index].toStdString();
    }

    // Letter spacing: a drag, then one undo.
    auto* spacingSheet = open<TextCharsSpacingSheet>(m_editor->textEditBar(), "Spacing");
    ASSERT_NE(spacingSheet, nullptr);
    EXPECT_EQ(spacingSheet->valueLabel()->text(), "0");
    grab("spacing");
    CustomSlider* spacing = spacingSheet->slider();
    const QPoint start = spacing->thumbCenter().toPoint();
    dragThumb(spacing, start, { start + QPoint(12, 0), start + QPoint(59, 0) });
    ASSERT_TRUE(waitUntil([&] { return selected("charSpacing").toInt() > 200; }, 5000));
    undo();
    select("i-text");
    EXPECT_EQ(selected("charSpacing").toInt(), 0);
}

TEST_F(SheetsOnCanvasTest, GraphicSheetsRotateAndFlipAndTheBackgroundTakesAColour)
{
    select("circle");
    auto* colorSheet = open<TextColorSheet>(m_editor->graphicsEditBar(), "Color");
    ASSERT_NE(colorSheet, nullptr);
    grab("color-graphic");

    auto* rotateSheet = open<GraphicsRotateSheet>(m_editor->graphicsEditBar(), "Rotate");
    ASSERT_NE(rotateSheet, nullptr);
    EXPECT_EQ(rotateSheet->valueLabel()->text(), QStringLiteral("0 °"));
    CustomSlider* rotate = rotateSheet->slider();
    const QPoint start = rotate->thumbCenter().toPoint();
    // 59 px of a 235-px track is 90.4 degrees.
    dragThumb(rotate, start, { start + QPoint(12, 0), start + QPoint(59, 0) });
    ASSERT_TRUE(waitUntil([&] { return selected("angle").toInt() == 90; }, 5000));
    EXPECT_EQ(rotateSheet->valueLabel()->text(), QStringLiteral("90 °"));
    grab("rotate");
    undo();
    select("circle");
    EXPECT_EQ(selected("angle").toInt(), 0);

    auto* flipSheet = open<FlipSheet>(m_editor->graphicsEditBar(), "Flip");
    ASSERT_NE(flipSheet, nullptr);
    grab("flip");
    for (const auto& [item, property] : { std::pair { flipSheet->horizontalItem(), QStringLiteral("flipX") },
             std::pair { flipSheet->verticalItem(), QStringLiteral("flipY") } }) {
        select("circle");
        userClick(item->button());
        ASSERT_TRUE(waitUntil([&] { return selected(property).toBool(); }, 5000)) << property.toStdString();
        undo();
        select("circle");
        EXPECT_FALSE(selected(property).toBool()) << property.toStdString();
    }

    sharedWebViewController().evaluate("tessalyCanvas.discardActiveObject(); tessalyCanvas.requestRenderAll();");
    ASSERT_TRUE(waitUntil([&] { return model().selection() == EditorSelection::None; }, 5000));
    const QVariant background = pageValue("tessalyCanvas.backgroundColor || ''");
    auto* backgroundSheet = open<BackgroundColorSheet>(m_editor->backgroundEditBar(), "Color");
    ASSERT_NE(backgroundSheet, nullptr);
    grab("background");
    userClick(backgroundSheet->plate()->swatches().front());
    ASSERT_TRUE(waitUntil([&] { return pageValue("tessalyCanvas.backgroundColor").toString() == "#f1f3f5"; }, 5000));
    undo();
    EXPECT_EQ(pageValue("tessalyCanvas.backgroundColor || ''"), background);
}

// Hue and saturation of a colour text, as the eye sees them.
struct Shade {
    int hue;
    int saturation;
};
Shade shadeOf(const QString& text)
{
    const QColor colour(text.trimmed());
    return { colour.hslHue(), colour.hslSaturation() * 100 / 255 };
}

// Drags `slider`'s thumb to the left end and back to where it started.
void dragToLeftEndAndBack(CustomSlider* slider)
{
    const QPoint thumb = slider->thumbCenter().toPoint();
    dragThumb(slider, thumb, { thumb - QPoint(12, 0), QPoint(0, thumb.y()), thumb });
}

TEST_F(SheetsOnCanvasTest, ColourDragsStartFromTheColourTheObjectHadWhenTheDragBegan)
{
    // First opening: the saturation bar came on screen before the page
    // answered, so its drag end first posts saturation 0.
    select("i-text");
    auto* colorSheet = open<TextColorSheet>(m_editor->textEditBar(), "Color");
    ASSERT_NE(colorSheet, nullptr);
    TextSaturationCustomSlider* saturation = colorSheet->saturationBar()->slider();
    const QPoint start = saturation->thumbCenter().toPoint();
    dragThumb(saturation, start, { start + QPoint(12, 0), QPoint(saturation->width() - 1, start.y()) });
    ASSERT_TRUE(waitUntil([&] { return model().canUndo(); }, 5000));
    // #212529 is a faint blue (hue 210): saturated, it is a strong blue, not red.
    Shade saturated = shadeOf(selected("fill").toString());
    EXPECT_NEAR(saturated.hue, 210, 3) << selected("fill").toString().toStdString();
    EXPECT_GT(saturated.saturation, 90);
    undo();

    // Brightness through black and back keeps the hue.
    select("i-text");
    ASSERT_TRUE(waitUntil([&] { return colorSheet->brightnessBar()->valueLabel()->text() == "15"; }, 5000));
    dragToLeftEndAndBack(colorSheet->brightnessBar()->slider());
    // A drag back to its start may leave the very same colour, and no step.
    pumpEvents(300);
    const Shade back = shadeOf(selected("fill").toString());
    EXPECT_NEAR(back.hue, 210, 3) << selected("fill").toString().toStdString();
    EXPECT_GT(back.saturation, 5);

    // Saturation through grey and back keeps each gradient stop's hue.
    select("ellipse");
    const QString stops = "tessalyCanvas.getActiveObject().fill.colorStops.map(s => s.offset + ' ' + s.color)"
                          ".sort().map(s => s.split(' ')[1]).join(',')";
    ASSERT_TRUE(waitUntil([&] { return colorSheet->saturationBar()->valueLabel()->text() != "0"; }, 5000));
    dragToLeftEndAndBack(colorSheet->saturationBar()->slider());
    pumpEvents(300);
    const QStringList after = pageValue(stops).toString().split(',');
    ASSERT_EQ(after.size(), 2);
    EXPECT_NEAR(shadeOf(after[0]).hue, 208, 3) << after[0].toStdString();
    EXPECT_NEAR(shadeOf(after[1]).hue, 0, 3) << after[1].toStdString();
    EXPECT_GT(shadeOf(after[0]).saturation, 50);
}

TEST_F(SheetsOnCanvasTest, OpacityOfAMultiSelectionStaysWithItsObjectsAsOneStep)
{
    sharedWebViewController().evaluate(
        "{ const picked = tessalyCanvas.getObjects().filter(o => o.type === 'circle' || o.type === 'i-text');"
        "tessalyCanvas.setActiveObject(new fabric.ActiveSelection(picked, { canvas: tessalyCanvas }));"
        "tessalyCanvas.requestRenderAll(); }");
    ASSERT_TRUE(waitUntil([&] { return model().selection() == EditorSelection::Graphic; }, 5000));
    auto* colorSheet = open<TextColorSheet>(m_editor->graphicsEditBar(), "Color");
    ASSERT_NE(colorSheet, nullptr);
    CustomSlider* opacity = colorSheet->opacityBar()->slider();
    const QPoint start = opacity->thumbCenter().toPoint();
    dragThumb(opacity, start, { start - QPoint(12, 0), QPoint(opacity->width() / 2, start.y()) });
    ASSERT_TRUE(waitUntil([&] { return model().canUndo(); }, 5000));
    const QString shown = colorSheet->opacityBar()->valueLabel()->text();

    sharedWebViewController().evaluate("tessalyCanvas.discardActiveObject(); tessalyCanvas.requestRenderAll();");
    ASSERT_TRUE(waitUntil([&] { return model().selection() == EditorSelection::None; }, 5000));
    const QString opacities = "tessalyCanvas.getObjects().filter(o => o.type === 'circle' || o.type === 'i-text')"
                              ".map(o => Math.round(o.opacity * 100) + '%').join(',')";
    EXPECT_EQ(pageValue(opacities).toString(), shown + "," + shown);
    EXPECT_NE(shown, "100%");

    // The whole drag is one step.
    undo();
    EXPECT_EQ(pageValue(opacities).toString(), "100%,100%");
}

} // namespace
