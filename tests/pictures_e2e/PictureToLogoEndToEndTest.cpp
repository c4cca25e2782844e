// Picture to logo through the real main window against the stand-in: pick a
// photo in the dialog, zoom and drag it under the mask, confirm, and find the
// new design first in My Design, opened in the editor.

#include "app/ContentView.h"
#include "app/PageSelection.h"
#include "app/RightTab.h"
#include "components/ComponentTestSupport.h"
#include "globals/AppGlobals.h"
#include "pictures/AIPicsView.h"
#include "pictures/AIPicsViewContentCropView.h"
#include "pictures/AIPicsViewContentSelectView.h"
#include "pictures/AIPicsViewContentView.h"
#include "pictures/AIPicsViewModel.h"
#include "pictures/CropAreaView.h"
#include "pictures/CropViewModel.h"
#include "pictures/CustomSliderForCropView.h"
#include "pictures/PicturePanel.h"
#include "support/StandinHarness.h"
#include "support/TestSupport.h"

#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <gtest/gtest.h>

TEST(PictureToLogoEndToEnd, APickedPhotoBecomesTheFirstDesignAndOpensInTheEditor)
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    StandinHarness harness;
    QTemporaryDir folder;
    QImage photo(4000, 3000, QImage::Format_RGB32);
    photo.fill(QColor(0x2E86C1));
    const QString path = folder.filePath(QStringLiteral("IMG_0001.JPG"));
    ASSERT_TRUE(photo.save(path, "JPEG"));

    std::vector<std::pair<int, bool>> opened;
    setEditLogoWindowOpener([&](DesignId itemId, const QString&, bool fromMyDesigns) {
        opened.emplace_back(int(itemId.number()), fromMyDesigns);
    });

    {
        ContentView window;
        window.show();
        window.selection()->setIndex(PageSelection::AIPics);
        auto* page = qobject_cast<AIPicsView*>(window.rightTab()->page(PageSelection::AIPics));
        ASSERT_TRUE(page);
        AIPicsViewModel* model = page->viewModel();

        AIPicsViewContentSelectView* select = page->contentView()->selectView();
        select->choosePictureButton()->click();
        QFileDialog* dialog = select->picturePanel()->dialog();
        ASSERT_TRUE(dialog);
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
        ASSERT_TRUE(waitUntil([&] { return model->screen() == AIPicsViewModel::Screen::Crop; }));
        CropView* crop = page->contentView()->cropPage()->cropView()->cropView();

        // Zoom with the slider, then the wheel, then drag the picture.
        CustomSliderForCropView* slider = crop->slider();
        const QPointF thumb = slider->thumbCenter();
        sendMouse(slider, QEvent::MouseButtonPress, thumb);
        ASSERT_TRUE(waitUntil([&] { return slider->gesturePhase() == LongPressDragGesture::Phase::Pressed; }));
        sendMouse(slider, QEvent::MouseMove, thumb + QPointF(30, 0));
        sendMouse(slider, QEvent::MouseButtonRelease, thumb + QPointF(30, 0));
        const double slid = crop->viewModel()->scale();
        EXPECT_GT(slid, CropViewModel::startScale);
        const QPointF centre(320, 196);
        QWheelEvent notch(centre, crop->cropArea()->mapToGlobal(centre), {}, { 0, 120 }, Qt::NoButton, Qt::NoModifier,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(crop->cropArea(), &notch);
        EXPECT_GT(crop->viewModel()->scale(), slid);
        sendMouse(crop->cropArea(), QEvent::MouseButtonPress, centre);
        sendMouse(crop->cropArea(), QEvent::MouseMove, centre + QPointF(60, 30));
        sendMouse(crop->cropArea(), QEvent::MouseButtonRelease, centre + QPointF(60, 30));
        EXPECT_EQ(crop->viewModel()->lastOffset(), QSizeF(60, 30));

        crop->confirmButton()->click();
        EXPECT_TRUE(page->contentView()->cropPage()->generatingScreen()->isVisible());

        ASSERT_TRUE(waitUntil([&] { return !opened.empty(); }, 10000));
        EXPECT_EQ(window.rightTab()->visiblePageIndex(), PageSelection::MyDesign);
        EXPECT_EQ(model->screen(), AIPicsViewModel::Screen::Select);
        const std::vector<std::string> ids = harness.server().designIds(deviceUUID().toStdString());
        ASSERT_EQ(ids.size(), 1u);
        // My Design opens the first design of its reloaded list: the new one.
        EXPECT_EQ(opened, (std::vector<std::pair<int, bool>> { { std::stoi(ids.front()), true } }));
    }
    setEditLogoWindowOpener({});
}
