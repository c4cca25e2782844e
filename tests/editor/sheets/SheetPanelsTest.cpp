#include "SheetTestSupport.h"
#include "components/CustomSlider.h"
#include "components/TextSaturationCustomSlider.h"
#include "editor/EditorPanelFlags.h"
#include "editor/EditorPanelHost.h"
#include "editor/SidePanelValues.h"
#include "editor/sheets/BackgroundColorCardView.h"
#include "editor/sheets/BackgroundColorSheet.h"
#include "editor/sheets/BrightnessBar.h"
#include "editor/sheets/ColorBar.h"
#include "editor/sheets/ColorSwatch.h"
#include "editor/sheets/FlipSheet.h"
#include "editor/sheets/FlipSheetItem.h"
#include "editor/sheets/GraphicsRotateSheet.h"
#include "editor/sheets/OpacityBar.h"
#include "editor/sheets/PresetColors.h"
#include "editor/sheets/SaturationBar.h"
#include "editor/sheets/SheetStyle.h"
#include "editor/sheets/SheetValues.h"
#include "editor/sheets/TextCharsSpacingSheet.h"
#include "editor/sheets/TextColorSheet.h"
#include "editor/sheets/TextFormatSheet.h"
#include "editor/sheets/Throttle.h"
#include "editor/sheets/colorCardAndOpacityView.h"
#include "support/UserClick.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <climits>
#include <gtest/gtest.h>
#include <memory>

// The sheets against a recording canvas and a real editor model: real
// slider drags, the exact events they post, the panels' looks and their
// lifetime in the editor's panel column.
namespace {

class SheetPanelsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_column.setFixedSize(SheetStyle::panelWidth, 522);
        m_column.show();
    }

    template <class Sheet> std::unique_ptr<Sheet> make()
    {
        auto sheet = std::make_unique<Sheet>(m_harness.model, &m_column);
        sheet->setGeometry(m_column.rect());
        sheet->show();
        slideIn(*sheet);
        return sheet;
    }

    // Waits until the panel stands in place, where a user can click it.
    static void slideIn(SidePanelFrame& sheet)
    {
        sheet.raise();
        EXPECT_TRUE(waitUntil([&] { return sheet.content()->x() == 0; }, 3000));
    }

    static int busSubscriptions()
    {
        const QString text = RxBus::shared().description();
        const QString prefix = QStringLiteral("Subscription Total Count: ");
        return text.mid(text.indexOf(prefix) + prefix.size()).section(QLatin1Char('\n'), 0, 0).toInt();
    }

    SheetModelHarness m_harness;
    QWidget m_column;
};

template <class Event> std::vector<std::pair<int, bool>> valuesOf(const EventRecorder<Event>& recorder)
{
    std::vector<std::pair<int, bool>> values;
    for (const Event& event : recorder.events()) {
        if constexpr (requires { event.brightness; })
            values.emplace_back(event.brightness, event.isAddToUndo);
        else if constexpr (requires { event.space; })
            values.emplace_back(event.space, event.isAddToUndo);
        else
            values.emplace_back(event.rotate, event.isAddToUndo);
    }
    return values;
}

TEST_F(SheetPanelsTest, BrightnessDragPostsItsMovesThenTheSnapshotThenTheFinalValue)
{
    CanvasBrightnessAndSaturationModel reported;
    reported.brightness = 30;
    auto sheet = make<TextColorSheet>();
    RxBus::shared().post(EditLogoViewEvent::getBrightnessAndSaturationEvent { reported });
    BrightnessBar* bar = sheet->brightnessBar();
    EXPECT_EQ(bar->valueLabel()->text(), "70");
    EXPECT_DOUBLE_EQ(bar->slider()->hue(), 0.7);

    EventRecorder<EditFontEvent::BrightnessChangeEvent> posted;
    CustomSlider* slider = bar->slider();
    const QPoint thumb = slider->thumbCenter().toPoint();
    const int track = static_cast<int>(slider->sliderSize().width());
    dragThumb(slider, thumb, { thumb - QPoint(track / 2, 0), thumb + QPoint(track, 0) });
    const int half = SheetValues::truncatedScale(0.7 - double(track / 2) / track, 100);
    const std::vector<std::pair<int, bool>> expected = { { half, true }, { 100, true }, { 30, true }, { 100, false } };
    EXPECT_EQ(valuesOf(posted), expected);
    EXPECT_EQ(bar->valueLabel()->text(), "100");
    EXPECT_TRUE(m_harness.canvas.calls().contains("activeAttributes()"));
}

