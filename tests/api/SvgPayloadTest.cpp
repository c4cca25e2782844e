// Turning the canvas's Base64 SVG back into bytes, and the gzip of those bytes.

#include "api/Gzip.h"
#include "api/StrictBase64.h"
#include "api/SvgPayloadDecoder.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace {

QString base64Of(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toBase64());
}

QByteArray gunzip(const QByteArray& compressed)
{
    z_stream stream {};
    inflateInit2(&stream, 15 + 16);
    QByteArray output(1 << 20, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    stream.next_out = reinterpret_cast<Bytef*>(output.data());
    stream.avail_out = static_cast<uInt>(output.size());
    const int status = inflate(&stream, Z_FINISH);
    output.resize(static_cast<qsizetype>(stream.total_out));
    inflateEnd(&stream);
    return status == Z_STREAM_END ? output : QByteArray("inflate failed");
}

QString errorOf(const std::variant<QByteArray, SvgPayloadError>& result)
{
    const auto* error = std::get_if<SvgPayloadError>(&result);
    return error ? error->message : QString();
}

} // namespace

TEST(StrictBase64, AcceptsOnlyTheStandardAlphabetWithPadding)
{
    EXPECT_EQ(decodeStrictBase64(QStringLiteral("aGk=")), QByteArray("hi"));
    EXPECT_EQ(decodeStrictBase64(QString()), QByteArray());
    EXPECT_FALSE(decodeStrictBase64(QStringLiteral("aGk")));
    EXPECT_FALSE(decodeStrictBase64(QStringLiteral("aG\nk=")));
    EXPECT_FALSE(decodeStrictBase64(QStringLiteral("aGk=\n")));
    EXPECT_FALSE(decodeStrictBase64(QStringLiteral("a Gk=")));
    EXPECT_FALSE(decodeStrictBase64(QStringLiteral("a-k=")));
    EXPECT_FALSE(decodeStrictBase64(QStringLiteral("a=k=")));
    EXPECT_FALSE(decodeStrictBase64(QStringLiteral("é===")));
}

TEST(SvgPayload, DecodesBase64UnicodeAndPercentEscapes)
{
    const QByteArray svg = QStringLiteral("<svg><text>Café 茶 🌿</text></svg>").toUtf8();
    EXPECT_EQ(std::get<QByteArray>(decodeSvgPayload(base64Of(svg))), svg);

    const QByteArray escaped("%3Csvg%3E%3Ctext%3E100%25%20caf%C3%A9%3C/text%3E%3C/svg%3E");
    EXPECT_EQ(std::get<QByteArray>(decodeSvgPayload(base64Of(escaped))),
        QStringLiteral("<svg><text>100% café</text></svg>").toUtf8());
}

TEST(SvgPayload, NamesTheStepThatFailed)
{
    EXPECT_EQ(errorOf(decodeSvgPayload(QStringLiteral("PHN2Zz4=\n"))), QStringLiteral("Base64 解码失败"));
    EXPECT_EQ(errorOf(decodeSvgPayload(QStringLiteral("PHN2*z4="))), QStringLiteral("Base64 解码失败"));
    EXPECT_EQ(
        errorOf(decodeSvgPayload(base64Of(QByteArray("<svg>\xff\xfe</svg>")))), QStringLiteral("Base64 解码失败"));
    EXPECT_EQ(errorOf(decodeSvgPayload(base64Of("<svg>50% off</svg>"))), QStringLiteral("SVG字符串解码失败"));
    EXPECT_EQ(errorOf(decodeSvgPayload(base64Of("<svg>%4"))), QStringLiteral("SVG字符串解码失败"));
    EXPECT_EQ(errorOf(decodeSvgPayload(base64Of("<svg>%FF</svg>"))), QStringLiteral("SVG字符串解码失败"));
}

TEST(Gzip, WritesAStandardGzipStreamOfTheBytes)
{
    QByteArray svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\"><text>Ünïcødé</text></svg>").toUtf8();
    for (int i = 0; i < 10; ++i)
        svg += svg;
    const auto compressed = gzipCompress(svg);
    ASSERT_TRUE(compressed);
    EXPECT_EQ(static_cast<unsigned char>(compressed->at(0)), 0x1f);
    EXPECT_EQ(static_cast<unsigned char>(compressed->at(1)), 0x8b);
    EXPECT_LT(compressed->size(), svg.size() / 10);
    EXPECT_EQ(gunzip(*compressed), svg);
    EXPECT_EQ(gunzip(*gzipCompress(QByteArray())), QByteArray());
}
