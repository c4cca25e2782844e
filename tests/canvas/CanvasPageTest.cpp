// The real canvas page in Qt WebEngine: each call's effect on the fabric
// objects and the messages the page posts.

#include "CanvasPageFixture.h"
#include "canvas/CanvasEvents.h"
#include "canvas/CanvasScripts.h"
#include "core/RxBus.h"
#include "support/TestFiles.h"
#include "support/TestSupport.h"

#include <QByteArray>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>
#include <cmath>
#include <csignal>
#include <sys/types.h>

namespace {

class CanvasPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(page().isReady()) << "the canvas page never posted pageReady";
        ASSERT_TRUE(page().loadSvg(sampleDesignSvg()));
    }

    static CanvasPage& page() { return CanvasPage::instance(); }
    static WebViewViewController& controller() { return page().controller(); }
    static QVariant js(const QString& expression) { return page().evaluate(expression); }
    static int objectCount() { return js(QStringLiteral("tessalyCanvas.getObjects().length")).toInt(); }
    static QVariant objectProperty(int index, const char* property)
    {
        return js(QStringLiteral("tessalyCanvas.getObjects()[%1].%2").arg(index).arg(QLatin1String(property)));
    }
    static int indexOfType(const char* type)
    {
        return js(QStringLiteral("tessalyCanvas.getObjects().findIndex(o => o.type === '%1')").arg(QLatin1String(type)))
            .toInt();
    }
};

TEST_F(CanvasPageTest, loadsADesignAsEditableObjectsWithItsBackground)
{
    EXPECT_EQ(objectCount(), 3);
    EXPECT_EQ(js(QStringLiteral("tessalyCanvas.backgroundColor")).toString(), QStringLiteral("#f1f3f5"));
    const int text = indexOfType("i-text");
    ASSERT_GE(text, 0);
    EXPECT_EQ(objectProperty(text, "text").toString(), QStringLiteral("Tessaly"));
    // The 920-unit design is scaled to the 460-point canvas.
    const double width
        = js(QStringLiteral("tessalyCanvas.getObjects()[%1].getBoundingRect().width").arg(indexOfType("circle")))
              .toDouble();
    EXPECT_NEAR(width, 120.0, 2.0);
    EXPECT_FALSE(js(QStringLiteral("tessalyHistory.canUndo()")).toBool());
}

TEST_F(CanvasPageTest, textFromTheNativeSideArrivesIntactWhateverItContains)
{
    const QString awkward
        = QStringLiteral("It's \\ \"quoted\"\nline ") + QChar(0x2028) + QStringLiteral(" Zürich 東京');x('");
    controller().evaluate(CanvasScripts::addText(awkward));
    page().settle();
    ASSERT_EQ(objectCount(), 4);
    EXPECT_EQ(objectProperty(3, "text").toString(), awkward);
    EXPECT_EQ(objectProperty(3, "fontFamily").toString(), QStringLiteral("Mitr"));
    EXPECT_TRUE(js(QStringLiteral("tessalyHistory.canUndo()")).toBool());
}

TEST_F(CanvasPageTest, selectionPostsTheObjectsAttributes)
{
    const std::size_t from = page().mark();
    page().select(indexOfType("i-text"));
    const auto text = page().waitFor(QStringLiteral("clickCanvasTextItem"), from);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->json().value(QStringLiteral("fontFamily")).toString(), QStringLiteral("Mitr"));
    EXPECT_EQ(text->json().value(QStringLiteral("fontWeight")).toString(), QStringLiteral("normal"));
    EXPECT_EQ(text->json().value(QStringLiteral("fill")).toString(), QStringLiteral("#212529"));
    EXPECT_EQ(text->json().value(QStringLiteral("opacity")).toString(), QStringLiteral("1"));

    page().select(indexOfType("circle"));
    const auto path = page().waitFor(QStringLiteral("clickCanvasPathItem"), from);
    ASSERT_TRUE(path);
    EXPECT_EQ(path->json().value(QStringLiteral("type")).toString(), QStringLiteral("circle"));

    js(QStringLiteral("tessalyCanvas.discardActiveObject(); 0"));
    EXPECT_TRUE(page().waitFor(QStringLiteral("clickCanvasBlank"), from));
}

TEST_F(CanvasPageTest, colourReadsUseThePageScales)
{
    const int circle = indexOfType("circle");
    page().select(circle);
    std::size_t from = page().mark();
    controller().evaluate(CanvasScripts::activeAttributes());
    auto answer = page().waitFor(QStringLiteral("getBrightnessAndSaturation"), from);
    ASSERT_TRUE(answer);
    // #1971c2 is hsl(209, 77%, 43%): brightness is 100 - lightness.
    EXPECT_EQ(answer->json().value(QStringLiteral("hue")).toInt(), 209);
    EXPECT_EQ(answer->json().value(QStringLiteral("saturation")).toInt(), 77);
    EXPECT_EQ(answer->json().value(QStringLiteral("brightness")).toInt(), 57);

    from = page().mark();
    controller().evaluate(CanvasScripts::hsltorgb(0, 100, 50, 1));
    answer = page().waitFor(QStringLiteral("hsltorgb"), from);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->json().value(QStringLiteral("r")).toInt(), 255);
    EXPECT_EQ(answer->json().value(QStringLiteral("g")).toInt(), 0);
    EXPECT_EQ(answer->json().value(QStringLiteral("type")).toInt(), 1);

    controller().evaluate(CanvasScripts::setActiveBrightness(80, false));
    controller().evaluate(CanvasScripts::setActiveSaturation(0, false));
    page().settle();
    // Lightness 80 and no saturation: a light grey.
    EXPECT_EQ(objectProperty(circle, "fill").toString(), QStringLiteral("#cccccc"));
}