TEST_F(SheetPanelsTest, SaturationTrackFollowsThePageAnswers)
{
    for (const auto& [brightness, cursor] : { std::pair { 49, 0xD7D7D7 }, std::pair { 50, 0x282828 } }) {
        CanvasBrightnessAndSaturationModel reported;
        reported.hue = 200;
        reported.brightness = brightness;
        m_harness.model.panelValues().setCanvasBrightnessAndSaturationModel(reported);
        m_harness.canvas.clear();
        auto sheet = make<TextColorSheet>();
        TextSaturationCustomSlider* slider = sheet->saturationBar()->slider();
        EXPECT_EQ(slider->cursorColor(), QColor::fromRgb(QRgb(cursor))) << brightness;
        EXPECT_TRUE(m_harness.canvas.calls().contains(QStringLiteral("hsltorgb(200,0,%1,0)").arg(brightness)));
        EXPECT_TRUE(m_harness.canvas.calls().contains(QStringLiteral("hsltorgb(200,100,%1,1)").arg(brightness)));
    }

    auto sheet = make<TextColorSheet>();
    TextSaturationCustomSlider* slider = sheet->saturationBar()->slider();
    const auto answer = [](int type, int r, int g, int b) {
        HslToRgbModle model;
        model.type = type;
        model.r = r;
        model.g = g;
        model.b = b;
        RxBus::shared().post(EditLogoViewEvent::getHslToRgb { model });
    };
    answer(1, 255, 0, 0);
    answer(0, 10, 20, 30);
    answer(7, 0, 255, 0);
    EXPECT_EQ(slider->startColor(), QColor(Qt::white));
    EXPECT_EQ(slider->endColor(), QColor(255, 0, 0));
}

TEST_F(SheetPanelsTest, SliderSheetsLoadTheirValueAndNeverPostOutsideTheirRange)
{
    struct Case {
        QString charSpacing;
        QString label;
        double thumb;
    };
    const Case spacings[] = {
        { "250", "250", 0.25 },
        { "12.7", "12", 0.0127 },
        { "", "0", 0 },
        { " 5", "0", 0 },
        { "nan", "0", 0 },
        { "1e40", "0", 0 },
        { "1e30", "1000", 1 },
        { "1200", "1200", 1.2 },
    };
    for (const Case& c : spacings) {
        CanvasTextCharSpacingModel spacing;
        spacing.charSpacing = c.charSpacing;
        m_harness.model.panelValues().setCanvasTextCharSpacingModel(spacing);
        auto sheet = make<TextCharsSpacingSheet>();
        EXPECT_EQ(sheet->valueLabel()->text(), c.label) << c.charSpacing.toStdString();
        EXPECT_NEAR(sheet->hue(), c.thumb, 1e-6) << c.charSpacing.toStdString();
    }

    struct Angle {
        int angle;
        QString label;
        int snapshot;
    };
    const Angle angles[] = {
        { 90, "90 °", 90 },
        { 0, "0 °", 0 },
        { -90, "270 °", 270 },
        { 400, "400 °", 400 },
        { INT_MAX, "360 °", 360 },
    };
    for (const Angle& a : angles) {
        m_harness.selectGraphic(QStringLiteral("g%1").arg(a.angle), a.angle);
        auto sheet = make<GraphicsRotateSheet>();
        EXPECT_EQ(sheet->valueLabel()->text(), a.label) << a.angle;
        EXPECT_EQ(SheetValues::truncatedClamped(sheet->rotateyDefaultValue(), 0, 360), a.snapshot) << a.angle;

        // A drag far past the end posts 360 at most, after the snapshot.
        EventRecorder<EditGraphicsEvent::GraphicsRotateChangeEvent> posted;
        CustomSlider* slider = sheet->slider();
        const QPoint thumb = slider->thumbCenter().toPoint();
        dragThumb(slider, thumb, { thumb + QPoint(12, 0), thumb + QPoint(400, 0) });
        ASSERT_GE(posted.count(), 3u) << a.angle;
        const auto values = valuesOf(posted);
        EXPECT_EQ(values[values.size() - 2], std::make_pair(a.snapshot, true)) << a.angle;
        EXPECT_EQ(values.back(), std::make_pair(360, false)) << a.angle;
        for (const auto& [value, undo] : values)
            EXPECT_TRUE(value >= 0 && (value <= 360 || (undo && value == a.snapshot))) << value;
        EXPECT_EQ(m_harness.model.panelValues().canvasPathModel().angle, 360);
    }
}

