#include "standin/FaultArgument.h"
#include "standin/FaultTable.h"
#include "standin/RouteRequest.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <limits>
#include <optional>
#include <tuple>

using nlohmann::json;

TEST(StandinParts, RouteRequestReadsNumbersAndNumericTextAlike)
{
    const httplib::Request http;
    const json body = { { "a", 12 }, { "b", "34" }, { "c", "+5" }, { "d", "7x" }, { "e", json::array({ 9, 8 }) },
        { "f", json::array() }, { "g", 2.9 }, { "h", nullptr } };
    const standin::RouteRequest request { http, {}, body, "http://127.0.0.1:1" };
    EXPECT_EQ(request.integer("a"), 12);
    EXPECT_EQ(request.integer("b"), 34);
    EXPECT_EQ(request.integer("c"), 5);
    EXPECT_FALSE(request.integer("d"));
    EXPECT_FALSE(request.integer("h"));
    EXPECT_FALSE(request.integer("missing"));
    EXPECT_EQ(request.firstInteger("e"), 9);
    EXPECT_FALSE(request.firstInteger("f"));
    EXPECT_EQ(request.firstInteger("a"), 12);
    EXPECT_EQ(request.integer("g"), 2);
    EXPECT_EQ(request.text("a"), "12");
    EXPECT_EQ(request.text("b"), "34");
    EXPECT_EQ(request.text("e"), "");
    EXPECT_EQ(request.url("/x"), "http://127.0.0.1:1/x");
}

TEST(StandinParts, RouteRequestReadsNumbersOutsideLongLongAsAbsent)
{
    const httplib::Request http;
    const json body = { { "huge", 1e24 }, { "tiny", -1e24 }, { "unsigned", 18446744073709551615ull },
        { "inf", std::numeric_limits<double>::infinity() }, { "nan", std::numeric_limits<double>::quiet_NaN() },
        { "lowest", -9223372036854775807ll - 1 }, { "edge", -0x1p63 }, { "above", 0x1p63 } };
    const standin::RouteRequest request { http, {}, body, "" };
    for (const char* key : { "huge", "tiny", "unsigned", "inf", "nan", "above" })
        EXPECT_FALSE(request.integer(key)) << key;
    EXPECT_EQ(request.integer("lowest"), std::numeric_limits<long long>::min());
    EXPECT_EQ(request.integer("edge"), std::numeric_limits<long long>::min());
    EXPECT_EQ(request.text("unsigned"), "18446744073709551615");
}

TEST(StandinParts, WrongTypesLeavesNullsAndNonObjectsAlone)
{
    const json changed = json::parse(standin::FaultTable::withWrongTypes(R"({"a":null,"b":true,"c":[1]})"));
    EXPECT_TRUE(changed["a"].is_null());
    EXPECT_TRUE(changed["b"].is_string());
    EXPECT_TRUE(changed["c"].is_string());
    EXPECT_EQ(standin::FaultTable::withWrongTypes("[1,2]"), "[1,2]");
    EXPECT_EQ(standin::FaultTable::withWrongTypes("not json"), "not json");
}

TEST(StandinParts, FaultArgumentsNameAPathAKindAndAnOptionalWait)
{
    using standin::Fault;
    struct Case {
        const char* text;
        std::optional<std::tuple<std::string, Fault, int>> expected;
    };
    const Case cases[] = {
        { "/index.php/logo2/Save_logo_file=drop", { { "/index.php/logo2/Save_logo_file", Fault::Drop, 0 } } },
        { "/index.php/Step1=delay:250", { { "/index.php/Step1", Fault::Delay, 250 } } },
        { "/index.php/Step1=delay", { { "/index.php/Step1", Fault::Delay, 3000 } } },
        { "/static/*=http500", { { "/static/*", Fault::Http500, 0 } } },
        { "/a=nested", { { "/a", Fault::Nested, 0 } } },
        { "/a=wrongtypes", { { "/a", Fault::WrongTypes, 0 } } },
        { "/a=endless", { { "/a", Fault::Endless, 16 } } },
        { "/a=trickle", { { "/a", Fault::Trickle, 1000 } } },
        { "/a=trickle:20", { { "/a", Fault::Trickle, 20 } } },
        { "/a=none", std::nullopt },
        { "/a=explode", std::nullopt },
        { "=drop", std::nullopt },
        { "/a", std::nullopt },
        { "/a=delay:", std::nullopt },
        { "/a=delay:-5", std::nullopt },
        { "/a=delay:5s", std::nullopt },
        { "/a=delay:99999999999", std::nullopt },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto parsed = standin::FaultArgument::parse(c.text);
        ASSERT_EQ(parsed.has_value(), c.expected.has_value());
        if (parsed) {
            EXPECT_EQ(std::make_tuple(parsed->path, parsed->fault, parsed->delayMs), *c.expected);
        }
    }
}