TEST_F(CanvasPageTest, changeCallsAlterTheSelectedObject)
{
    const int circle = indexOfType("circle");
    page().select(circle);
    controller().evaluate(CanvasScripts::setObjColor(0x0000FF));
    controller().evaluate(CanvasScripts::setObjOpacity(29, false));
    controller().evaluate(CanvasScripts::changeRotate(180, false));
    controller().evaluate(CanvasScripts::setFlipObjX());
    controller().evaluate(CanvasScripts::setFlipObjY());
    page().settle();
    EXPECT_EQ(objectProperty(circle, "fill").toString(), QStringLiteral("#0000ff"));
    EXPECT_NEAR(objectProperty(circle, "opacity").toDouble(), 0.29, 1e-9);
    EXPECT_EQ(objectProperty(circle, "angle").toInt(), 180);
    EXPECT_TRUE(objectProperty(circle, "flipX").toBool());
    EXPECT_TRUE(objectProperty(circle, "flipY").toBool());

    controller().evaluate(CanvasScripts::setCanvasBKGroundColor(0xD9480F));
    page().settle();
    EXPECT_EQ(js(QStringLiteral("tessalyCanvas.backgroundColor")).toString(), QStringLiteral("#d9480f"));

    controller().evaluate(CanvasScripts::copyItem());
    page().settle();
    ASSERT_EQ(objectCount(), 4);
    EXPECT_NEAR(objectProperty(3, "left").toDouble() - objectProperty(circle, "left").toDouble(), 10.0, 1e-6);
    EXPECT_NE(objectProperty(3, "id").toString(), objectProperty(circle, "id").toString());
    controller().evaluate(CanvasScripts::deleteItem());
    page().settle();
    EXPECT_EQ(objectCount(), 3);
}

TEST_F(CanvasPageTest, textCallsChangeFormatFamilyAndSpacing)
{
    const int text = indexOfType("i-text");
    page().select(text);
    // A family comes with its face; the format switches change it after.
    controller().evaluate(CanvasScripts::setTextFontFamily(QStringLiteral("DejaVu Serif")));
    controller().evaluate(CanvasScripts::setTextFontBold());
    controller().evaluate(CanvasScripts::setTextFontItalic());
    controller().evaluate(CanvasScripts::setTextFontUnderLine());
    controller().evaluate(CanvasScripts::setTextFontUppercase());
    controller().evaluate(CanvasScripts::charSpacing(300, false));
    page().settle();
    EXPECT_EQ(objectProperty(text, "fontWeight").toString(), QStringLiteral("bold"));
    EXPECT_EQ(objectProperty(text, "fontStyle").toString(), QStringLiteral("italic"));
    EXPECT_TRUE(objectProperty(text, "underline").toBool());
    EXPECT_EQ(objectProperty(text, "text").toString(), QStringLiteral("TESSALY"));
    EXPECT_EQ(objectProperty(text, "charSpacing").toInt(), 300);
    EXPECT_EQ(objectProperty(text, "fontFamily").toString(), QStringLiteral("DejaVu Serif"));

    std::size_t from = page().mark();
    controller().evaluate(CanvasScripts::getFontAttributes());
    const auto format = page().waitFor(QStringLiteral("fontAttributes"), from);
    ASSERT_TRUE(format);
    EXPECT_TRUE(format->json().value(QStringLiteral("isBold")).toBool());
    EXPECT_TRUE(format->json().value(QStringLiteral("isItalic")).toBool());
    EXPECT_TRUE(format->json().value(QStringLiteral("isUnderLine")).toBool());
    EXPECT_TRUE(format->json().value(QStringLiteral("isUpper")).toBool());
    EXPECT_FALSE(format->json().value(QStringLiteral("isVertical")).toBool());

    controller().evaluate(CanvasScripts::setTextFontDirection());
    page().settle();
    EXPECT_EQ(objectProperty(text, "text").toString(), QStringLiteral("T\nE\nS\nS\nA\nL\nY"));
    controller().evaluate(CanvasScripts::setTextFontDirection());
    controller().evaluate(CanvasScripts::setTextFontUppercase());
    page().settle();
    EXPECT_EQ(objectProperty(text, "text").toString(), QStringLiteral("Tessaly"));
}

TEST_F(CanvasPageTest, aDragOfPreviewsThenACommitIsOneUndoStep)
{
    const int circle = indexOfType("circle");
    page().select(circle);
    const std::size_t from = page().mark();
    for (int value = 90; value >= 40; value -= 10)
        controller().evaluate(CanvasScripts::setObjOpacity(value, true));
    controller().evaluate(CanvasScripts::setObjOpacity(100, true)); // the row's stale reading
    controller().evaluate(CanvasScripts::setObjOpacity(40, false));
    page().settle();
    EXPECT_NEAR(objectProperty(circle, "opacity").toDouble(), 0.4, 1e-9);
    EXPECT_EQ(js(QStringLiteral("tessalyHistory.index")).toInt(), 1);
    const auto states = page().messagesSince(from, QStringLiteral("undoRedoState"));
    ASSERT_FALSE(states.empty());
    EXPECT_TRUE(states.back().json().value(QStringLiteral("canUndo")).toBool());

    controller().evaluate(CanvasScripts::undoItem());
    page().settle();
    EXPECT_NEAR(objectProperty(circle, "opacity").toDouble(), 1.0, 1e-9);
    EXPECT_FALSE(js(QStringLiteral("tessalyHistory.canUndo()")).toBool());
    const auto last = page().waitFor(QStringLiteral("clickCanvasBlank"), from);
    EXPECT_TRUE(last);

    controller().evaluate(CanvasScripts::redoItem());
    page().settle();
    EXPECT_NEAR(objectProperty(circle, "opacity").toDouble(), 0.4, 1e-9);
}

TEST_F(CanvasPageTest, aMouseDragSelectsMovesAndRecordsOneStep)
{
    QWidget* target = page().view()->focusProxy();
    ASSERT_TRUE(target);
    const int circle = indexOfType("circle");
    const std::size_t from = page().mark();
    QTest::mousePress(target, Qt::LeftButton, {}, QPoint(350, 125));
    for (int step = 1; step <= 10; ++step) {
        QTest::mouseMove(target, QPoint(350 - step * 5, 125 + step * 5));
        pumpEvents(10);
    }
    QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(300, 175));
    ASSERT_TRUE(waitUntil([] { return js(QStringLiteral("tessalyHistory.index")).toInt() == 1; }, 10000));
    EXPECT_NEAR(js(QStringLiteral("tessalyCanvas.getObjects()[%1].getCenterPoint().x").arg(circle)).toDouble(), 300, 1);
    EXPECT_NEAR(js(QStringLiteral("tessalyCanvas.getObjects()[%1].getCenterPoint().y").arg(circle)).toDouble(), 175, 1);
    const auto selected = page().waitFor(QStringLiteral("clickCanvasPathItem"), from);
    ASSERT_TRUE(selected);
    EXPECT_EQ(selected->json().value(QStringLiteral("type")).toString(), QStringLiteral("circle"));
}

TEST_F(CanvasPageTest, quickColourChangesMergeIntoOneStep)
{
    page().select(indexOfType("path"));
    controller().evaluate(CanvasScripts::setObjColor(0x111111));
    controller().evaluate(CanvasScripts::setObjColor(0x222222));
    controller().evaluate(CanvasScripts::setObjColor(0x333333));
    page().settle();
    EXPECT_EQ(js(QStringLiteral("tessalyHistory.index")).toInt(), 1);
}