TEST_F(SheetPanelsTest, SpacingDragWritesTheModelAndEndsWithTheOpeningValue)
{
    CanvasTextCharSpacingModel spacing;
    spacing.charSpacing = "100";
    m_harness.model.panelValues().setCanvasTextCharSpacingModel(spacing);
    auto sheet = make<TextCharsSpacingSheet>();
    EventRecorder<EditFontEvent::FontSpaceSheetChangeEvent> posted;
    CustomSlider* slider = sheet->slider();
    const QPoint thumb = slider->thumbCenter().toPoint();
    const QPoint end(static_cast<int>(slider->trackRect().left() + 0.3 * slider->trackRect().width()), thumb.y());
    dragThumb(slider, thumb, { thumb + QPoint(12, 0), end });
    const int final = SheetValues::truncatedScaleViaFloat(slider->hue(), 1000);
    const auto values = valuesOf(posted);
    ASSERT_EQ(values.size(), 4u);
    EXPECT_EQ(values[2], std::make_pair(100, true));
    EXPECT_EQ(values[3], std::make_pair(final, false));
    EXPECT_EQ(m_harness.model.panelValues().canvasTextCharSpacingModel().charSpacing,
        QString::number(SheetValues::truncatedFloatScale(slider->hue(), 1000.0f)));
    EXPECT_EQ(sheet->valueLabel()->text(), QString::number(final));
}

TEST_F(SheetPanelsTest, OpacityBarReadsTheSelectedObjectAndWritesItBack)
{
    m_harness.selectGraphic("g", 0, "0.5");
    auto sheet = make<TextColorSheet>();
    OpacityBar* bar = sheet->opacityBar();
    EXPECT_EQ(bar->valueLabel()->text(), "50%");
    EventRecorder<EditFontEvent::OpacityChangeEvent> posted;
    CustomSlider* slider = bar->slider();
    const QPoint thumb = slider->thumbCenter().toPoint();
    dragThumb(slider, thumb, { thumb + QPoint(12, 0), thumb + QPoint(400, 0) });
    ASSERT_EQ(posted.count(), 4u);
    EXPECT_EQ(posted.events()[2].opacity, 50);
    EXPECT_TRUE(posted.events()[2].isAddToUndo);
    EXPECT_EQ(posted.events()[3].opacity, 100);
    EXPECT_EQ(m_harness.model.panelValues().canvasPathModel().opacity, "1.0");
}

