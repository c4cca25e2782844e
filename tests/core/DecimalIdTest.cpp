#include "core/DecimalId.h"

#include <gtest/gtest.h>

TEST(DecimalId, ReadsSignedDecimalText)
{
    EXPECT_EQ(parseDecimalId(QStringLiteral("00042")), 42);
    EXPECT_EQ(parseDecimalId(QStringLiteral("+7")), 7);
    EXPECT_EQ(parseDecimalId(QStringLiteral("-3")), -3);
    EXPECT_EQ(parseDecimalId(QStringLiteral("0")), 0);
    EXPECT_EQ(parseDecimalId(QStringLiteral("9223372036854775807")), std::numeric_limits<qint64>::max());
    EXPECT_EQ(parseDecimalId(QStringLiteral("-9223372036854775808")), std::numeric_limits<qint64>::min());
}

TEST(DecimalId, RejectsEverythingElse)
{
    for (const char* text : { "", "+", "-", "12a", " 12", "12 ", "1.0", "0x10", "١٢", "99999999999999999999",
             "9223372036854775808", "-9223372036854775809", "+-1" }) {
        EXPECT_FALSE(parseDecimalId(QString::fromUtf8(text))) << text;
    }
}

TEST(DecimalId, KeepsIdsBeyondThirtyTwoBitsAndFallsBackOnlyWhenTheTextDoesNotParse)
{
    EXPECT_EQ(decimalIdOr(QStringLiteral("123"), -1), 123);
    EXPECT_EQ(decimalIdOr(QStringLiteral("12a"), -1), -1);
    EXPECT_EQ(decimalIdOr(QString(), 0), 0);
    EXPECT_EQ(decimalIdOr(QStringLiteral("4294967296"), -1), Q_INT64_C(4294967296));
    EXPECT_EQ(decimalIdOr(QStringLiteral("99999999999999999999"), -1), -1);
}
