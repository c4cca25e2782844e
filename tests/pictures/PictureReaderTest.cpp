#include "pictures/PictureReader.h"

#include "PictureFiles.h"
#include "pictures/PicturePanel.h"
#include "support/TestFiles.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace PictureFiles;

class PictureReading : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QDir dir() const { return QDir(folder.path()); }
};

TEST_F(PictureReading, ReadsEachOfferedTypeByItsContent)
{
    const QImage picture = halves({ 64, 48 });
    struct Case {
        QString name;
        const char* format;
    };
    const Case cases[] = { { "a.png", "png" }, { "a.jpg", "jpeg" }, { "a.jpeg", "jpeg" }, { "a.bmp", "bmp" },
        { "a.webp", "webp" }, { "IMG_0001.JPG", "jpeg" }, { "tiff-named.jpg", "tiff" }, { "png-named.gif", "png" } };
    for (const Case& c : cases) {
        const QImage read = PictureReader::read(save(dir(), c.name, picture, c.format));
        EXPECT_EQ(read.size(), QSize(64, 48)) << c.name.toStdString();
    }
    const QImage gif = PictureReader::read(write(dir(), "anim.gif", twoFrameGif()));
    ASSERT_EQ(gif.size(), QSize(4, 4));
    EXPECT_EQ(gif.pixelColor(1, 1), QColor(Qt::red)); // the first frame
}

TEST_F(PictureReading, TurnsAPhotoUprightAndKeepsAlpha)
{
    const QImage rotated = PictureReader::read(
        save(dir(), "phone.jpg", halves({ 80, 40 }), "jpeg", QImageIOHandler::TransformationRotate90));
    EXPECT_EQ(rotated.size(), QSize(40, 80));

    QImage transparent(20, 20, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    const QImage read = PictureReader::read(save(dir(), "clear.png", transparent, "png"));
    ASSERT_TRUE(read.hasAlphaChannel());
    EXPECT_EQ(read.pixelColor(5, 5).alpha(), 0);
}

// Every offered type opens up to the bound, scaled down, the right way up;
// the readers of WEBP, GIF and BMP cannot scale, and Qt's allocation limit
// stops them at about 33 million pixels.
TEST_F(PictureReading, DecodesLargePicturesScaledAndRefusesBombs)
{
    const auto redOverBlue = [](QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::blue);
        for (int y = 0; y < size.height() / 2; ++y)
            std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)), size.width(), qRgb(255, 0, 0));
        return image;
    };
    const QByteArray gif = redOverBlueGif({ 3000, 2000 });
    const struct {
        QString path;
        QSize scaled; // empty when refused
    } cases[] = {
        { save(dir(), "fifty.jpg", redOverBlue({ 8160, 6120 }), "jpeg"), { 4096, 3072 } },
        { save(dir(), "big.webp", redOverBlue({ 8000, 6000 }), "webp"), { 4096, 3072 } },
        { write(dir(), "big.gif", redOverBlueGif({ 8000, 6000 })), { 4096, 3072 } },
        { save(dir(), "tall.bmp", redOverBlue({ 2000, 5000 }), "bmp"), { 1638, 4096 } },
        { write(dir(), "palette.png", redOverBluePalettePng({ 8000, 6000 }, false)), { 4096, 3072 } },
        { write(dir(), "interlaced.png", redOverBluePalettePng({ 8000, 6000 }, true)), { 4096, 3072 } },
        { write(dir(), "bomb.png", pngClaiming(40000)), {} },
        { write(dir(), "bomb.gif", gifClaiming({ 12000, 12000 })), {} },
        { write(dir(), "half.gif", gif.left(gif.size() / 2)), {} },
    };
    const auto near = [](QColor a, QColor b) {
        return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 60;
    };
    for (const auto& c : cases) {
        const QImage read = PictureReader::read(c.path);
        const std::string name = QFileInfo(c.path).fileName().toStdString();
        if (c.scaled.isEmpty()) {
            EXPECT_TRUE(read.isNull()) << name;
            continue;
        }
        EXPECT_EQ(read.size(), c.scaled) << name;
        if (read.size() != c.scaled)
            continue;
        EXPECT_TRUE(near(read.pixelColor(read.width() / 2, read.height() / 4), Qt::red)) << name;
        EXPECT_TRUE(near(read.pixelColor(read.width() / 2, read.height() * 3 / 4), Qt::blue)) << name;
    }
}