TEST_F(SheetPanelsTest, PalettesShowSixtyFiveSwatchesAndPostTheirColour)
{
    std::vector<int> expected;
    for (const auto& row : presetColorRows)
        expected.insert(expected.end(), row.begin(), row.end());
    ASSERT_EQ(expected.size(), 65u);

    auto colorSheet = make<TextColorSheet>();
    BackgroundColorSheet background(&m_column);
    background.setGeometry(m_column.rect());
    background.show();
    slideIn(background);
    for (ColorPlate* plate : std::initializer_list<ColorPlate*> { colorSheet->plate(), background.plate() }) {
        std::vector<int> shown;
        for (ColorSwatch* swatch : plate->swatches()) {
            shown.push_back(swatch->color());
            EXPECT_EQ(swatch->size(), QSize(22, 22));
        }
        EXPECT_EQ(shown, expected);
        // Row 7 starts 12 px in; the centred rows of 247 px start within half a pixel of it.
        const int firstRowX = plate->swatches().front()->x();
        const int lastRowX = plate->swatches()[60]->x();
        EXPECT_EQ(lastRowX, 12);
        EXPECT_LE(std::abs(firstRowX - 12), 1);
        EXPECT_EQ(plate->swatches()[1]->x() - firstRowX, 25);
    }

    EventRecorder<EditFontEvent::ColorChangeEvent> colours;
    EventRecorder<EditBackgroundEvent::setBackgroundColorEvent> backgrounds;
    // Each sheet in turn lies on top, as in the panel column.
    slideIn(*colorSheet);
    userClick(colorSheet->plate()->swatches().front());
    userClick(colorSheet->plate()->swatches().back());
    background.raise();
    userClick(background.plate()->swatches().front());
    userClick(background.plate()->swatches().front());
    ASSERT_EQ(colours.count(), 2u);
    EXPECT_EQ(colours.events()[0].color, 0xF1F3F5);
    EXPECT_EQ(colours.events()[1].color, 0xD9480F);
    ASSERT_EQ(backgrounds.count(), 2u);
    EXPECT_EQ(backgrounds.events()[1].backgroundColor, 0xF1F3F5);
}

TEST_F(SheetPanelsTest, FormatButtonsCallThePageAndInvertTheirIcon)
{
    auto sheet = make<TextFormatSheet>();
    EXPECT_EQ(m_harness.canvas.calls(), QStringList { "getFontAttributes()" });
    CanvasTextFormatModel answer;
    answer.isBold = true;
    RxBus::shared().post(EditFontEvent::CanvasTextFormatData { answer });
    EXPECT_EQ(sheet->iconName(0), "format1_select");

    const QStringList calls = { "setTextFontBold()", "setTextFontItalic()", "setTextFontUnderLine()",
        "setTextFontUppercase()", "setTextFontDirection()" };
    for (int index = 0; index < TextFormatSheet::buttonCount; ++index) {
        m_harness.canvas.clear();
        const bool wasSelected = sheet->iconName(index).endsWith("_select");
        userClick(sheet->button(index));
        EXPECT_EQ(m_harness.canvas.calls(), QStringList { calls[index] });
        EXPECT_EQ(
            sheet->iconName(index), QStringLiteral("format%1%2").arg(index + 1).arg(wasSelected ? "" : "_select"));
    }
}

TEST_F(SheetPanelsTest, FlipItemsPostOneEventEach)
{
    FlipSheet sheet(&m_column);
    sheet.show();
    slideIn(sheet);
    EventRecorder<EditGraphicsEvent::FlipSheetHorizontalEvent> horizontal;
    EventRecorder<EditGraphicsEvent::FlipSheetVerticalEvent> vertical;
    EXPECT_EQ(sheet.horizontalItem()->imageName(), "flip-v1");
    EXPECT_EQ(sheet.verticalItem()->imageName(), "flip-h1");
    userClick(sheet.horizontalItem()->button());
    EXPECT_EQ(horizontal.count(), 1u);
    EXPECT_EQ(vertical.count(), 0u);
    userClick(sheet.verticalItem()->button());
    EXPECT_EQ(vertical.count(), 1u);
    EXPECT_EQ(sheet.verticalItem()->x() - (sheet.horizontalItem()->x() + FlipSheetItem::imageSide), FlipSheet::itemGap);
}

