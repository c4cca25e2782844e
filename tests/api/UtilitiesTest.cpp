// Text digests, picture preparation and the model-typed app-wide values.

#include "api/TextDigests.h"
#include "api/UploadImageHelpers.h"
#include "globals/ModelGlobals.h"
#include "support/TestFiles.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

QString pngBase64(const QImage& image)
{
    return QString::fromLatin1(pngBytes(image).toBase64());
}

QImage picture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter(&image).fillRect(0, 0, width / 2, height, Qt::blue);
    return image;
}

} // namespace

TEST(TextDigests, Md5HexAndQueryEncoding)
{
    EXPECT_EQ(md5Hex(QString()), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(md5Hex(QStringLiteral("abc")), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(md5Hex(QStringLiteral("é")), "66ddcd97cfdeabb2f6fb8a999b4bc76f");
    EXPECT_EQ(urlQueryEncoded(QStringLiteral("a b/c?d=e&f#g")), "a%20b/c?d=e&f%23g");
    EXPECT_EQ(urlQueryEncoded(QStringLiteral("茶")), "%E8%8C%B6");
}

TEST(UploadImages, SquareRedrawStretchesToTheSide)
{
    const int side = uploadImageSide();
    EXPECT_GE(side, 512);
    const auto square = resizeImageToSquare512(picture(300, 100));
    ASSERT_TRUE(square);
    EXPECT_EQ(square->size(), QSize(side, side));
    // Stretched, not letter-boxed: both halves reach the full height.
    EXPECT_EQ(QColor(square->pixel(side / 4, 2)), QColor(Qt::blue));
    EXPECT_EQ(QColor(square->pixel(3 * side / 4, side - 2)), QColor(Qt::red));
    EXPECT_FALSE(resizeImageToSquare512(QImage()));
}

TEST(UploadImages, ThumbnailIsAPngNoLargerThanTheSide)
{
    const int side = uploadImageSide();
    const auto large = thumbnailPNGBase64(pngBase64(picture(2000, 1000)));
    ASSERT_TRUE(large);
    const QImage decoded = QImage::fromData(QByteArray::fromBase64(large->toLatin1()), "PNG");
    EXPECT_EQ(decoded.size(), QSize(side, side / 2));
    EXPECT_FALSE(large->contains('\n'));

    const auto small = thumbnailPNGBase64(pngBase64(picture(40, 20)));
    ASSERT_TRUE(small);
    EXPECT_EQ(QImage::fromData(QByteArray::fromBase64(small->toLatin1())).size(), QSize(40, 20));

    EXPECT_FALSE(thumbnailPNGBase64(QString::fromLatin1(QByteArray("not a picture").toBase64())));
    QString broken = pngBase64(picture(40, 20));
    broken.insert(8, '\n');
    EXPECT_FALSE(thumbnailPNGBase64(broken));
}

TEST(ModelGlobals, HoldTheirDefaultsUntilWrittenAndKeepWrites)
{
    EXPECT_EQ(configModel().status, -1);
    EXPECT_TRUE(configModel().data.AI_type.isEmpty());
    EXPECT_EQ(&configModel(), &configModel());

    // A fresh symbol's id is a UUID, which is not a number.
    bool isNumber = true;
    step3Model().id.toInt(&isNumber);
    EXPECT_FALSE(isNumber);
    EXPECT_NE(step3Model1().id, step3Model2().id);
    EXPECT_TRUE(step1SelectId.isEmpty());

    Step1ModelContentData industry;
    industry.id = QStringLiteral("4");
    step1Model1().data.trade = { industry };
    EXPECT_EQ(step1Model1().data.trade.size(), 1);
    EXPECT_TRUE(step1Model().data.trade.isEmpty());
    step1Model1().data.trade.clear();
}
