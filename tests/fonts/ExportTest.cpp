// The export files and the export sheet's steps, with HOME in a private folder.

#include "canvas/CanvasScripts.h"
#include "core/ExportFolder.h"
#include "core/RxBus.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/EditorTestSupport.h"
#include "fonts/ExportFiles.h"
#include "fonts/ExportFlow.h"
#include "fonts/ExportViewForEditLogoSheet.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

const QString svgText = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\"><text>Caf\u00e9 100%</text></svg>");

// The page's form: the SVG text percent-encoded, then Base64.
QString pageSvg(const QString& svg)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(svg).toBase64());
}

QString pngBase64()
{
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::red);
    return QString::fromLatin1(pngBytes(image).toBase64());
}

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previousHome = qgetenv("HOME");
        qputenv("HOME", m_home.path().toUtf8());
        setExportFolderOpener([this](const QString& folder) { m_opened << folder; });
        subscribeEvent<EditLogoViewEvent::toastEditWindowsEvent>(
            &m_context, [this](const EditLogoViewEvent::toastEditWindowsEvent& e) { m_toasts << e.text; });
    }
    void TearDown() override
    {
        qputenv("HOME", m_previousHome);
        setExportFolderOpener([](const QString&) {});
    }

    QString folder(const char* type) const
    {
        return QDir(m_home.path()).filePath(QStringLiteral("Documents/Tessaly/") + QLatin1String(type));
    }
    QStringList files(const char* type) const { return QDir(folder(type)).entryList(QDir::Files); }

    QTemporaryDir m_home;
    QByteArray m_previousHome;
    QObject m_context;
    QStringList m_opened;
    QStringList m_toasts;
};

TEST_F(ExportTest, WritesIntoTypeFoldersAndNeverOverAnExistingFile)
{
    const ExportedFile svg = saveBase64SvgToDocuments(pageSvg(svgText), QStringLiteral("Tessaly_7.svg"), "SVG");
    ASSERT_TRUE(svg.ok()) << svg.error.toStdString();
    EXPECT_EQ(svg.path, QDir(folder("SVG")).filePath(QStringLiteral("Tessaly_7.svg")));
    QFile written(svg.path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(written.readAll()), svgText);
    EXPECT_EQ(m_opened, QStringList({ QDir(m_home.path()).filePath(QStringLiteral("Documents/Tessaly")) }));

    for (const char* name : { "Tessaly_7.png", "Tessaly_7.png", "Tessaly_7.png" })
        EXPECT_TRUE(saveBase64PngToDocuments(pngBase64(), QLatin1String(name), "PNG").ok());
    EXPECT_EQ(files("PNG"), QStringList({ "Tessaly_7.png", "Tessaly_7_2.png", "Tessaly_7_3.png" }));
    EXPECT_TRUE(
        exportFileName(QStringLiteral(".svg")).contains(QRegularExpression(QStringLiteral("^Tessaly_\\d+\\.svg$"))));
}

TEST_F(ExportTest, InputThatDoesNotDecodeWritesNothing)
{
    struct Case {
        QString base64;
        bool svg;
        const char* message;
    };
    const QString good = pageSvg(svgText);
    for (const Case& c : { Case { good.left(8) + QLatin1Char('\n') + good.mid(8), true, "Base64 解码失败" },
             Case { QString::fromLatin1(QByteArray("<svg>%zz</svg>").toBase64()), true, "SVG字符串解码失败" },
             Case { pngBase64().insert(4, QLatin1Char('\n')), false, "Base64字符串转换失败123123123123123123" },
             Case { QString::fromLatin1(QByteArray("not a picture").toBase64()), false,
                 "Base64字符串转换失败123123123123123123" } }) {
        const ExportedFile file = c.svg ? saveBase64SvgToDocuments(c.base64, QStringLiteral("x.svg"), "SVG")
                                        : saveBase64PngToDocuments(c.base64, QStringLiteral("x.png"), "PNG");
        EXPECT_FALSE(file.ok());
        EXPECT_EQ(file.error, QString::fromUtf8(c.message));
    }
    EXPECT_TRUE(files("SVG").isEmpty());
    EXPECT_TRUE(files("PNG").isEmpty());
    EXPECT_TRUE(m_opened.isEmpty());

    // The data-URL prefix is optional.
    EXPECT_TRUE(saveBase64PngToDocuments(QStringLiteral("data:image/png;base64,") + pngBase64(), "a.png", "PNG").ok());

    // A file where the type folder should be: nothing can be written.
    ASSERT_TRUE(writeFile(QDir(m_home.path()).filePath(QStringLiteral("Documents/Tessaly/SVG"))));
    EXPECT_TRUE(saveBase64SvgToDocuments(good, "b.svg", "SVG").error.startsWith(QStringLiteral("文件写入错误: ")));
}