TEST_F(SheetPanelsTest, ClosingSlidesOutPostsOneShowEventLaterAndTheHostRemovesThePanel)
{
    ScopedEditorSheets sheets;
    std::unique_ptr<EditorPanelHost> host(EditorPanelHost::graphicsEditSheetView(m_harness.model, &m_column));
    host->setGeometry(m_column.rect());
    const int subscriptionsBefore = busSubscriptions();
    for (int round = 0; round < 2; ++round) {
        m_harness.model.panels().openFromEditBar(EditorPanel::Flip);
        QPointer<FlipSheet> sheet = qobject_cast<FlipSheet*>(host->panelWidget(EditorPanel::Flip));
        ASSERT_TRUE(sheet);
        EXPECT_EQ(sheet->size(), QSize(270, 522));
        EXPECT_EQ(sheet->content()->x(), 270);
        ASSERT_TRUE(waitUntil([&] { return sheet->content()->x() == 0; }, 3000));

        EventRecorder<EditGraphicsEvent::ShowFlipSheetEvent> shown;
        userClick(sheet->closeButton());
        EXPECT_EQ(shown.count(), 0u);
        EXPECT_FALSE(sheet->isShowSheet());
        const QPointer<QWidget> content = sheet->content();
        int slidX = 0;
        ASSERT_TRUE(waitUntil(
            [&] {
                slidX = content ? content->x() : slidX;
                return slidX > 0 || shown.count() > 0;
            },
            2000));
        EXPECT_GT(slidX, 0);
        ASSERT_TRUE(waitUntil([&] { return shown.count() > 0; }, 2000));
        QTest::qWait(150);
        EXPECT_EQ(shown.count(), 1u);
        EXPECT_FALSE(m_harness.model.panels().isShown(EditorPanel::Flip));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(sheet.isNull());
    }

    // Reopening adds no subscription; each ends with its panel.
    for (int round = 0; round < 2; ++round) {
        m_harness.model.panels().openFromEditBar(EditorPanel::TextColor);
        auto color = std::make_unique<TextColorSheet>(m_harness.model, &m_column);
        const int open = busSubscriptions();
        color.reset();
        EXPECT_EQ(busSubscriptions(), subscriptionsBefore);
        RxBus::shared().post(EditFontEvent::ColorStringChangeEvent { "#123456FF" });
        RxBus::shared().post(EditLogoViewEvent::getHslToRgb {});
        EXPECT_GT(open, subscriptionsBefore);
    }
}

TEST_F(SheetPanelsTest, HueDragEndsOnTheColourUnderTheThumb)
{
    // A throttle that never re-opens during the drag drops every move.
    ColorBar bar(m_harness.model, Throttle::create(60), &m_column);
    bar.show();
    EventRecorder<EditFontEvent::ColorStringChangeEvent> posted;
    const QPoint thumb = bar.thumbRect().center().toPoint();
    QTest::mousePress(&bar, Qt::LeftButton, {}, thumb);
    ASSERT_TRUE(waitUntil([&] { return bar.hueState().isDragging(); }, 5000));
    const QPoint end(static_cast<int>(bar.trackRect().center().x()), thumb.y());
    for (const QPoint& point : { thumb + QPoint(12, 0), end }) {
        QMouseEvent move(QEvent::MouseMove, point, bar.mapToGlobal(point), Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&bar, &move);
    }
    m_harness.canvas.clear();
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, end);
    ASSERT_EQ(posted.count(), 2u);
    EXPECT_EQ(posted.events()[0].color, "#FF0000FF");
    EXPECT_EQ(posted.events()[1].color, SheetValues::hueColorText(bar.hue()));
    EXPECT_NEAR(bar.hue(), 0.5, 0.01);
    // The editor applies the final colour, then the bar asks for the attributes.
    EXPECT_EQ(m_harness.canvas.calls(),
        (QStringList { QStringLiteral("setObjColor('%1')").arg(posted.events()[1].color), "activeAttributes()" }));

    // The page's answer moves the thumb.
    CanvasBrightnessAndSaturationModel reported;
    reported.hue = 90;
    RxBus::shared().post(EditLogoViewEvent::getBrightnessAndSaturationEvent { reported });
    EXPECT_DOUBLE_EQ(bar.hue(), 0.25);
    EXPECT_EQ(bar.valueText(), "90");
}