TEST_F(PictureReading, FilesThatAreNoPictureGiveNothing)
{
    const QByteArray png = pngBytes(halves({ 64, 64 }));
    const std::pair<const char*, QByteArray> files[] = { { "empty.png", {} }, { "text.png", "just some words\n" },
        { "truncated.png", png.left(png.size() / 3) }, { "header-only.jpg", QByteArray("\xFF\xD8\xFF\xE0", 4) } };
    for (const auto& [name, bytes] : files)
        EXPECT_TRUE(PictureReader::read(write(dir(), name, bytes)).isNull()) << name;
    EXPECT_TRUE(PictureReader::read(dir().filePath("missing.png")).isNull());
}

// A JPEG without its end-of-image marker decodes, its lower part grey; it is
// refused, as is a PNG without its IEND chunk (which Qt's own reader refuses
// too). Bytes after the end (a camera's trailer) are not a cut.
TEST_F(PictureReading, APictureCutShortGivesNothing)
{
    const auto encoded = [](const char* format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        halves({ 256, 256 }).save(&buffer, format);
        return bytes;
    };
    const QByteArray jpeg = encoded("jpeg");
    const QByteArray png = encoded("png");
    ASSERT_FALSE(QImage::fromData(jpeg.left(jpeg.size() * 3 / 5)).isNull()) << "the cut JPEG still decodes";
    EXPECT_TRUE(PictureReader::read(write(dir(), "cut.jpg", jpeg.left(jpeg.size() * 3 / 5))).isNull());
    EXPECT_TRUE(PictureReader::read(write(dir(), "no-iend.png", png.chopped(12))).isNull());
    EXPECT_EQ(PictureReader::read(write(dir(), "trailer.jpg", jpeg + QByteArray(300, '\x2a'))).size(), QSize(256, 256));
}

TEST_F(PictureReading, TheDialogOffersPicturesWhateverTheirCaseAndNothingElse)
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    for (const char* name : { "IMG_0001.JPG", "b.webp", "notes.txt" })
        write(dir(), name, "x");
    PicturePanel::rememberFolder(dir().filePath("IMG_0001.JPG"));
    EXPECT_EQ(PicturePanel::startFolder(), dir().absolutePath());

    QWidget owner;
    PicturePanel panel(&owner);
    panel.open();
    QFileDialog* dialog = panel.dialog();
    ASSERT_TRUE(dialog);
    panel.open(); // a second click raises the same dialog
    EXPECT_EQ(panel.dialog(), dialog);
    EXPECT_EQ(owner.findChildren<QFileDialog*>().size(), 1);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->labelText(QFileDialog::Accept), QStringLiteral("Select Picture"));

    auto* list = dialog->findChild<QAbstractItemView*>(QStringLiteral("listView"));
    ASSERT_TRUE(list);
    auto shown = [&] {
        QStringList names;
        const QModelIndex root = list->rootIndex();
        for (int row = 0; row < list->model()->rowCount(root); ++row)
            names << list->model()->index(row, 0, root).data().toString();
        return names;
    };
    ASSERT_TRUE(waitUntil([&] { return shown().size() >= 2; }));
    pumpEvents(50);
    EXPECT_TRUE(shown().contains(QStringLiteral("IMG_0001.JPG")));
    EXPECT_FALSE(shown().contains(QStringLiteral("notes.txt")));

    dialog->reject();
    EXPECT_FALSE(panel.isPanelOpen());
}