// Texts keep their lines, spacing and format switches, which SVG text alone
// can't carry back.
TEST_F(CanvasPageTest, svgRoundTripKeepsEveryObject)
{
    page().select(indexOfType("i-text"));
    controller().evaluate(CanvasScripts::setTextFontDirection());
    controller().evaluate(CanvasScripts::addText(QStringLiteral("Two\nlines")));
    controller().evaluate(CanvasScripts::charSpacing(200, false));
    page().settle();

    rx::DisposeBag bag;
    QString base64;
    subscribeEvent<EditLogoViewEvent::imagesvgBase64StringEvent>(
        bag, [&](const EditLogoViewEvent::imagesvgBase64StringEvent& event) { base64 = event.base64String; });
    controller().evaluate(CanvasScripts::getSvgAsBase64ForResult(QStringLiteral("EditLogoView")));
    ASSERT_TRUE(waitUntil([&] { return !base64.isEmpty(); }, 10000));
    const QString svg = QUrl::fromPercentEncoding(QByteArray::fromBase64(base64.toLatin1()));
    EXPECT_TRUE(svg.contains(QLatin1String("<svg")));
    EXPECT_TRUE(svg.contains(QLatin1String("#f1f3f5")) || svg.contains(QLatin1String("rgb(241,243,245)")));

    const QString probe = QStringLiteral(
        "JSON.stringify(tessalyCanvas.getObjects().map(o => [o.type, o.text, !!o.isVertical, o.charSpacing, "
        "Math.round(o.getCenterPoint().x), Math.round(o.getCenterPoint().y), Math.round(o.getScaledWidth()), "
        "Math.round(o.getScaledHeight())]))");
    const QString before = js(probe).toString();
    ASSERT_TRUE(page().loadSvg(svg));
    EXPECT_EQ(objectCount(), 4);
    EXPECT_EQ(js(probe).toString().toStdString(), before.toStdString());
    EXPECT_EQ(js(QStringLiteral("tessalyCanvas.backgroundColor")).toString(), QStringLiteral("#f1f3f5"));
}

TEST_F(CanvasPageTest, aTextRecordGivesBackOnlyPlainTextProperties)
{
    const QString record = QStringLiteral(
        R"({"text":"Hi","fontSize":30,"isUpper":true,"underline":"yes","evil":{"type":"rect","width":50},)"
        R"("shadow":{"type":"shadow","color":"red"},"clipPath":{"type":"rect","width":5}})");
    const QString svg = QString::fromLatin1(
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="460" height="460">)"
        R"(<g id="t1" data-tessaly-text='%1'><text x="10" y="50" font-size="20">Hi</text></g></svg>)")
                            .arg(record);
    ASSERT_TRUE(page().loadSvg(svg));
    ASSERT_EQ(objectCount(), 1);
    EXPECT_EQ(js(QStringLiteral("(o => JSON.stringify([o.type, o.text, o.fontSize, o.isUpper, o.underline, "
                                "o.evil === undefined, !o.shadow, !o.clipPath]))(tessalyCanvas.getObjects()[0])"))
                  .toString(),
        QStringLiteral(R"(["i-text","Hi",30,true,false,true,true,true])"));
}

