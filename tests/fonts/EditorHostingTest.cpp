// The panels, the export sheet and the font registration as the editor
// hosts them once installFontServices() has run.

#include "ShareFolder.h"
#include "canvas/CanvasScripts.h"
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
#include "fonts/FontCatalogue.h"
#include "fonts/FontFiles.h"
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
#include <algorithm>
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

// As at start-up, the shipped fonts wait in the registration queue. A live
// canvas view holds off every font registration: each test starts and ends
// without one.
class EditorHostingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        installFontServices();
        deleteCanvasView();
        FontUtils::registerLocalCJKFonts();
    }
    void TearDown() override { deleteCanvasView(); }
    static void deleteCanvasView()
    {
        if (sharedWebViewController().isViewLoaded())
            delete sharedWebViewController().view();
    }
};

TEST_F(EditorHostingTest, TheButtonsOpenThePanelsAndTheSheetClosesItselfFromItsOwnHandler)
{
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

TEST_F(EditorHostingTest, FontsRegisterBeforeTheCanvasViewIsMadeAndNeverWhileItLives)
{
    ShareFolder share; // the queued rows resolve to fresh paths, none registered yet
    const int before = fontFileRegistrationCount();
    SharedCanvasRecorder canvas;
    sharedWebViewController().view();
    const int atCreation = fontFileRegistrationCount();
    EXPECT_GT(atCreation, before) << "the start-up registration was not finished before the view was made";

    // A design load and the pick of a shipped font find their files registered.
    EditLogoViewModel model("<svg/>", 42, false, &sharedWebViewController());
    model.start();
    pageLoadsDesign(model);
    const auto loadsOf = [&canvas](const QString& family, const QString& path) {
        const QString call
            = QStringLiteral("LoadFont(%1,%2,").arg(CanvasScripts::jsq(family), CanvasScripts::jsq(path));
        return std::count_if(
            canvas.calls().begin(), canvas.calls().end(), [&](const QString& c) { return c.startsWith(call); });
    };
    const QString chewy = FontUtils::registerLocalFontReturningPath(QStringLiteral("Chewy"));
    RxBus::shared().post(EditFontEvent::TextFontFamilyChangeEvent { "Chewy", "Chewy", false, {}, 0 });
    EXPECT_EQ(loadsOf(QStringLiteral("Chewy"), chewy), 1);
    // A file that turns up only now is not registered while the view lives.
    const QString coda = share.add(QStringLiteral("Coda"));
    RxBus::shared().post(EditFontEvent::TextFontFamilyChangeEvent { "Coda", "Coda", false, {}, 0 });
    EXPECT_EQ(loadsOf(QStringLiteral("Coda"), coda), 0);
    EXPECT_EQ(fontFileRegistrationCount(), atCreation);

    deleteCanvasView();
    EXPECT_TRUE(registerInstalledFont(QStringLiteral("Coda")).has_value());
}

} // namespace