TEST_F(ExportTest, TheFlowAsksForTheSvgThenThePngAndToastsSuccessOnlyWhenBothWereWritten)
{
    QStringList calls;
    ExportFlow flow([&](const QString& script) { calls << script; });
    QSignalSpy finished(&flow, &ExportFlow::finished);

    // An answer nobody asked for counts for nothing.
    RxBus::shared().post(ExportViewSheetEvent::imageBase64StringEvent { pngBase64() });
    EXPECT_TRUE(files("PNG").isEmpty());

    flow.start();
    EXPECT_EQ(calls, QStringList({ CanvasScripts::getSvgAsBase64ForResult("ExportViewForEditLogoSheet") }));
    RxBus::shared().post(ExportViewForEditLogoSheetEvent::imageSvgBase64StringEvent { pageSvg(svgText) });
    ASSERT_EQ(calls.size(), 2);
    EXPECT_TRUE(calls[1].startsWith(QStringLiteral("getLogoJpgPngBase64('Tessaly_")));
    EXPECT_TRUE(calls[1].endsWith(QStringLiteral(".png', 0, 1024, 1024, false)")));
    RxBus::shared().post(ExportViewSheetEvent::imageBase64StringEvent { pngBase64() });
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.takeFirst().at(0).toBool(), true);
    EXPECT_EQ(m_toasts, QStringList({ "The logo has been saved to the \"Documents\" -> Tessaly directory" }));

    // An SVG that fails still asks for the PNG, and the user hears of the failure.
    m_toasts.clear();
    flow.start();
    RxBus::shared().post(ExportViewForEditLogoSheetEvent::imageSvgBase64StringEvent { QStringLiteral("%%") });
    EXPECT_EQ(calls.size(), 4);
    RxBus::shared().post(ExportViewSheetEvent::imageBase64StringEvent { pngBase64() });
    EXPECT_EQ(finished.takeFirst().at(0).toBool(), false);
    EXPECT_EQ(m_toasts, QStringList({ "The logo could not be exported." }));
    EXPECT_EQ(files("SVG").size(), 1);
    EXPECT_EQ(files("PNG").size(), 2);
}

TEST_F(ExportTest, ASheetOpenedAndClosedBeforeWritesNothingAndALateAnswerIsIgnored)
{
    RecordingCanvas canvas;
    EditLogoViewModel model { "<svg/>", 42, false, canvas.controller() };
    for (int i = 0; i < 3; ++i)
        ExportViewForEditLogoSheet closed(model, nullptr);

    auto sheet = std::make_unique<ExportViewForEditLogoSheet>(model, nullptr);
    model.setShowExportViewSheet(true);
    sheet->saveButton()->click();
    EXPECT_TRUE(sheet->isShowingProgress());
    RxBus::shared().post(ExportViewForEditLogoSheetEvent::imageSvgBase64StringEvent { pageSvg(svgText) });
    RxBus::shared().post(ExportViewSheetEvent::imageBase64StringEvent { pngBase64() });
    EXPECT_EQ(files("SVG").size(), 1);
    EXPECT_EQ(files("PNG").size(), 1);
    EXPECT_FALSE(sheet->isShowingProgress());
    EXPECT_FALSE(model.isShowExportViewSheet());

    // Closed while waiting: the answer that comes later writes nothing.
    auto waiting = std::make_unique<ExportViewForEditLogoSheet>(model, nullptr);
    waiting->saveButton()->click();
    waiting->closeButton()->click();
    RxBus::shared().post(ExportViewForEditLogoSheetEvent::imageSvgBase64StringEvent { pageSvg(svgText) });
    EXPECT_EQ(files("SVG").size(), 1);
    waiting.reset();
    RxBus::shared().post(ExportViewForEditLogoSheetEvent::imageSvgBase64StringEvent { pageSvg(svgText) });
    EXPECT_EQ(files("SVG").size(), 1);
}

} // namespace
