#include "core/ColorUtilities.h"

#include <gtest/gtest.h>

namespace {

void expectRgb(const QColor& color, int red, int green, int blue, double alpha = 1.0)
{
    EXPECT_EQ(color.spec(), QColor::Rgb);
    EXPECT_EQ(color.red(), red);
    EXPECT_EQ(color.green(), green);
    EXPECT_EQ(color.blue(), blue);
    EXPECT_NEAR(color.alphaF(), alpha, 1e-3);
}

void expectComponents(const HexComponents& components, double red, double green, double blue)
{
    ASSERT_TRUE(components.isComplete());
    EXPECT_EQ(*components.red, red);
    EXPECT_EQ(*components.green, green);
    EXPECT_EQ(*components.blue, blue);
}

} // namespace

TEST(ColorFromHex, TakesTheLowTwentyFourBitsAsRedGreenBlue)
{
    const QColor grey = Color(0x1E1E1E);
    EXPECT_NEAR(grey.redF(), 30 / 255.0, 1e-6);
    EXPECT_NEAR(grey.greenF(), 30 / 255.0, 1e-6);
    EXPECT_NEAR(grey.blueF(), 30 / 255.0, 1e-6);
    EXPECT_EQ(grey.alphaF(), 1.0f);
    expectRgb(Color(0x1000000), 0, 0, 0);
    expectRgb(Color(0x007AFF, 0.5), 0x00, 0x7A, 0xFF, 0.5);
    expectRgb(colorFromHex32(0xFFDEE2E6u), 0xDE, 0xE2, 0xE6);
    expectRgb(colorFromRGB(255, 128, 0, 0.25), 255, 128, 0, 0.25);
}

TEST(HexComponents, AcceptsEveryPrefixInEitherCase)
{
    for (const char* text : { "#1E1E1E", "##1e1e1e", "0x1e1e1e", "0X1E1E1E", "1E1E1E" })
        expectComponents(hexComponents(QString::fromLatin1(text)), 30, 30, 30);
    // The scanner stops at the first non-hex character of a piece.
    expectComponents(hexComponents(QStringLiteral("#1G2H3Z")), 1, 2, 3);
    expectComponents(hexComponents(QStringLiteral("#GG0000")), 0, 0, 0);
}

TEST(HexComponents, TooShortTextsGiveMissingComponentsWithoutReadingPastTheEnd)
{
    for (const char* text : { "#FFF", "", "12345", "0X1234", "#12345", "##1234", "0x12" }) {
        const HexComponents components = hexComponents(QString::fromLatin1(text));
        EXPECT_FALSE(components.red) << text;
        EXPECT_FALSE(components.green) << text;
        EXPECT_FALSE(components.blue) << text;
    }
    expectRgb(colorFromHexString(QStringLiteral("#12345")), 255, 255, 255);
    expectRgb(colorFromHexString(QStringLiteral("0X1234"), 0.5), 255, 255, 255, 0.5);
    expectRgb(colorFromHexString(QStringLiteral("#336699")), 0x33, 0x66, 0x99);
}

TEST(ColorHex, TrimsSkipsOneHashAndFallsBackToBlack)
{
    expectRgb(colorHex(QStringLiteral("   #00FF00\n")), 0, 255, 0);
    expectRgb(colorHex(QStringLiteral("FF0000")), 255, 0, 0);
    expectRgb(colorHex(QStringLiteral("not a colour")), 0, 0, 0);
    expectRgb(colorHex(QString()), 0, 0, 0);
    // Only one "#" is skipped.
    expectRgb(colorHex(QStringLiteral("##FFFFFF")), 0, 0, 0);
}

TEST(HexString, TruncatesComponentsAndRejectsInvalidColours)
{
    EXPECT_EQ(hexString(QColor::fromRgbF(1.0f, 0.5f, 0.0f)), QStringLiteral("#FF7F00"));
    EXPECT_EQ(hexString(Color(0x0A0B0C)), QStringLiteral("#0A0B0C"));
    EXPECT_EQ(hexString(QColor::fromHsv(0, 255, 255)), QStringLiteral("#FF0000"));
    EXPECT_FALSE(hexString(QColor()));
}

TEST(RgbToHSV, FollowsTheBranchOrderRedGreenBlue)
{
    struct Case {
        double r, g, b, h, s, v;
    };
    const Case cases[] = {
        { 255, 0, 0, 0, 1, 255 },
        { 0, 0, 255, 240, 1, 255 },
        { 255, 0, 255, 300, 1, 255 },
        { 0, 0, 0, 0, 0, 0 },
        { 0, 255, 0, 120, 1, 255 },
        { 255, 255, 0, 60, 1, 255 },
        { 0.5, 0.25, 0.25, 0, 0.5, 0.5 },
    };
    for (const Case& c : cases) {
        const HSV hsv = rgbToHSV(c.r, c.g, c.b);
        EXPECT_DOUBLE_EQ(hsv.hue, c.h) << c.r << "," << c.g << "," << c.b;
        EXPECT_DOUBLE_EQ(hsv.saturation, c.s);
        EXPECT_DOUBLE_EQ(hsv.value, c.v);
    }
}