TEST_F(CanvasPageTest, aGradientReadsAsItsFirstStop)
{
    const QString svg
        = QStringLiteral(R"(<svg xmlns="http://www.w3.org/2000/svg" width="460" height="460"><defs>)"
                         R"(<linearGradient id="g" x1="0" y1="0" x2="1" y2="0"><stop offset="0" stop-color="#ff0000"/>)"
                         R"(<stop offset="1" stop-color="#0000ff"/></linearGradient></defs>)"
                         R"svg(<rect x="10" y="10" width="100" height="100" fill="url(#g)"/></svg>)svg");
    ASSERT_TRUE(page().loadSvg(svg));
    page().select(0);
    const std::size_t from = page().mark();
    controller().evaluate(CanvasScripts::activeAttributes());
    const auto answer = page().waitFor(QStringLiteral("getBrightnessAndSaturation"), from);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->json().value(QStringLiteral("hue")).toInt(), 0);
}

// Every id="…" of an SVG text, in document order.
QStringList svgIds(const QString& svg)
{
    QStringList ids;
    static const QRegularExpression idAttribute(QStringLiteral(R"re(\sid="([^"]*)")re"));
    for (const QRegularExpressionMatch& match : idAttribute.globalMatch(svg))
        ids << match.captured(1);
    return ids;
}

// Two shapes that share one gradient, as designs drawn elsewhere have them,
// and a stroke with a gradient of its own.
TEST_F(CanvasPageTest, gradientIdsStayTheSameThroughEverySaveAndNeverRepeat)
{
    const QString design = QStringLiteral(
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="460" height="460"><defs>)"
        R"(<linearGradient id="tg_1" x1="0" y1="0" x2="1" y2="0"><stop offset="0" stop-color="#ff0000"/>)"
        R"(<stop offset="1" stop-color="#0000ff"/></linearGradient>)"
        R"(<radialGradient id="tg_2"><stop offset="0" stop-color="#00ff00"/><stop offset="1" stop-color="#000"/>)"
        R"(</radialGradient></defs>)"
        R"svg(<rect x="10" y="10" width="100" height="100" fill="url(#tg_1)"/>)svg"
        R"svg(<rect x="200" y="10" width="100" height="100" fill="url(#tg_1)"/>)svg"
        R"svg(<circle cx="100" cy="300" r="60" fill="none" stroke="url(#tg_2)" stroke-width="8"/></svg>)svg");
    const auto save = [] { return page().savedSvg(); };
    ASSERT_TRUE(page().loadSvg(design));
    const QString first = save();
    ASSERT_TRUE(page().loadSvg(first));
    // An undo step in between rebuilds the objects from the history.
    page().select(0);
    controller().evaluate(CanvasScripts::setObjOpacity(50, true));
    controller().evaluate(CanvasScripts::undoItem());
    page().settle();
    const QString second = save();
    ASSERT_TRUE(page().loadSvg(second));
    const QString third = save();

    const QStringList ids = svgIds(first);
    EXPECT_EQ(ids.filter(QStringLiteral("SVGID_")).size(), 3) << first.toStdString();
    EXPECT_EQ(QSet<QString>(ids.begin(), ids.end()).size(), ids.size()) << ids.join(' ').toStdString();
    EXPECT_EQ(svgIds(second).join(' ').toStdString(), ids.join(' ').toStdString());
    EXPECT_EQ(svgIds(third).join(' ').toStdString(), ids.join(' ').toStdString());
    for (const QString& id : ids)
        EXPECT_EQ(first.count(QStringLiteral("url(#%1)").arg(id)), id.startsWith(QLatin1String("SVGID_")) ? 1 : 0)
            << id.toStdString();
}

// Typing records its step only when editing ends, yet it is a change from
// the first key: the editor's ways out read it from the undo state.
TEST_F(CanvasPageTest, typedTextIsAChangeFromTheFirstKeyAndUndoesInOneStep)
{
    const int text = indexOfType("i-text");
    QWidget* keys = page().view()->focusProxy();
    ASSERT_TRUE(keys);
    const auto textIs = [&](const char* expected) {
        return waitUntil([&] { return objectProperty(text, "text").toString() == QLatin1String(expected); }, 10000);
    };
    const auto typeAtTheEnd = [&](const QString& typed) {
        js(QStringLiteral("(t => { tessalyCanvas.setActiveObject(t); t.enterEditing(); return 0; })"
                          "(tessalyCanvas.getObjects()[%1])")
                .arg(text));
        QTest::keyClick(keys, Qt::Key_End);
        QTest::keyClicks(keys, typed);
    };
    // Whether the last undo state posted since `from` lights `button`.
    const auto lit = [](std::size_t from, const char* button) {
        const auto states = page().messagesSince(from, QStringLiteral("undoRedoState"));
        return !states.empty() && states.back().json().value(QLatin1String(button)).toBool();
    };
    const auto canUndo = [&](std::size_t from) { return lit(from, "canUndo"); };
    page().view()->setFocus();

    std::size_t from = page().mark();
    typeAtTheEnd(QStringLiteral(" FC"));
    ASSERT_TRUE(textIs("Tessaly FC"));
    EXPECT_TRUE(canUndo(from));
    // Typed back to where it began, the text holds no change.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(keys, Qt::Key_Backspace);
    ASSERT_TRUE(textIs("Tessaly"));
    EXPECT_FALSE(canUndo(from));

    // Undo while still editing records the typing as a step and goes back over it, so Redo brings it back.
    QTest::keyClicks(keys, QStringLiteral(" FC"));
    ASSERT_TRUE(textIs("Tessaly FC"));
    from = page().mark();
    controller().evaluate(CanvasScripts::undoItem());
    page().settle();
    EXPECT_EQ(objectProperty(indexOfType("i-text"), "text").toString(), QStringLiteral("Tessaly"));
    EXPECT_FALSE(canUndo(from));
    EXPECT_TRUE(lit(from, "canRedo"));
    EXPECT_EQ(js(QStringLiteral("tessalyHistory.states.length")).toInt(), 2);
    controller().evaluate(CanvasScripts::redoItem());
    page().settle();
    EXPECT_EQ(objectProperty(indexOfType("i-text"), "text").toString(), QStringLiteral("Tessaly FC"));

    // The save keeps what is being typed; Undo after it takes the typing back in one step.
    typeAtTheEnd(QStringLiteral(" FC"));
    ASSERT_TRUE(textIs("Tessaly FC FC"));
    EXPECT_TRUE(page().savedSvg().contains(QLatin1String("Tessaly FC FC")));
    controller().evaluate(CanvasScripts::undoItem());
    page().settle();
    EXPECT_EQ(objectProperty(indexOfType("i-text"), "text").toString(), QStringLiteral("Tessaly FC"));
}

TEST_F(CanvasPageTest, exportsKeepASingleSelection)
{
    const int circle = indexOfType("circle");
    page().select(circle);
    const std::size_t from = page().mark();
    controller().evaluate(CanvasScripts::getSvgAsBase64ForResult(QStringLiteral("ExportViewForEditLogoSheet")));
    const auto answer = page().waitFor(QStringLiteral("getSvgAsBase64"), from);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->json().value(QStringLiteral("form")).toString(), QStringLiteral("ExportViewForEditLogoSheet"));
    const QString svg = QUrl::fromPercentEncoding(
        QByteArray::fromBase64(answer->json().value(QStringLiteral("base64")).toString().toLatin1()));
    EXPECT_FALSE(svg.contains(QLatin1String("activeselection")));
    EXPECT_EQ(
        js(QStringLiteral("tessalyCanvas.getActiveObject() === tessalyCanvas.getObjects()[%1]").arg(circle)).toBool(),
        true);
    EXPECT_TRUE(page().messagesSince(from, QStringLiteral("clickCanvasBlank")).empty());
}

TEST_F(CanvasPageTest, consoleLinesReachTheNativeSide)
{
    const std::size_t from = page().mark();
    js(QStringLiteral("console.log('hello', {a: 1}); 0"));
    const auto line = page().waitFor(QStringLiteral("log"), from);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->body, QStringLiteral("hello {\"a\":1}"));
}

// Every picture the program gives the page is carried as data; the page
// fetches nothing. The engine refuses a local file however it is asked for.
TEST_F(CanvasPageTest, thePolicyRefusesALocalPictureAndAReadOfALocalFile)
{
    QTemporaryDir files;
    const QString path = files.filePath(QStringLiteral("local.png"));
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::white);
    ASSERT_TRUE(writeFile(path, pngBytes(picture)));
    const QString url = QUrl::fromLocalFile(path).toString();
    js(QStringLiteral("(async url => {"
                      " window.refusals = [];"
                      " window.noteRefusal = event => refusals.push(event.effectiveDirective);"
                      " document.addEventListener('securitypolicyviolation', noteRefusal);"
                      " const picture = new Image();"
                      " picture.src = url;"
                      " const shown = await picture.decode().then(() => true, () => false);"
                      " const read = await fetch(url).then(reply => reply.text()).then(() => true, () => false);"
                      " window.localReads = [shown, read].join(' '); })(%1); 0")
            .arg(CanvasScripts::jsq(url)));
    const auto stopNoting = qScopeGuard(
        [] { js(QStringLiteral("document.removeEventListener('securitypolicyviolation', noteRefusal); 0")); });
    ASSERT_TRUE(waitUntil([] { return js(QStringLiteral("window.localReads !== undefined")).toBool(); }, 10000));
    EXPECT_EQ(js(QStringLiteral("localReads")).toString().toStdString(), "false false");
    EXPECT_TRUE(waitUntil(
        [] {
            return js(QStringLiteral("[...new Set(refusals)].sort().join(' ')")).toString() == "connect-src img-src";
        },
        10000))
        << js(QStringLiteral("refusals.join(' ')")).toString().toStdString();
}

// A line the file places by its start or end, in a font the page fetches
// itself: the page reads the design before the font is there, and again once
// it is.
struct AnchoredLine {
    const char* name;
    // The document's style sheet, and the line's own attributes.
    const char* styleSheet;
    const char* anchor;
    double x;
    // Which of the line's edges sits at x in the file.
    bool atStart;
    // Every saved text as "content: fill", where the row checks the fills.
    const char* fills = nullptr;
    // Every object on the canvas, a text as "content: font size, letter
    // spacing" in px and any other by its type, where the row checks them.
    const char* sizes = nullptr;
    // More of the design, before the line. Here and in the style sheet, FILE
    // is a local file the page must never ask for (PATH the same file by its
    // path), and PICTURE a picture carried in the design.
    const char* more = "";
};

class AnchoredLineTest : public ::testing::TestWithParam<AnchoredLine> { };

// Every request the page makes, in the order it makes them.
class RequestLog : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override { urls << info.requestUrl().toString(); }
    QStringList urls;
};

TEST_P(AnchoredLineTest, keepsTheEdgeItsAnchorNamesOnceItsFontArrives)
{
    const AnchoredLine line = GetParam();
    // A page of its own: the font must not be there yet when the design is first read.
    const std::unique_ptr<CanvasPage> page = CanvasPage::create();
    ASSERT_TRUE(page->isReady());
    page->controller().setLocalFontListProvider([] {
        return QStringLiteral(R"([{"fontFamily":"Tessaly Anchor","path":"%1"}])")
            .arg(QStringLiteral(TESSALY_SOURCE_DIR "/resources/fonts/DejaVuSansMono.ttf"));
    });
    const QString width = QStringLiteral("(() => { fabric.cache.clearFontCache('Tessaly Anchor'); return new "
                                         "fabric.IText('Anchored line', { fontFamily: 'Tessaly Anchor', fontSize: "
                                         "40 }).width; })()");
    const double fallbackWidth = page->evaluate(width).toDouble();
    QTemporaryDir files;
    const QString named = QUrl::fromLocalFile(files.filePath(QStringLiteral("named.svg"))).toString();
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString carried
        = QStringLiteral("data:image/png;base64,") + QString::fromLatin1(pngBytes(picture).toBase64());
    const auto withFiles = [&](const char* text) {
        return QString::fromLatin1(text)
            .replace(QLatin1String("FILE"), named)
            .replace(QLatin1String("PATH"), files.filePath(QStringLiteral("named.svg")))
            .replace(QLatin1String("PICTURE"), carried);
    };
    RequestLog requests;
    QWebEngineProfile* profile = page->view()->page()->profile();
    profile->setUrlRequestInterceptor(&requests);
    const auto stopLogging = qScopeGuard([profile] { profile->setUrlRequestInterceptor(nullptr); });
    // Another text, in a group of class "d", for the rules that name it; no
    // style element where the row has no rules.
    const QString svg
        = QStringLiteral(R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" )"
                         R"(width="460" height="460" viewBox="0 0 460 460">)"
                         R"(%1%4<g class="d"><text x="230" y="100" font-size="20">Other</text></g>)"
                         R"(<text x="%2" y="200" %3 font-family="Tessaly Anchor" font-size="40">Anchored line</text>)"
                         R"(</svg>)")
              .arg(*line.styleSheet ? QStringLiteral("<style>%1</style>").arg(withFiles(line.styleSheet)) : QString())
              .arg(line.x)
              .arg(QLatin1String(line.anchor), withFiles(line.more));
    // Read before the font is there, again once it is, and as the page saved it.
    QString saved;
    for (const auto& [load, fromTheSave] :
        { std::pair { "first open", false }, { "second load", false }, { "its save reopened", true } }) {
        SCOPED_TRACE(load);
        ASSERT_TRUE(page->loadSvg(fromTheSave ? saved : svg));
        ASSERT_GT(std::abs(page->evaluate(width).toDouble() - fallbackWidth), 2.0) << "the fallback is as wide";

        // Where the saved file puts the line's edge, laid out by the page in the line's font.
        saved = page->savedSvg();
        ASSERT_FALSE(saved.isEmpty());
        const QString savedLiteral
            = QString::fromUtf8(QJsonDocument(QJsonArray { saved }).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
        const QString measured
            = page->evaluate(
                      QStringLiteral("((svgText, atStart) => {"
                                     " const holder = document.createElement('div');"
                                     " holder.style.position = 'absolute';"
                                     " document.body.appendChild(holder);"
                                     " holder.innerHTML = svgText;"
                                     " const svg = holder.querySelector('svg');"
                                     " const texts = [...svg.querySelectorAll('text')];"
                                     " const text = texts.find(t => t.textContent === 'Anchored line');"
                                     " const point = atStart ? text.getStartPositionOfChar(0)"
                                     "   : text.getEndPositionOfChar(text.getNumberOfChars() - 1);"
                                     " const toRoot = svg.getScreenCTM().inverse()"
                                     "   .multiply(text.getScreenCTM());"
                                     " const fills = texts.map(t => t.textContent + ': ' + getComputedStyle(t).fill);"
                                     " holder.remove();"
                                     " return JSON.stringify({ edge: point.matrixTransform(toRoot).x,"
                                     "   fills: fills.join('; ') }); })(%1, %2)")
                          .arg(savedLiteral, line.atStart ? QStringLiteral("true") : QStringLiteral("false")))
                  .toString();
        const QJsonObject found = QJsonDocument::fromJson(measured.toUtf8()).object();
        EXPECT_NEAR(found.value(QStringLiteral("edge")).toDouble(-1), line.x, 0.5);
        if (line.fills) {
            EXPECT_EQ(found.value(QStringLiteral("fills")).toString().toStdString(), line.fills);
        }
        if (line.sizes) {
            EXPECT_EQ(page->evaluate(QStringLiteral("tessalyCanvas.getObjects().map(t => t.text === undefined ? t.type"
                                                    " : t.text + ': ' + t.fontSize + ', '"
                                                    " + +(t.charSpacing * t.fontSize / 1000).toFixed(2))"
                                                    ".join('; ')"))
                          .toString()
                          .toStdString(),
                line.sizes);
        }

        // The page asks for files in order: once a font asked for now has
        // been asked for, so has everything the design asked for.
        const QString after = QUrl::fromLocalFile(files.filePath(QStringLiteral("after.ttf"))).toString()
            + QStringLiteral("?") + QString::number(requests.urls.size());
        page->evaluate(
            QStringLiteral("new FontFace('After', 'url(' + JSON.stringify(%1) + ')').load().catch(() => 0); 0")
                .arg(CanvasScripts::jsq(after)));
        ASSERT_TRUE(waitUntil([&] { return requests.urls.contains(after); }));
        EXPECT_EQ(requests.urls.filter(QStringLiteral("named.svg")).join(QLatin1Char(' ')).toStdString(), "");
    }
}

namespace {
// Class "e" anchored by its end; the other rule's selector the browser can't read.
const char* const endRules = ".e { text-anchor: end } .e:unknown { text-anchor: start }";
// The line anchored by its end without any rules.
const char* const noRules = "";
const char* const endAttribute = R"(text-anchor="end")";
// What opens: the texts alone, or a picture before them.
const char* const texts = "Other: 20, 0; Anchored line: 40, 0";
const char* const pictureAndTexts = "image; Other: 20, 0; Anchored line: 40, 0";
} // namespace

INSTANTIATE_TEST_SUITE_P(FromTheFile, AnchoredLineTest,
    ::testing::Values(AnchoredLine { "start", endRules, "", 10, true },
        AnchoredLine { "endByAttribute", endRules, R"(text-anchor="end")", 450, false },
        AnchoredLine { "endByClassRule", endRules, R"(class="e")", 450, false },
        AnchoredLine { "descendantRuleOnlyInItsGroup", "g.d text { text-anchor: end }", "", 10, true },
        AnchoredLine { "idRuleOverClassRule", "#a { text-anchor: end } .e { text-anchor: start }",
            R"(id="a" class="e")", 450, false },
        AnchoredLine { "ruleInMediaAll", "@media all { .e { text-anchor: end } }", R"(class="e")", 450, false },
        AnchoredLine {
            "listWithAnUnreadableSelectorDropped", ".e, p:::x { text-anchor: end }", R"(class="e")", 10, true },
        AnchoredLine { "descendantFillOnlyInItsGroup", "g.d text { fill: #0000ff }", "", 10, true,
            "Other: rgb(0, 0, 255); Anchored line: rgb(0, 0, 0)" },
        AnchoredLine { "ruleInANamespace",
            "@namespace s url(http://www.w3.org/2000/svg); s|text.e { text-anchor: end }", R"(class="e")", 450, false },
        AnchoredLine { "bareNumbersInARuleArePixels", ".t { font-size: 34; letter-spacing: 2 }", R"(class="t")", 10,
            true, nullptr, "Other: 20, 0; Anchored line: 34, 2" },
        // The design names a local file, which the page reads nothing of.
        AnchoredLine {
            "useOfALocalFile", endRules, R"(class="e")", 450, false, nullptr, nullptr, R"(<use href="FILE#x"/>)" },
        AnchoredLine { "imageOfALocalFile", endRules, R"(class="e")", 450, false, nullptr, nullptr,
            R"(<image href="FILE" width="10" height="10"/>)" },
        AnchoredLine { "importOfALocalFile", "@import url(FILE); .e { text-anchor: end }", R"(class="e")", 450, false },
        AnchoredLine { "fontFaceOfALocalFile",
            "@font-face { font-family: Named; src: url(FILE) } g.d text { font-family: Named } .e { text-anchor: end }",
            R"(class="e")", 450, false },
        AnchoredLine { "fillFromALocalFile", "g.d text { fill: url(FILE#a) } .e { text-anchor: end }", R"(class="e")",
            450, false, nullptr, nullptr,
            R"(<linearGradient id="a"><stop offset="0" stop-color="#0000ff"/></linearGradient>)" },
        AnchoredLine { "pictureInAForeignObject", endRules, R"(class="e")", 450, false, nullptr, nullptr,
            R"(<foreignObject width="10" height="10"><img xmlns="http://www.w3.org/1999/xhtml" src="FILE"/>)"
            R"(</foreignObject>)" },
        AnchoredLine { "preloadInAForeignObject", endRules, R"(class="e")", 450, false, nullptr, nullptr,
            R"(<foreignObject width="10" height="10"><link xmlns="http://www.w3.org/1999/xhtml" rel="preload" )"
            R"(as="image" imagesrcset="FILE"/></foreignObject>)" },
        // A picture carried in the file that doesn't decode is left out; the rest opens.
        AnchoredLine { "undecodablePicture", endRules, R"(class="e")", 450, false, nullptr, texts,
            R"(<image href="data:image/png;base64,AAAA" width="10" height="10"/>)" },
        AnchoredLine { "undecodablePicturesInEverySpelling", noRules, endAttribute, 450, false, nullptr, texts,
            R"(<svg:image xmlns:svg="http://www.w3.org/2000/svg" href="data:image/png;base64,AAAA" width="10" )"
            R"(height="10"/><IMAGE href="data:image/png;base64,AAAA" width="10" height="10"/>)" },
        // A picture as fabric reads one: any case, an svg: prefix, an address
        // inherited or in its style.
        AnchoredLine { "prefixedPictureOfALocalFile", noRules, endAttribute, 450, false, nullptr, texts,
            R"(<svg:image xmlns:svg="http://www.w3.org/2000/svg" xlink:href="FILE" width="10" height="10"/>)" },
        AnchoredLine { "capitalPictureOfALocalFile", endRules, R"(class="e")", 450, false, nullptr, texts,
            R"(<IMAGE href="FILE" width="10" height="10"/>)" },
        AnchoredLine { "mixedCasePictureOfALocalFile", noRules, endAttribute, 450, false, nullptr, texts,
            R"(<Image href="FILE" width="10" height="10"/>)" },
        AnchoredLine { "pictureInALinkToALocalFile", endRules, R"(class="e")", 450, false, nullptr, pictureAndTexts,
            R"(<a xlink:href="FILE"><image href="PICTURE" width="10" height="10"/></a>)" },
        AnchoredLine { "pictureInAnSvgNamingALocalFile", noRules, endAttribute, 450, false, nullptr, pictureAndTexts,
            R"(<svg xlink:href="FILE"><image href="PICTURE" width="10" height="10"/></svg>)" },
        AnchoredLine { "pictureStyledWithALocalFile", endRules, R"(class="e")", 450, false, nullptr, pictureAndTexts,
            R"(<image href="PICTURE" style="href: PATH" width="10" height="10"/>)" },
        // A browser shows the href when the xlink:href is broken.
        AnchoredLine { "pictureWithABrokenXlinkHref", noRules, endAttribute, 450, false, nullptr, pictureAndTexts,
            R"(<image xlink:href="data:image/png;base64,AAAA" href="PICTURE" width="10" height="10"/>)" },
        // A reference that can't be resolved costs only itself.
        AnchoredLine { "useOfAnUndecodablePicture", endRules, R"(class="e")", 450, false, nullptr,
            "rect; circle; Other: 20, 0; Anchored line: 40, 0",
            R"(<defs><image id="p" href="data:image/png;base64,AAAA" width="10" height="10"/>)"
            R"(<rect id="r" width="10" height="10"/><circle id="c" r="5"/></defs>)"
            R"(<use href="#p"/><use href="#r"/><use href="#c" x="20"/>)" },
        AnchoredLine { "styledUseOfAPicture", noRules, endAttribute, 450, false, nullptr,
            "image; image; Other: 20, 0; Anchored line: 40, 0",
            R"(<image id="p" href="PICTURE" width="10" height="10"/><use href="#p" x="20" style="opacity: 0.5"/>)" },
        AnchoredLine { "useOfAnotherFilesElement", noRules, endAttribute, 450, false, nullptr,
            "rect; rect; circle; Other: 20, 0; Anchored line: 40, 0",
            R"(<defs><rect id="x" width="10" height="10"/><circle id="c" r="5"/></defs>)"
            R"(<use href="other.svg#x"/><use href="#missing"/><use/><use href="_x"/><use id="u" href="#x"/>)"
            R"(<use href="#u"/><use href="#x" x="20"><rect id="q"/></use><use href="#q"/><use href="#c" x="40"/>)" }),
    [](const ::testing::TestParamInfo<AnchoredLine>& param) { return param.param.name; });

TEST(CanvasPageStartup, callsMadeBeforeThePageIsReadyRunOnceItIs)
{
    WebViewViewController controller;
    std::vector<PageMessage> messages;
    QObject::connect(&controller, &WebViewViewController::scriptMessageReceived, &controller,
        [&](const QString& name, const QString& body) {
            messages.push_back({ name, body });
        });
    const auto indexOf = [&](const char* name) {
        for (std::size_t i = 0; i < messages.size(); ++i) {
            if (messages[i].name == QLatin1String(name))
                return int(i);
        }
        return -1;
    };
    controller.loadSvg(WebViewViewController::SvgEncoding::Text, sampleDesignSvg(), 1);
    controller.evaluate(CanvasScripts::setCanvasBKGroundColor(0x0000FF));
    EXPECT_EQ(controller.queuedCalls().size(), 5);
    controller.view()->show();
    ASSERT_TRUE(waitUntil([&] { return indexOf("svgLoadSuccess") >= 0; }, 30000));
    EXPECT_TRUE(controller.queuedCalls().isEmpty());
    EXPECT_LT(indexOf("pageReady"), indexOf("svgLoadSuccess"));
    // The colour ran after the load: it is the one step to undo.
    ASSERT_TRUE(waitUntil(
        [&] {
            return messages.back().name == QLatin1String("undoRedoState")
                && messages.back().json().value(QStringLiteral("canUndo")).toBool();
        },
        10000));
}

TEST(CanvasPageStartup, aViewDeletedByItsHostIsRebuiltAndCallsWaitForIt)
{
    WebViewViewController controller;
    int ready = 0;
    QObject::connect(&controller, &WebViewViewController::pageReady, &controller, [&] { ++ready; });
    QWidget* first = controller.view();
    ASSERT_TRUE(waitUntil([&] { return ready == 1; }, 30000));
    delete first;
    EXPECT_FALSE(controller.isViewLoaded());
    controller.evaluate(CanvasScripts::setFlipObjX());
    EXPECT_EQ(controller.queuedCalls(), QStringList { QStringLiteral("setFlipObjX()") });
    QWidget* second = controller.view();
    EXPECT_EQ(second->size(), QSize(460, 460));
    ASSERT_TRUE(waitUntil([&] { return ready == 2; }, 30000));
    EXPECT_TRUE(controller.queuedCalls().isEmpty());
}

TEST(CanvasPageStartup, aReloadedPageIsGivenTheShippedFontsAgain)
{
    WebViewViewController controller;
    controller.setLocalFontListProvider(
        [] { return QStringLiteral(R"([{"fontFamily":"Tessaly Reload","path":"/nowhere/Reload.ttf"}])"); });
    int ready = 0;
    int loaded = 0;
    QObject::connect(&controller, &WebViewViewController::pageReady, &controller, [&] { ++ready; });
    QObject::connect(&controller, &WebViewViewController::scriptMessageReceived, &controller,
        [&](const QString& name, const QString&) { loaded += name == QLatin1String("svgLoadSuccess") ? 1 : 0; });
    auto* view = qobject_cast<QWebEngineView*>(controller.view());
    ASSERT_NE(view, nullptr);
    const auto pageHasFamily = [view] {
        QVariant answer;
        view->page()->runJavaScript(
            QStringLiteral("[...document.fonts].some(f => f.family.replace(/\"/g, '') === 'Tessaly Reload')"),
            [&answer](const QVariant& value) { answer = value; });
        waitUntil([&] { return answer.isValid(); }, 10000);
        return answer.toBool();
    };
    for (int page = 1; page <= 2; ++page) {
        if (page == 2)
            controller.reloadPage();
        ASSERT_TRUE(waitUntil([&] { return ready == page; }, 30000));
        controller.loadSvg(WebViewViewController::SvgEncoding::Text, sampleDesignSvg(), page);
        ASSERT_TRUE(waitUntil([&] { return loaded == page; }, 30000));
        EXPECT_TRUE(pageHasFamily()) << "page " << page;
    }
}

TEST(CanvasPageStartup, aDeadRendererFailsThePageAndAReloadBringsItBack)
{
    WebViewViewController controller;
    int ready = 0;
    int failed = 0;
    QObject::connect(&controller, &WebViewViewController::pageReady, &controller, [&] { ++ready; });
    QObject::connect(&controller, &WebViewViewController::pageFailed, &controller, [&] { ++failed; });
    auto* view = qobject_cast<QWebEngineView*>(controller.view());
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(waitUntil([&] { return ready == 1; }, 30000));
    const qint64 pid = view->page()->renderProcessPid();
    ASSERT_GT(pid, 0);
    if (CanvasPage::instance().view() && CanvasPage::instance().view()->page()->renderProcessPid() == pid)
        GTEST_SKIP() << "the renderer is shared with the other tests' page";

    ::kill(static_cast<pid_t>(pid), SIGKILL);
    ASSERT_TRUE(waitUntil([&] { return failed == 1; }, 30000));
    EXPECT_TRUE(controller.hasPageFailed());
    controller.reloadPage();
    ASSERT_TRUE(waitUntil([&] { return ready == 2; }, 30000));
    EXPECT_FALSE(controller.hasPageFailed());
}

TEST(CanvasPageStartup, aMissingPageFailsTheWaitingDesignLoad)
{
    QTemporaryDir emptyShare;
    const QByteArray previous = qgetenv("TESSALY_SHARE_DIR");
    qputenv("TESSALY_SHARE_DIR", emptyShare.path().toUtf8());
    rx::DisposeBag bag;
    int failures = 0;
    subscribeEvent<EditLogoViewEvent::loadSvgFail>(bag, [&](const EditLogoViewEvent::loadSvgFail&) { ++failures; });
    {
        WebViewViewController controller;
        controller.loadSvg(WebViewViewController::SvgEncoding::Text, sampleDesignSvg(), 1);
        controller.view();
        EXPECT_TRUE(waitUntil([&] { return failures == 1; }, 30000));
        EXPECT_TRUE(controller.hasPageFailed());
    }
    if (previous.isNull())
        qunsetenv("TESSALY_SHARE_DIR");
    else
        qputenv("TESSALY_SHARE_DIR", previous);
}

TEST_F(CanvasPageTest, pngExportIs1024Square)
{
    rx::DisposeBag bag;
    QString dataUrl;
    subscribeEvent<ExportViewSheetEvent::imageBase64StringEvent>(
        bag, [&](const ExportViewSheetEvent::imageBase64StringEvent& event) { dataUrl = event.base64String; });
    controller().evaluate(CanvasScripts::getLogoJpgPngBase64(QStringLiteral("Tessaly_1.png"), 0, 1024, 1024));
    ASSERT_TRUE(waitUntil([&] { return !dataUrl.isEmpty(); }, 10000));
    ASSERT_TRUE(dataUrl.startsWith(QLatin1String("data:image/png;base64,")));
    const QImage image = QImage::fromData(QByteArray::fromBase64(dataUrl.mid(22).toLatin1()), "PNG");
    EXPECT_EQ(image.width(), 1024);
    EXPECT_EQ(image.height(), 1024);
    EXPECT_EQ(image.pixelColor(2, 2), QColor(0xf1, 0xf3, 0xf5));
}

TEST_F(CanvasPageTest, theCanvasIsSizedAgainOnlyForANewSize)
{
    // Every setting of a canvas element's width drops its pixels and allocates new ones.
    js(QStringLiteral("(() => { const width = Object.getOwnPropertyDescriptor(HTMLCanvasElement.prototype, 'width');"
                      " window.widthSettings = 0;"
                      " Object.defineProperty(tessalyCanvas.getElement(), 'width', { configurable: true,"
                      "   get() { return width.get.call(this); },"
                      "   set(value) { window.widthSettings += 1; width.set.call(this, value); } });"
                      " return true; })()"));
    controller().evaluate(CanvasScripts::setCanvasSize(460, 460));
    page().settle();
    EXPECT_EQ(js(QStringLiteral("window.widthSettings")).toInt(), 0);
    controller().evaluate(CanvasScripts::setCanvasSize(300, 200));
    page().settle();
    EXPECT_EQ(js(QStringLiteral("window.widthSettings")).toInt(), 1);
    EXPECT_EQ(js(QStringLiteral("tessalyCanvas.getWidth()")).toInt(), 300);
    controller().evaluate(CanvasScripts::setCanvasSize(460, 460));
    page().settle();
    js(QStringLiteral("delete tessalyCanvas.getElement().width"));
    EXPECT_EQ(js(QStringLiteral("tessalyCanvas.getWidth()")).toInt(), 460);
}

TEST_F(CanvasPageTest, theDesignIsTakenOnceOverTheChannelAndAnUnheldTokenFails)
{
    const std::size_t from = page().mark();
    controller().loadSvg(
        WebViewViewController::SvgEncoding::Base64, QString::fromLatin1(largeDesignSvg(5).toUtf8().toBase64()), 21);
    ASSERT_TRUE(page().waitFor(QStringLiteral("svgLoadSuccess"), from));
    page().settle();
    EXPECT_EQ(objectCount(), 5);
    EXPECT_FALSE(controller().heldDesign().find(21));
    // Already taken, and never held.
    controller().evaluate(CanvasScripts::loadDesignFromHost(21));
    controller().evaluate(CanvasScripts::loadDesignFromHost(22));
    page().settle();
    const auto tokens = [&](const char* name) {
        std::vector<qint64> out;
        for (const PageMessage& message : page().messagesSince(from, QLatin1String(name)))
            out.push_back(message.json().value(QStringLiteral("token")).toInteger());
        return out;
    };
    EXPECT_EQ(tokens("svgLoadSuccess"), std::vector<qint64> { 21 });
    EXPECT_EQ(tokens("loadSvgFail"), (std::vector<qint64> { 21, 22 }));
    EXPECT_EQ(objectCount(), 5);
}

TEST_F(CanvasPageTest, somethingThatIsNotSvgPostsLoadSvgFail)
{
    rx::DisposeBag bag;
    int failures = 0;
    subscribeEvent<EditLogoViewEvent::loadSvgFail>(bag, [&](const EditLogoViewEvent::loadSvgFail&) { ++failures; });
    const std::size_t from = page().mark();
    controller().loadSvg(
        WebViewViewController::SvgEncoding::Text, QStringLiteral("<html><body>502 Bad Gateway</body></html>"), 11);
    EXPECT_TRUE(page().waitFor(QStringLiteral("loadSvgFail"), from));
    controller().loadSvg(WebViewViewController::SvgEncoding::Base64, QStringLiteral("@@not base64@@"), 12);
    page().settle();
    EXPECT_EQ(failures, 2);
    // Each answer names the load it ends.
    const std::vector<PageMessage> answers = page().messagesSince(from, QStringLiteral("loadSvgFail"));
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].json().value(QStringLiteral("token")).toInteger(), 11);
    EXPECT_EQ(answers[1].json().value(QStringLiteral("token")).toInteger(), 12);
    EXPECT_TRUE(page().messagesSince(from, QStringLiteral("svgLoadSuccess")).empty());
}

} // namespace
