// Decoding straight from reply text gives what decoding a parsed document
// gives: the same fields, the same empty lines, fresh identities only where
// the text has none.

#include "model/DesignListModel.h"
#include "model/DetailsListModel.h"
#include "model/DiscorysModel.h"
#include "model/GetConfigModel.h"
#include "model/JsonFieldWriter.h"
#include "model/JsonRecordDecoder.h"
#include "model/ResourceImagesModel.h"
#include "model/Step3Model.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

bool isUUID(const std::string& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}$"));
    return pattern.match(QString::fromStdString(text)).hasMatch();
}

// Fresh identities differ from run to run; each becomes one placeholder.
void maskFreshIds(nlohmann::json& value)
{
    if (value.is_object()) {
        for (auto& [key, member] : value.items()) {
            if (key == "id" && member.is_string() && isUUID(member.get<std::string>()))
                member = "<fresh>";
            else
                maskFreshIds(member);
        }
    } else if (value.is_array()) {
        for (auto& element : value)
            maskFreshIds(element);
    }
}

struct Decoded {
    nlohmann::json fields;
    std::string lines;
};

template <class T> Decoded fromDocument(const std::string& text)
{
    testing::internal::CaptureStdout();
    nlohmann::json fields = JsonFieldWriter::encode(decodeRecord<T>(nlohmann::json::parse(text)));
    maskFreshIds(fields);
    return { fields, testing::internal::GetCapturedStdout() };
}

template <class T> std::optional<Decoded> fromText(const std::string& text)
{
    testing::internal::CaptureStdout();
    const std::optional<T> record = decodeRecordText<T>(text);
    const std::string lines = testing::internal::GetCapturedStdout();
    if (!record)
        return std::nullopt;
    nlohmann::json fields = JsonFieldWriter::encode(*record);
    maskFreshIds(fields);
    return Decoded { fields, lines };
}

template <class T> void expectSameAsDocument(const std::string& text)
{
    SCOPED_TRACE(text);
    const Decoded expected = fromDocument<T>(text);
    const std::optional<Decoded> actual = fromText<T>(text);
    ASSERT_TRUE(actual);
    EXPECT_EQ(actual->fields, expected.fields);
    EXPECT_EQ(actual->lines, expected.lines);
}

} // namespace

TEST(RecordTextDecoding, MatchesTheDocumentDecoderFieldForField)
{
    const std::string deep = std::string(5000, '[') + std::string(5000, ']');
    for (const std::string& text : std::initializer_list<std::string> {
             R"({})",
             R"({"id": "server", "status": "0", "reason": 12, "data": {"page_no": " 7 ", "page_len": true,
                 "items": [{"id": 5, "title": "Café 咖啡", "trade": {"id": null, "trade": "Food"},
                 "keywords": {"keywords": [{"word": "a"}, 3, [4], {"id": "k", "word": "b"}]}, "select": "true"},
                 {"title": "no id", "select": 2.5}, null, "x"], "advertisement": {"id": "not-a-list"}}})",
             R"({"data": {"items": [{"id": {"nested": [1, 2]}, "desc": "\u00e9\n\"q\"", "unknown": {"a": [{}]}}]},
                 "status": 1e3, "extra": )"
                 + deep + "}",
             R"({"data": "broken", "status": 2.9, "reason": null})",
         })
        expectSameAsDocument<DiscorysModel>(text);

    expectSameAsDocument<DetailsListModel>(
        R"({"id": null, "status": null, "data": {"item": {"title": "t"}, "similar": [{"img": "i"}]}})");
    expectSameAsDocument<GetConfigModel>(
        R"({"status": "0", "msg": 12, "data": {"AI_type": 2, "free_times": 3.5, "edit_action": true}})");
    expectSameAsDocument<DesignListModel>(R"({"data": {"items": [{"id": "7", "svg": "s"}, {}]}, "status": 0})");
    expectSameAsDocument<Step3Model>(
        R"({"data": {"content0": [{"isSelected": 1}, {"isSelected": "true"}, {"isSelected": "maybe"}]}})");
    for (const char* imageId : { "8589934593", "\"8589934593\"", "\" -9223372036854775808 \"", "4294967296.9",
             "9223372036854775808", "1e19", "\"12x\"", "18446744073709551615", "-1" })
        expectSameAsDocument<ResourceImagesModel>(
            std::string(R"({"data": {"item": {"images": [{"imageId": )") + imageId + "}]}}}");
}

TEST(RecordTextDecoding, RecordsWithoutAnIdInTheTextGetTheirOwnFreshOne)
{
    const auto model = decodeRecordText<DiscorysModel>(R"({"data": {"items": [{"id": "12"}, {}, {"id": null}]}})");
    ASSERT_TRUE(model);
    const auto& items = model->data.items;
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0].id, "12");
    const QString ids[] = { model->id, model->data.id, items[0].trade.id, items[0].keywords.id, items[1].id,
        items[2].id, items[2].trade.id };
    QSet<QString> distinct;
    for (const QString& id : ids) {
        EXPECT_TRUE(isUUID(id.toStdString())) << id.toStdString();
        distinct.insert(id);
    }
    EXPECT_EQ(distinct.size(), static_cast<qsizetype>(std::size(ids)));
    // Records built outside a decode still get theirs at once.
    EXPECT_TRUE(isUUID(DiscorysModelContentData().id.toStdString()));
}

TEST(RecordTextDecoding, TextThatIsNotAnObjectDecodesIntoNothingAndPrintsNothing)
{
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    const std::string deepInside = R"({"status": 1, "items": )" + std::string(100000, '[');
    for (const std::string& text : { std::string(), std::string("null"), std::string("5"), std::string("\"t\""),
             std::string("[{}]"), std::string(R"({"status": 1)"), std::string(R"({"status": 1} {})"),
             std::string(R"({"data": {"items": [{"title": "x"}]}, })"), deep, deepInside }) {
        SCOPED_TRACE(text.substr(0, 40));
        testing::internal::CaptureStdout();
        EXPECT_FALSE(decodeRecordText<DiscorysModel>(text));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    }
}