TEST_F(SheetPanelsTest, ColourSheetKeepsTheColourTextWithoutHashes)
{
    auto sheet = make<TextColorSheet>();
    EXPECT_EQ(sheet->colorText(), "FF0000FF");
    RxBus::shared().post(EditFontEvent::ColorStringChangeEvent { "#AB#CDEF12" });
    EXPECT_EQ(sheet->colorText(), "ABCDEF12");
    RxBus::shared().post(EditFontEvent::ColorStringChangeEvent { QString() });
    EXPECT_EQ(sheet->colorText(), "FF0000FF");
    m_harness.canvas.clear();
    sheet->setShowGridColorItem(false);
    sheet->setShowGridColorItem(true);
    EXPECT_EQ(m_harness.canvas.count("activeAttributes()"), 2);
}

TEST_F(SheetPanelsTest, SelectedTextsOwnSpacingOpensTheSpacingSheet)
{
    m_harness.selectText("t1", "1", "250");
    auto sheet = make<TextCharsSpacingSheet>();
    EXPECT_EQ(sheet->valueLabel()->text(), "250");
    EXPECT_DOUBLE_EQ(sheet->spaceDefaultValue(), 250);
}

TEST_F(SheetPanelsTest, AnotherSelectedObjectReloadsOpenSheets)
{
    m_harness.selectGraphic("g1", 30, "0.5");
    auto rotate = make<GraphicsRotateSheet>();
    auto color = make<TextColorSheet>();
    m_harness.selectText("t1", "1", "250");
    auto spacing = make<TextCharsSpacingSheet>();
    auto format = make<TextFormatSheet>();
    EXPECT_EQ(color->opacityBar()->valueLabel()->text(), "100%");

    m_harness.canvas.clear();
    m_harness.selectText("t2", "0.3", "40");
    EXPECT_EQ(spacing->valueLabel()->text(), "40");
    EXPECT_DOUBLE_EQ(spacing->spaceDefaultValue(), 40);
    EXPECT_EQ(color->opacityBar()->valueLabel()->text(), "30%");
    EXPECT_EQ(m_harness.canvas.count("activeAttributes()"), 1);
    EXPECT_EQ(m_harness.canvas.count("getFontAttributes()"), 1);

    m_harness.selectGraphic("g2", 120);
    EXPECT_EQ(rotate->valueLabel()->text(), "120 °");
    EventRecorder<EditGraphicsEvent::GraphicsRotateChangeEvent> posted;
    CustomSlider* slider = rotate->slider();
    const QPoint thumb = slider->thumbCenter().toPoint();
    dragThumb(slider, thumb, { thumb + QPoint(12, 0), thumb + QPoint(30, 0) });
    ASSERT_GE(posted.count(), 2u);
    EXPECT_EQ(posted.events()[posted.count() - 2].rotate, 120);
    // The sheet's own write keeps the object: no reload.
    EXPECT_NE(rotate->valueLabel()->text(), "120 °");
    EXPECT_EQ(rotate->rotateyDefaultValue(), 120);
}

TEST_F(SheetPanelsTest, InstallEditorSheetsInstallsTheSixPanels)
{
    ScopedEditorSheets sheets;
    for (EditorPanel panel : { EditorPanel::TextColor, EditorPanel::TextCharsSpacing, EditorPanel::TextFormat,
             EditorPanel::GraphicsRotate, EditorPanel::Flip, EditorPanel::BackgroundColor }) {
        ASSERT_TRUE(EditorPanelFactories::hasPanel(panel));
        std::unique_ptr<QWidget> panelWidget(EditorPanelFactories::createPanel(panel, m_harness.model, &m_column));
        EXPECT_NE(qobject_cast<SidePanelFrame*>(panelWidget.get()), nullptr);
    }
    EXPECT_FALSE(EditorPanelFactories::hasPanel(EditorPanel::TextFontFamily));
}

} // namespace
