#include "pictures/decoding/PictureReader.h"

#include "PictureFiles.h"
#include "pictures/PicturePanel.h"
#include "pictures/decoding/BmpBandDecoder.h"
#include "pictures/decoding/GifFirstFrameDecoder.h"
#include "pictures/decoding/PngScaledDecoder.h"
#include "pictures/decoding/WebpScaledDecoder.h"
#include "support/TestFiles.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

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
        const QImage read = PictureReader::read(save(dir(), c.name, picture, c.format)).image;
        EXPECT_EQ(read.size(), QSize(64, 48)) << c.name.toStdString();
    }
    const QImage gif = PictureReader::read(write(dir(), "anim.gif", twoFrameGif())).image;
    ASSERT_EQ(gif.size(), QSize(4, 4));
    EXPECT_EQ(gif.pixelColor(1, 1), QColor(Qt::red)); // the first frame
}

TEST_F(PictureReading, TurnsAPhotoUprightAndKeepsAlpha)
{
    const QImage rotated = PictureReader::read(
        save(dir(), "phone.jpg", halves({ 80, 40 }), "jpeg", QImageIOHandler::TransformationRotate90))
                               .image;
    EXPECT_EQ(rotated.size(), QSize(40, 80));

    QImage transparent(20, 20, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    const QImage read = PictureReader::read(save(dir(), "clear.png", transparent, "png")).image;
    ASSERT_TRUE(read.hasAlphaChannel());
    EXPECT_EQ(read.pixelColor(5, 5).alpha(), 0);
}

// Every offered type opens up to the bound, scaled down, the right way up and
// in its own colours; the readers of WEBP, GIF and BMP cannot scale, Qt's
// allocation limit stops them at about 33 million pixels, and Qt scales an
// indexed picture in its own format. A picture beyond the bound is refused
// for its size, as is an animated WEBP beyond the bound of animations.
TEST_F(PictureReading, DecodesLargePicturesScaledAndRefusesBombs)
{
    const QImage indexed = redOverBlue({ 8000, 6000 }, QImage::Format_Indexed8);
    const struct {
        QString path;
        QSize scaled; // empty when refused for its size
        qint64 mostPixels; // refused: the figure the refusal names
        int tolerance; // of each colour's channels: a lossy format's, or the GIF's own red and blue
        bool fades = false; // its alpha rises from 64 at the left to 255 at the right, as fadingPng draws it
    } cases[] = {
        { save(dir(), "fifty.jpg", redOverBlue({ 8160, 6120 }), "jpeg"), { 4096, 3072 }, 0, 60 },
        { save(dir(), "big.webp", redOverBlue({ 8000, 6000 }), "webp"), { 4096, 3072 }, 0, 60 },
        { write(dir(), "big.gif", redOverBlueGif({ 8000, 6000 })), { 4096, 3072 }, 0, 60 },
        // Its first frame leaves a margin on either side, narrower than the checks'.
        { write(dir(), "framed.gif", redOverBlueGif({ 4800, 3600 }, QRect(200, 0, 4400, 3600))), { 4096, 3072 }, 0,
            60 },
        { save(dir(), "tall.bmp", redOverBlue({ 3000, 12000 }), "bmp"), { 1024, 4096 }, 0, 0 },
        { write(dir(), "top-down.bmp", topDownBmp({ 8000, 6000 })), { 4096, 3072 }, 0, 0 },
        { write(dir(), "os2.bmp", asOs2(redOverBlueBmp({ 8000, 6000 }, false))), { 4096, 3072 }, 0, 0 },
        { save(dir(), "indexed.bmp", indexed, "bmp"), { 4096, 3072 }, 0, 0 },
        { write(dir(), "runs.bmp", rle8Bmp(indexed)), { 4096, 3072 }, 0, 0 },
        { save(dir(), "mono.bmp", redOverBlue({ 5000, 4000 }, QImage::Format_Mono), "bmp"), { 4096, 3276 }, 0, 0 },
        { save(dir(), "palette.png", redOverBlue({ 5000, 4000 }, QImage::Format_Indexed8), "png"), { 4096, 3276 }, 0,
            0 },
        { write(dir(), "big-palette.png", redOverBluePalettePng({ 8000, 6000 }, false)), { 4096, 3072 }, 0, 0 },
        { write(dir(), "interlaced.png", redOverBluePalettePng({ 8000, 6000 }, true)), { 4096, 3072 }, 0, 0 },
        { write(dir(), "fading.png", fadingPng({ 4800, 3600 })), { 4096, 3072 }, 0, 4, true },
        { write(dir(), "trailer.png", redOverBluePalettePng({ 5000, 4000 }, false) + QByteArray(300, '\x2a')),
            { 4096, 3276 }, 0, 0 },
        { write(dir(), "bomb.png", pngClaiming(40000)), {}, PictureBounds::maxPixels, 0 },
        { write(dir(), "bomb.gif", gifClaiming({ 12000, 12000 })), {}, PictureBounds::maxPixels, 0 },
        { write(dir(), "bomb.bmp", bmpClaiming({ 40000, 40000 })), {}, PictureBounds::maxPixels, 0 },
        { write(dir(), "bomb.webp", webpClaiming({ 16383, 16383 }, false)), {}, PictureBounds::maxPixels, 0 },
        { write(dir(), "animated.webp", webpClaiming({ 8000, 6000 }, true)), {}, PictureBounds::maxAnimationPixels, 0 },
    };
    const auto near = [](QColor a, QColor b, int tolerance) {
        return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
            && qAbs(a.blue() - b.blue()) <= tolerance && qAbs(a.alpha() - b.alpha()) <= tolerance;
    };
    for (const auto& c : cases) {
        const PictureReader::Result read = PictureReader::read(c.path);
        const std::string name = QFileInfo(c.path).fileName().toStdString();
        if (c.scaled.isEmpty()) {
            EXPECT_TRUE(read.image.isNull()) << name;
            EXPECT_EQ(read.refusal, PictureReader::Refusal::TooLarge) << name;
            EXPECT_EQ(read.mostPixels, c.mostPixels) << name;
            continue;
        }
        EXPECT_EQ(read.refusal, PictureReader::Refusal::None) << name;
        EXPECT_EQ(read.image.size(), c.scaled) << name;
        if (read.image.size() != c.scaled)
            continue;
        const QImage& image = read.image;
        const auto expected = [&](QRgb colour, QPoint at) {
            QColor shown(colour);
            if (c.fades)
                shown.setAlpha(64 + 191 * at.x() / (image.width() - 1));
            return shown;
        };
        // Near each corner, and at the middle of each half.
        for (const QPoint& at : { QPoint(image.width() / 16, image.height() / 16),
                 QPoint(image.width() * 15 / 16, image.height() / 16), QPoint(image.width() / 2, image.height() / 4) })
            EXPECT_TRUE(near(image.pixelColor(at), expected(upperRed, at), c.tolerance))
                << name << " red at " << at.y();
        for (const QPoint& at : { QPoint(image.width() / 16, image.height() * 15 / 16),
                 QPoint(image.width() * 15 / 16, image.height() * 15 / 16),
                 QPoint(image.width() / 2, image.height() * 3 / 4) })
            EXPECT_TRUE(near(image.pixelColor(at), expected(lowerBlue, at), c.tolerance))
                << name << " blue at " << at.y();
    }
}

// Where the BMP decoder's arithmetic meets its limits: a result taller than
// the picture, and a header claiming more rows than any file holds.
TEST_F(PictureReading, TheBmpDecoderHoldsAtItsEdges)
{
    const QByteArray pixel = encoded(halves({ 1, 1 }, Qt::blue), "bmp");
    QByteArray claiming = pixel.leftJustified(118, '\0');
    qToLittleEndian<qint32>(0x7fffffff, claiming.data() + 18);
    qToLittleEndian<qint32>(0x7fffffff, claiming.data() + 22);
    qToLittleEndian<quint16>(32, claiming.data() + 28);
    const struct {
        QByteArray bytes;
        QSize size;
        bool decodes;
    } cases[] = {
        { pixel, { 1, 4096 }, true },
        { pixel, { 1, 512 }, true },
        { claiming, { 4096, 4096 }, false },
    };
    for (const auto& c : cases) {
        const QImage image = BmpBandDecoder::decode(c.bytes, c.size);
        EXPECT_EQ(image.isNull(), !c.decodes) << c.size.height();
        if (!c.decodes)
            continue;
        EXPECT_EQ(image.size(), c.size);
        if (image.size() == c.size) {
            EXPECT_EQ(image.pixelColor(0, c.size.height() - 1), QColor(Qt::blue)) << c.size.height();
        }
    }
}

TEST_F(PictureReading, FilesThatAreNoPictureGiveNothing)
{
    const QByteArray png = pngBytes(halves({ 64, 64 }));
    const std::pair<const char*, QByteArray> files[] = { { "empty.png", {} }, { "text.png", "just some words\n" },
        { "truncated.png", png.left(png.size() / 3) }, { "header-only.jpg", QByteArray("\xFF\xD8\xFF\xE0", 4) } };
    for (const auto& [name, bytes] : files) {
        const PictureReader::Result read = PictureReader::read(write(dir(), name, bytes));
        EXPECT_TRUE(read.image.isNull()) << name;
        EXPECT_EQ(read.refusal, PictureReader::Refusal::Unreadable) << name;
    }
    EXPECT_EQ(PictureReader::read(dir().filePath("missing.png")).refusal, PictureReader::Refusal::Unreadable);
}

// A JPEG without its end-of-image marker decodes, its lower part grey; it is
// refused, as is a PNG without its IEND chunk (which Qt's own reader refuses
// too) and a GIF whose first frame ends early (Qt's reader shows it whole).
// Bytes after the end (a camera's trailer) are not a cut, nor a PNG's chunks.
TEST_F(PictureReading, APictureCutShortGivesNothing)
{
    const QByteArray jpeg = encoded(halves({ 256, 256 }), "jpeg");
    const QByteArray png = encoded(halves({ 256, 256 }), "png");
    ASSERT_FALSE(QImage::fromData(jpeg.left(jpeg.size() * 3 / 5)).isNull()) << "the cut JPEG still decodes";
    EXPECT_TRUE(PictureReader::read(write(dir(), "cut.jpg", jpeg.left(jpeg.size() * 3 / 5))).image.isNull());
    EXPECT_TRUE(PictureReader::read(write(dir(), "no-iend.png", png.chopped(12))).image.isNull());
    const QByteArray gif = redOverBlueGif({ 3000, 2000 });
    EXPECT_EQ(PictureReader::read(write(dir(), "half.gif", gif.left(gif.size() / 2))).refusal,
        PictureReader::Refusal::Unreadable);
    EXPECT_EQ(
        PictureReader::read(write(dir(), "trailer.jpg", jpeg + QByteArray(300, '\x2a'))).image.size(), QSize(256, 256));

    // A BMP cut short is refused however its rows are stored, and so is a
    // GIF at any size, which its decoder checks as it decodes. A complete BMP
    // shows the palette's first colour where its runs skip pixels (scaled
    // too), the last row whole where the file lacks only its padding, or its
    // end markers once its runs fill the last row, and an OS/2 one the
    // colours of its three-byte palette. An animated WEBP is transparent
    // where its first frame does not reach. A GIF opens when its first
    // frame's lines are all there, whatever follows them or is missing; around
    // that frame the screen shows its background, or transparency, and so
    // does an index the colour map lacks: black, or transparency.
    const QList<QRgb> palette { qRgb(0, 0x80, 0), upperRed, lowerBlue, qRgb(0xff, 0xff, 0xff), qRgba(0, 0, 0, 0),
        qRgb(0xff, 0, 0), qRgb(0, 0, 0xff), qRgb(0, 0, 0) };
    // A picture as rows of indexes into `palette`, top down, and back; '?' for another colour.
    const auto picture = [&](const std::vector<std::string>& rows) {
        QImage image(int(rows[0].size()), int(rows.size()), QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, palette[rows[size_t(y)][size_t(x)] - '0']);
        return image;
    };
    const auto indexes = [&](const QImage& image) {
        std::vector<std::string> rows;
        for (int y = 0; y < image.height(); ++y) {
            rows.emplace_back();
            for (int x = 0; x < image.width(); ++x) {
                const qsizetype index = palette.indexOf(image.pixel(x, y));
                rows.back() += index < 0 ? '?' : char('0' + index);
            }
        }
        return rows;
    };
    const QImage indexed = redOverBlue({ 400, 300 }, QImage::Format_Indexed8);
    const auto half = [](const QByteArray& bytes) { return bytes.left(bytes.size() / 2); };
    const auto byteList = [](std::initializer_list<uchar> values) {
        return QByteArray(reinterpret_cast<const char*>(std::data(values)), qsizetype(values.size()));
    };
    const auto gifOf = [&](const IndexedGif& spec) { return indexedGif(spec, palette); };
    // A frame's rows top down, each with colours of its own, for interlacing to mix up.
    const auto stripes = [](int height) {
        std::vector<std::string> rows;
        for (int y = 0; y < height; ++y)
            rows.push_back({ "012356"[y % 6], "012356"[y / 6] });
        return rows;
    };
    const std::vector<std::string> frame { "0123", "3210", "1155", "6600", "2356" };
    std::vector<std::string> tallScaled(4096, "0000");
    tallScaled.front() = "1111";
    tallScaled.back() = "2222";
    const struct {
        const char* name;
        QByteArray bytes;
        std::vector<std::string> rows; // none when refused
    } cases[] = {
        { "cut-8.bmp", half(encoded(indexed, "bmp")), {} },
        { "cut-24.bmp", half(encoded(redOverBlue({ 400, 300 }), "bmp")), {} },
        { "cut-runs.bmp", half(rle8Bmp(indexed)), {} },
        { "cut-top-down.bmp", half(topDownBmp({ 400, 300 })), {} },
        { "cut-large.gif", half(redOverBlueGif({ 4800, 3600 })), {} },
        // Bottom up: two of index 1; a move 1 right, 1 row up; one of 2; the end of the row, of the picture.
        { "delta.bmp", rleBmp(8, { 4, 3 }, palette, byteList({ 2, 1, 0, 2, 1, 1, 1, 2, 0, 0, 0, 1 })),
            { "0000", "0002", "1100" } },
        // Four of 1 and 2 in turn; the end of the row; a move 1 right, 1 row up; 3, 1 and 2 as they are; the end.
        { "nibbles.bmp", rleBmp(4, { 4, 3 }, palette, byteList({ 4, 0x12, 0, 0, 0, 2, 1, 1, 0, 3, 0x31, 0x20, 0, 1 })),
            { "0312", "0000", "1212" } },
        // Bottom up, three rows no run reaches and one at the top: two of 1, one of 2; the end of the row, twice; a
        // move 1 right, 2 rows up; one of 3; the end of the picture.
        { "stretches.bmp", rleBmp(8, { 3, 6 }, palette, byteList({ 2, 1, 1, 2, 0, 0, 0, 0, 0, 2, 1, 2, 1, 3, 0, 1 })),
            { "000", "030", "000", "000", "000", "112" } },
        // Bottom up, 8 × 8192, read at 4 × 4096: two rows of 2, 8188 no run reaches, two of 1.
        { "stretches-scaled.bmp",
            rleBmp(8, { 8, 8192 }, palette,
                byteList({ 8, 2, 0, 0, 8, 2, 0, 0 }) + QByteArray(2 * 8188, '\0')
                    + byteList({ 8, 1, 0, 0, 8, 1, 0, 0 })),
            tallScaled },
        // 3, 1 and 2 as they are, padded to a word; one of 5; the end of the picture.
        { "odd-absolute.bmp", rleBmp(8, { 4, 1 }, palette, byteList({ 0, 3, 3, 1, 2, 0, 1, 5, 0, 1 })), { "3125" } },
        // Bottom up, the top row filled to its end, without the end of the row or of the picture; then one short.
        { "no-end-markers.bmp", rleBmp(8, { 3, 2 }, palette, byteList({ 3, 1, 0, 0, 2, 2, 1, 3 })), { "223", "111" } },
        { "cut-last-row.bmp", rleBmp(8, { 3, 2 }, palette, byteList({ 3, 1, 0, 0, 2, 2 })), {} },
        { "unpadded.bmp", encoded(picture({ "120", "012" }), "bmp").chopped(3), { "120", "012" } },
        { "trailer.png", encoded(picture({ "120", "012" }), "png") + QByteArray(300, '\x2a'), { "120", "012" } },
        { "os2.bmp",
            asOs2(encoded(picture({ "0123", "3210" }).convertToFormat(QImage::Format_Indexed8, palette), "bmp")),
            { "0123", "3210" } },
        // Its first frame, red and blue halves, covers 8 × 8 of its canvas; it says nothing of alpha.
        { "animation.webp", webpClaiming({ 10, 9 }, true),
            { "5555666644", "5555666644", "5555666644", "5555666644", "5555666644", "5555666644", "5555666644",
                "5555666644", "4444444444" } },
        // A whole frame in a file without its block terminator and trailer;
        // the same without the end code, and interlaced; then the file also
        // without the byte of the last pixel.
        { "no-terminator.gif", gifOf({ .rows = frame }).chopped(2), frame },
        { "no-end-code.gif", gifOf({ .rows = frame, .endCode = false }).chopped(2), frame },
        { "no-terminator-interlaced.gif", gifOf({ .rows = frame, .interlaced = true }).chopped(2), frame },
        { "cut-last-line.gif", gifOf({ .rows = frame }).chopped(4), {} },
        // The trailer straight after the frame's data; then after the first
        // of a line's two data blocks, a cut where the trailer reads as a length.
        { "trailer-without-terminator.gif", gifOf({ .rows = frame }).chopped(2) + ';', frame },
        { "cut-last-line-trailer.gif", gifOf({ .rows = { std::string(300, '1') } }).chopped(49) + ';', {} },
        { "screen.gif", gifOf({ .rows = { "12" }, .screen = { 4, 3 }, .frameAt = { 1, 1 }, .background = 3 }),
            { "3333", "3123", "3333" } },
        { "screen-transparent.gif",
            gifOf({ .rows = { "16" }, .screen = { 4, 3 }, .frameAt = { 1, 1 }, .background = 3, .transparent = 6 }),
            { "4444", "4144", "4444" } },
        { "no-map.gif", gifOf({ .rows = { "01", "23" }, .mapSize = 0 }), { "77", "77" } },
        { "missing-index.gif", gifOf({ .rows = { "0125" }, .mapSize = 4 }), { "0127" } },
        { "missing-index-transparent.gif", gifOf({ .rows = { "0125" }, .mapSize = 4, .transparent = 2 }), { "0144" } },
        { "interlaced-1.gif", gifOf({ .rows = stripes(1), .interlaced = true }), stripes(1) },
        { "interlaced-2.gif", gifOf({ .rows = stripes(2), .interlaced = true }), stripes(2) },
        { "interlaced-3.gif", gifOf({ .rows = stripes(3), .interlaced = true }), stripes(3) },
        { "interlaced-4.gif", gifOf({ .rows = stripes(4), .interlaced = true }), stripes(4) },
        { "interlaced-5.gif", gifOf({ .rows = stripes(5), .interlaced = true }), stripes(5) },
        { "interlaced-6.gif", gifOf({ .rows = stripes(6), .interlaced = true }), stripes(6) },
        { "interlaced-7.gif", gifOf({ .rows = stripes(7), .interlaced = true }), stripes(7) },
        { "interlaced-8.gif", gifOf({ .rows = stripes(8), .interlaced = true }), stripes(8) },
        { "interlaced-9.gif", gifOf({ .rows = stripes(9), .interlaced = true }), stripes(9) },
    };
    for (const auto& c : cases) {
        const PictureReader::Result read = PictureReader::read(write(dir(), c.name, c.bytes));
        EXPECT_EQ(read.refusal, c.rows.empty() ? PictureReader::Refusal::Unreadable : PictureReader::Refusal::None)
            << c.name;
        if (!c.rows.empty()) {
            EXPECT_EQ(indexes(read.image), c.rows) << c.name;
        }
    }
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

namespace {

// The process's peak resident memory since the peak was last reset, in kB.
qint64 peakKilobytes()
{
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

} // namespace

// A few bytes can claim a large picture, or a PNG a long text: a decoder
// holds no memory for what its data cannot fill (it is refused as cut), nor
// for a WEBP beyond the bound, which the library would decode whole at any
// scale; nor does the reader, which asks Qt's reader for a PNG's size before
// anything else. Unrefused, each below has its memory written to: the PNG's
// first passes placed, its text's buffer cleared, the GIF's canvas cleared,
// the WEBP decoded. A BMP whose runs reach the end of its millions of rows or
// columns opens, costing the rows its runs fill and the result.
TEST_F(PictureReading, AFewBytesClaimingALargePictureTakeNoMemory)
{
    const QByteArray png = redOverBluePalettePng({ 8000, 6000 }, true);
    const qsizetype idatAt = png.indexOf("IDAT") - 4;
    const QByteArray firstPasses = png.left(idatAt)
        + pngChunk("IDAT", png.mid(idatAt + 8, qFromBigEndian<quint32>(png.constData() + idatAt) / 20));
    // A chunk of `type` claiming `length` bytes, after the header.
    const auto claiming = [](const QByteArray& file, const char* type, quint32 length) {
        QByteArray claim(4, '\0');
        qToBigEndian(length, claim.data());
        return file.left(33) + claim + type + file.mid(33);
    };
    const QByteArray small = encoded(halves({ 64, 64 }), "png");
    const QByteArray photo = encoded(halves({ 200, 150 }), "png");
    const QByteArray large = redOverBluePalettePng({ 5000, 4000 }, false);
    constexpr quint32 mostClaimed = 0x7fffffff; // 2 GiB: libpng takes no more
    constexpr int mostBmpPixels = int(PictureBounds::maxPixels);
    QList<QRgb> greys;
    for (int grey = 0; grey < 256; ++grey)
        greys << qRgb(grey, grey, grey);
    const struct {
        const char* name;
        QImage (*decode)(const QByteArray&, QSize); // none: through the reader
        QByteArray bytes;
        QSize size;
        QSize opens; // empty: refused
    } claims[] = {
        { "interlaced png", PngScaledDecoder::decode, firstPasses, { 4096, 3072 }, {} },
        { "png text", PngScaledDecoder::decode, claiming(small, "tEXt", 100 << 20), { 64, 64 }, {} },
        { "read png text", nullptr, claiming(photo, "tEXt", mostClaimed), {}, {} },
        { "read png compressed text", nullptr, claiming(photo, "zTXt", 1 << 30), {}, {} },
        { "read large png text", nullptr, claiming(large, "tEXt", mostClaimed), {}, {} },
        { "gif frame", GifFirstFrameDecoder::decode, gifClaiming({ 8000, 6000 }), { 8000, 6000 }, {} },
        { "webp", WebpScaledDecoder::decode, webpClaiming({ 16383, 16383 }, false), { 4096, 4096 }, {} },
        { "bmp runs", BmpBandDecoder::decode, rleBmp(8, { 8000, 6000 }, { qRgb(0, 0, 0) }, QByteArray("\x04\x00", 2)),
            { 4096, 3072 }, {} },
        // Top down, a whole palette, then the end of the picture at once.
        { "read bmp runs ending at once", nullptr, rleBmp(8, { 1, -mostBmpPixels }, greys, QByteArray("\0\1", 2)), {},
            { 1, 4096 } },
        // Bottom up: two of 1 and 2 in turn; the end of the row, of the picture.
        { "read bmp nibble runs", nullptr,
            rleBmp(4, { 2, mostBmpPixels / 2 }, greys.first(16), QByteArray("\x02\x12\0\0\0\1", 6)), {}, { 1, 4096 } },
        // Top down and bottom up, each row one of 1 and its end: no row is noted on its own.
        { "read bmp runs of millions of rows", nullptr,
            rleBmp(8, { 1, -2000000 }, greys, QByteArray("\x01\x01\0\0", 4).repeated(2000000)), {}, { 1, 4096 } },
        { "read bmp runs of millions of rows bottom up", nullptr,
            rleBmp(8, { 1, 2000000 }, greys, QByteArray("\x01\x01\0\0", 4).repeated(2000000)), {}, { 1, 4096 } },
        // Five of 1; a move 9 right; three of 2; the end of the picture.
        { "read bmp wide runs", nullptr,
            rleBmp(8, { mostBmpPixels, 1 }, greys, QByteArray("\x05\x01\0\x02\x09\0\x03\x02\0\x01", 10)), {},
            { 4096, 1 } },
    };
    for (const auto& c : claims) {
        const QString path = c.decode ? QString() : write(dir(), c.name, c.bytes);
        QFile clear("/proc/self/clear_refs");
        ASSERT_TRUE(clear.open(QIODevice::WriteOnly) && clear.write("5") == 1) << "the peak can be reset";
        clear.close();
        const qint64 before = peakKilobytes();
        QImage image;
        if (c.decode) {
            image = c.decode(c.bytes, c.size);
        } else {
            const PictureReader::Result read = PictureReader::read(path);
            image = read.image;
            EXPECT_EQ(
                read.refusal, c.opens.isEmpty() ? PictureReader::Refusal::Unreadable : PictureReader::Refusal::None)
                << c.name;
        }
        EXPECT_EQ(image.isNull() ? QSize() : image.size(), c.opens) << c.name;
        EXPECT_LT(peakKilobytes() - before, 16 << 10) << c.name;
    }
}
