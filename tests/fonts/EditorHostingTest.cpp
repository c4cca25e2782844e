// The panels and the export sheet as the editor hosts them once
// installFontServices() has run.

#include "core/ExportFolder.h"
#include "core/RxBus.h"
#include "editor/EditBar.h"
#include "editor/EditLogoView.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorButton.h"
#include "editor/EditorEvents.h"
#include "editor/EditorTestSupport.h"
#include "editor/EditorToolbar.h"
#include "fonts/ExportViewForEditLogoSheet.h"
#include "fonts/FontServices.h"
#include "globals/WindowController.h"
#include "support/TestFiles.h"
#include "support/UserClick.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool buttonEnabled(QWidget* bar, const QString& label)
{
    for (EditorButton* button : bar->findChildren<EditorButton*>())
        if (button->text() == label)
            return button->isEnabled();
    ADD_FAILURE() << "no button " << label.toStdString();
    return false;
}

TEST(EditorHostingTest, TheButtonsOpenThePanelsAndTheSheetClosesItselfFromItsOwnHandler)
{
    installFontServices();
    QTemporaryDir home;
    const QByteArray previousHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    setExportFolderOpener([](const QString&) {});
    SharedCanvasRecorder canvas;
    QWidget window;
    window.resize(1060, 632);
    auto* editor = new EditLogoView("<svg/>", 42, nullptr, false, WebView { &sharedWebViewController() }, &window);
    editor->resize(window.size());
    window.show();
    pageLoadsDesign(editor->model());

    EXPECT_TRUE(buttonEnabled(editor->textEditBar(), QStringLiteral("Font")));
    EXPECT_TRUE(buttonEnabled(editor->graphicsEditBar(), QStringLiteral("Add")));
    EXPECT_TRUE(buttonEnabled(editor->backgroundEditBar(), QStringLiteral("Add graphic")));
    ASSERT_TRUE(editor->toolbar()->exportButton()->isEnabled());

    userClick(editor->toolbar()->exportButton());
    QPointer<ExportViewForEditLogoSheet> sheet = editor->findChild<ExportViewForEditLogoSheet*>();
    ASSERT_TRUE(sheet);
    sheet->saveButton()->click();
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    const QByteArray png = pngBytes(image);
    RxBus::shared().post(ExportViewForEditLogoSheetEvent::imageSvgBase64StringEvent {
        QString::fromLatin1(QByteArray("%3Csvg%2F%3E").toBase64()) });
    // The sheet closes itself from inside this handler.
    RxBus::shared().post(ExportViewSheetEvent::imageBase64StringEvent { QString::fromLatin1(png.toBase64()) });
    EXPECT_FALSE(editor->model().isShowExportViewSheet());
    // Outside an event loop, deferred deletes run only when asked for.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sheet.isNull());
    EXPECT_EQ(QDir(home.filePath(QStringLiteral("Documents/Tessaly/PNG"))).entryList(QDir::Files).size(), 1);

    // It opens again after that.
    userClick(editor->toolbar()->exportButton());
    EXPECT_TRUE(editor->findChild<ExportViewForEditLogoSheet*>());
    editor->model().setShowExportViewSheet(false);
    qputenv("HOME", previousHome);
}

} // namespace
