// The exact JavaScript text of every canvas call, with awkward input.

#include "canvas/CanvasScripts.h"

#include "canvas/DesignReference.h"
#include "canvas/WebViewViewController.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"

#include <gtest/gtest.h>

using namespace CanvasScripts;

TEST(JsQuote, plainTextIsOnlyWrappedInQuotes)
{
    EXPECT_EQ(jsq(QStringLiteral("Cabin")), QStringLiteral("'Cabin'"));
    EXPECT_EQ(jsq(QString()), QStringLiteral("''"));
    EXPECT_EQ(jsq(QStringLiteral("Zürich 東京 \"x\"")), QStringLiteral("'Zürich 東京 \"x\"'"));
}

TEST(JsQuote, escapesEverythingThatCouldEndTheLiteral)
{
    EXPECT_EQ(jsq(QStringLiteral("it's")), QStringLiteral("'it\\'s'"));
    EXPECT_EQ(jsq(QStringLiteral("a\\b")), QStringLiteral("'a\\\\b'"));
    EXPECT_EQ(jsq(QStringLiteral("a\nb\rc")), QStringLiteral("'a\\nb\\rc'"));
    EXPECT_EQ(jsq(QStringLiteral("a") + QChar(0x2028) + QStringLiteral("b") + QChar(0x2029)),
        QStringLiteral("'a\\u2028b\\u2029'"));
    EXPECT_EQ(jsq(QStringLiteral("a\tb") + QChar(0x01)), QStringLiteral("'a\\u0009b\\u0001'"));
    // An injection attempt stays inside the string.
    EXPECT_EQ(jsq(QStringLiteral("x');alert(1);//")), QStringLiteral("'x\\');alert(1);//'"));
    // A JSON escape survives the trip through the literal.
    EXPECT_EQ(jsq(QStringLiteral(R"({"a":"q\"q"})")), QStringLiteral(R"('{"a":"q\\"q"}')"));
}

TEST(JsQuote, hexColoursAreAlwaysSixLowercaseDigits)
{
    EXPECT_EQ(hex6lower(0xF1F3F5), QStringLiteral("f1f3f5"));
    EXPECT_EQ(hex6lower(0x0000FF), QStringLiteral("0000ff"));
    EXPECT_EQ(hex6lower(0), QStringLiteral("000000"));
    EXPECT_EQ(hex6lower(0x7F123456), QStringLiteral("123456"));
    EXPECT_EQ(hex6lower(-1), QStringLiteral("ffffff"));
}

TEST(CanvasCallText, callsWithoutArguments)
{
    EXPECT_EQ(activeAttributes(), QStringLiteral("activeAttributes()"));
    EXPECT_EQ(getFontAttributes(), QStringLiteral("getFontAttributes()"));
    EXPECT_EQ(setTextFontBold(), QStringLiteral("setTextFontBold()"));
    EXPECT_EQ(setTextFontItalic(), QStringLiteral("setTextFontItalic()"));
    EXPECT_EQ(setTextFontUnderLine(), QStringLiteral("setTextFontUnderLine()"));
    EXPECT_EQ(setTextFontUppercase(), QStringLiteral("setTextFontUppercase()"));
    EXPECT_EQ(setTextFontDirection(), QStringLiteral("setTextFontDirection()"));
    EXPECT_EQ(setFlipObjX(), QStringLiteral("setFlipObjX()"));
    EXPECT_EQ(setFlipObjY(), QStringLiteral("setFlipObjY()"));
    EXPECT_EQ(undoItem(), QStringLiteral("undoItem()"));
    EXPECT_EQ(redoItem(), QStringLiteral("redoItem()"));
    EXPECT_EQ(copyItem(), QStringLiteral("copyItem()"));
    EXPECT_EQ(deleteItem(), QStringLiteral("deleteItem()"));
    EXPECT_EQ(canvasClear(false), QStringLiteral("canvasClear(false)"));
}

TEST(CanvasCallText, numericCalls)
{
    EXPECT_EQ(hsltorgb(210, 100, 40, 1), QStringLiteral("hsltorgb(210,100,40,1)"));
    EXPECT_EQ(hsltorgb(-5, 0, 0, 0), QStringLiteral("hsltorgb(-5,0,0,0)"));
    EXPECT_EQ(setActiveBrightness(45, true), QStringLiteral("setActiveBrightness(45,true)"));
    EXPECT_EQ(setActiveSaturation(45, false), QStringLiteral("setActiveSaturation(45,false)"));
    EXPECT_EQ(setObjOpacity(29, true), QStringLiteral("setObjOpacity(29,true)"));
    EXPECT_EQ(charSpacing(300, false), QStringLiteral("charSpacing(300,false)"));
    EXPECT_EQ(changeRotate(180, false), QStringLiteral("changeRotate(180,false)"));
    EXPECT_EQ(changeRotate(-90, true), QStringLiteral("changeRotate(-90,true)"));
    EXPECT_EQ(setCanvasSize(460, 460), QStringLiteral("setCanvasSize(460,460)"));
}

TEST(CanvasCallText, textCalls)
{
    EXPECT_EQ(
        setTextFontFamily(QStringLiteral("Cabin")), QStringLiteral("setTextFontFamily('Cabin','normal','normal',0)"));
    EXPECT_EQ(setTextFontFamily(QStringLiteral("O'Neil\n"), { QStringLiteral("bold"), QStringLiteral("italic") }, 7),
        QStringLiteral("setTextFontFamily('O\\'Neil\\n','bold','italic',7)"));
    EXPECT_EQ(loadFont(QStringLiteral("Cabin"), QStringLiteral("/opt/tessaly/fonts/Cabin Regular.ttf")),
        QStringLiteral("LoadFont('Cabin','/opt/tessaly/fonts/Cabin Regular.ttf','normal','normal',0)"));
    EXPECT_EQ(loadFont(QStringLiteral("A'b"), QStringLiteral("C:\\f.ttf"),
                  { QStringLiteral("600"), QStringLiteral("normal") }, 3),
        QStringLiteral("LoadFont('A\\'b','C:\\\\f.ttf','600','normal',3)"));
    EXPECT_EQ(pushLocalFont(QStringLiteral(R"([{"fontFamily":"Abel","path":"/f/Abel's.ttf"}])")),
        QStringLiteral(R"(pushLocalFont('[{"fontFamily":"Abel","path":"/f/Abel\'s.ttf"}]'))"));
    EXPECT_EQ(getSvgAsBase64ForResult(QStringLiteral("EditLogoView")),
        QStringLiteral("getSvgAsBase64ForResult('EditLogoView')"));
    EXPECT_EQ(getLogoJpgPngBase64(QStringLiteral("Tessaly_1796627539.png"), 0, 1024, 1024),
        QStringLiteral("getLogoJpgPngBase64('Tessaly_1796627539.png', 0, 1024, 1024, false)"));
    EXPECT_EQ(getLogoJpgPngBase64(QStringLiteral("a.jpg"), 1, 512, 256),
        QStringLiteral("getLogoJpgPngBase64('a.jpg', 1, 512, 256, true)"));
    EXPECT_EQ(addText(QStringLiteral("Text")), QStringLiteral("addText('Text')"));
    EXPECT_EQ(loadDesignFromHost(5000000000LL), QStringLiteral("loadDesignFromHost(5000000000)"));
    EXPECT_EQ(addSvgBase64(QStringLiteral("AAA=")), QStringLiteral("addSvgBase64('AAA=')"));
    EXPECT_EQ(setCanvasBKGroundImage(QStringLiteral("iVBO")),
        QStringLiteral("setCanvasBKGroundImage('data:image/png;base64,iVBO')"));
}

TEST(CanvasCallText, colourCalls)
{
    EXPECT_EQ(setObjColor(0xF1F3F5), QStringLiteral("setObjColor('#f1f3f5')"));
    EXPECT_EQ(setObjColor(0x0000FF), QStringLiteral("setObjColor('#0000ff')"));
    EXPECT_EQ(setObjColorString(QStringLiteral("#FF0000FF")), QStringLiteral("setObjColor('#FF0000FF')"));
    EXPECT_EQ(setObjColorString(QString()), QStringLiteral("setObjColor('#000000')"));
    EXPECT_EQ(setObjColorString(QStringLiteral("'); x('")), QStringLiteral("setObjColor('\\'); x(\\'')"));
    EXPECT_EQ(setCanvasBKGroundColor(0xD9480F), QStringLiteral("setCanvasBKGroundColor('#d9480f')"));
    EXPECT_EQ(setCanvasBKGroundColor(0xFF), QStringLiteral("setCanvasBKGroundColor('#0000ff')"));
}

TEST(CanvasController, designLoadSendsFontsClearSizeThenTheDesign)
{
    WebViewViewController controller;
    QStringList calls;
    controller.setScriptSink([&](const QString& js) { calls << js; });
    controller.loadSvg(WebViewViewController::SvgEncoding::Text, QStringLiteral("<svg width='10' height=\"20\"/>"), 3);
    ASSERT_EQ(calls.size(), 4);
    EXPECT_EQ(calls[0], QStringLiteral("pushLocalFont('[]')"));
    EXPECT_EQ(calls[1], QStringLiteral("canvasClear(false)"));
    EXPECT_EQ(calls[2], QStringLiteral("setCanvasSize(460,460)"));
    EXPECT_EQ(calls[3], QStringLiteral("loadDesignFromHost(3)"));
    ASSERT_TRUE(controller.heldDesign().find(3));
    EXPECT_EQ(controller.heldDesign().find(3)->svg, QStringLiteral("<svg width='10' height=\"20\"/>"));

    calls.clear();
    controller.setLocalFontListProvider([] { return QStringLiteral(R"([{"fontFamily":"Abel"}])"); });
    controller.loadSvg(WebViewViewController::SvgEncoding::Base64, QStringLiteral("PHN2Zy8+"), 4);
    ASSERT_EQ(calls.size(), 4);
    EXPECT_EQ(calls[0], QStringLiteral(R"(pushLocalFont('[{"fontFamily":"Abel"}]'))"));
    EXPECT_EQ(calls[3], QStringLiteral("loadDesignFromHost(4)"));
    // Only the latest design is held.
    EXPECT_FALSE(controller.heldDesign().find(3));
    ASSERT_TRUE(controller.heldDesign().find(4));
    EXPECT_EQ(controller.heldDesign().find(4)->encoding, SvgEncoding::Base64);
    EXPECT_EQ(controller.heldDesign().find(4)->svg, QStringLiteral("PHN2Zy8+"));
}

TEST(CanvasController, eachFontFamilyGoesToThePageOnce)
{
    WebViewViewController controller;
    QStringList calls;
    controller.setScriptSink([&](const QString& js) { calls << js; });
    const struct {
        const char* list;
        const char* pushed;
    } loads[] = {
        { R"([{"fontFamily":"Abel","id":"1"}])", R"(pushLocalFont('[{"fontFamily":"Abel","id":"1"}]'))" },
        // The same family under a new id, and a new family.
        { R"([{"fontFamily":"Abel","id":"2"},{"fontFamily":"Cabin"}])",
            R"(pushLocalFont('[{"fontFamily":"Cabin"}]'))" },
        { R"([{"fontFamily":"Abel"},{"fontFamily":"Cabin"}])", "pushLocalFont('[]')" },
        { "not json", "pushLocalFont('not json')" },
    };
    for (const auto& load : loads) {
        calls.clear();
        controller.setLocalFontListProvider([&] { return QString::fromUtf8(load.list); });
        controller.loadSvg(WebViewViewController::SvgEncoding::Base64, QStringLiteral("PHN2Zy8+"), 5);
        ASSERT_EQ(calls.size(), 4);
        EXPECT_EQ(calls[0], QString::fromUtf8(load.pushed)) << load.list;
    }
}

TEST(CanvasController, callsBeforeThePageIsReadyWaitInOrder)
{
    WebViewViewController controller;
    controller.evaluate(CanvasScripts::setFlipObjX());
    controller.evaluate(CanvasScripts::setObjOpacity(50, false));
    controller.evaluate(CanvasScripts::undoItem());
    EXPECT_FALSE(controller.isPageReady());
    EXPECT_EQ(controller.queuedCalls(),
        (QStringList { QStringLiteral("setFlipObjX()"), QStringLiteral("setObjOpacity(50,false)"),
            QStringLiteral("undoItem()") }));
}

TEST(CanvasController, aPageWhoseScriptsDidNotStartFailsDesignLoadsInsteadOfHanging)
{
    WebViewViewController controller;
    rx::DisposeBag bag;
    std::vector<qint64> failures;
    subscribeEvent<EditLogoViewEvent::loadSvgFail>(
        bag, [&](const EditLogoViewEvent::loadSvgFail& e) { failures.push_back(e.token); });
    controller.loadSvg(WebViewViewController::SvgEncoding::Text, QStringLiteral("<svg/>"), 8);
    controller.handleScriptMessage(QStringLiteral("pageReady"), QStringLiteral(R"({"canvas":false})"));
    EXPECT_EQ(failures, std::vector<qint64> { 8 });
    // No page is left to take the design.
    EXPECT_FALSE(controller.heldDesign().find(8));
    EXPECT_TRUE(controller.hasPageFailed());
    EXPECT_FALSE(controller.isPageReady());
    EXPECT_TRUE(controller.queuedCalls().isEmpty());
    controller.evaluate(CanvasScripts::setFlipObjX());
    EXPECT_EQ(failures.size(), 1u);
    controller.loadSvg(WebViewViewController::SvgEncoding::Base64, QStringLiteral("PHN2Zy8+"), 9);
    EXPECT_EQ(failures, (std::vector<qint64> { 8, 9 }));
}

TEST(CanvasController, aReadyPageWithoutTheFlagCountsAsStarted)
{
    WebViewViewController controller;
    int ready = 0;
    QObject::connect(&controller, &WebViewViewController::pageReady, &controller, [&] { ++ready; });
    controller.handleScriptMessage(QStringLiteral("pageReady"), QStringLiteral("{}"));
    EXPECT_EQ(ready, 1);
    EXPECT_TRUE(controller.isPageReady());
    EXPECT_FALSE(controller.hasPageFailed());
}

TEST(CanvasScriptQueueTest, flushesInOrderOnReadyAndHoldsAgainAfterANewLoad)
{
    CanvasScriptQueue queue;
    QStringList ran;
    const auto run = [&](const QString& js) { ran << js; };
    queue.submit(QStringLiteral("a()"), run);
    queue.submit(QStringLiteral("b()"), run);
    EXPECT_TRUE(ran.isEmpty());
    queue.markReady(run);
    EXPECT_EQ(ran, (QStringList { QStringLiteral("a()"), QStringLiteral("b()") }));
    EXPECT_TRUE(queue.pending().isEmpty());
    queue.submit(QStringLiteral("c()"), run);
    EXPECT_EQ(ran.size(), 3);
    queue.markNotReady();
    queue.submit(QStringLiteral("d()"), run);
    EXPECT_EQ(ran.size(), 3);
    EXPECT_EQ(queue.pending(), QStringList { QStringLiteral("d()") });
}

TEST(DesignReference, classifiesTextUrlsAndPaths)
{
    EXPECT_EQ(classifyDesignReference(QStringLiteral("  <svg/>")), DesignReferenceKind::SvgText);
    EXPECT_EQ(classifyDesignReference(QStringLiteral("<?xml version=\"1.0\"?><svg/>")), DesignReferenceKind::SvgText);
    EXPECT_EQ(classifyDesignReference(QStringLiteral("http://127.0.0.1/a.svg")), DesignReferenceKind::Url);
    EXPECT_EQ(classifyDesignReference(QStringLiteral("HTTPS://h/a.svg")), DesignReferenceKind::Url);
    EXPECT_EQ(classifyDesignReference(QStringLiteral("static/designs/1.svg")), DesignReferenceKind::RelativePath);
    EXPECT_EQ(designReferenceUrl(QStringLiteral("/static/1.svg"), QStringLiteral("http://127.0.0.1:8787")),
        QStringLiteral("http://127.0.0.1:8787/static/1.svg"));
    EXPECT_EQ(designReferenceUrl(QStringLiteral("1.svg"), QStringLiteral("http://h/base/")),
        QStringLiteral("http://h/base/1.svg"));
    EXPECT_EQ(designReferenceUrl(QStringLiteral(" http://h/x.svg "), QStringLiteral("http://other")),
        QStringLiteral("http://h/x.svg"));
}
