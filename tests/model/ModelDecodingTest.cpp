// Reply records decode by field name from their defaults, leniently.

#include "core/Localization.h"
#include "model/AiMakeModel.h"
#include "model/CheckUpdateModel.h"
#include "model/DesignListModel.h"
#include "model/DetailsListModel.h"
#include "model/DiscorysModel.h"
#include "model/FreeAiGetModel.h"
#include "model/GetConfigModel.h"
#include "model/JsonFieldReader.h"
#include "model/ResourceBgModel.h"
#include "model/ResourceFontListModel.h"
#include "model/ResourceImagesModel.h"
#include "model/ResourceShapeModel.h"
#include "model/SaveLogoModel.h"
#include "model/Step1Model.h"
#include "model/Step2Model.h"
#include "model/UploadPicModel.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>
#include <limits>

namespace {

template <class T> T decodeText(const char* text)
{
    return decodeRecord<T>(nlohmann::json::parse(text));
}

bool isUUID(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}$"));
    return pattern.match(text).hasMatch();
}

QString missingMessage()
{
    return localized(QStringLiteral("Network_errorCode_null"));
}

} // namespace

TEST(RecordDefaults, TopLevelEnvelopesStartFromTheirOwnDefaults)
{
    const CheckUpdateModel update;
    EXPECT_EQ(update.code, -1);
    EXPECT_EQ(update.status, 0);
    EXPECT_EQ(update.reason, QString()); // empty, not the localised text
    EXPECT_FALSE(update.data.force);

    const GetConfigModel config;
    EXPECT_EQ(config.status, -1);
    EXPECT_EQ(config.msg, missingMessage());
    EXPECT_EQ(config.data.AI_type, QString());

    const SaveLogoModel save;
    EXPECT_EQ(save.code, -1);
    EXPECT_EQ(save.status, 0);
    EXPECT_EQ(save.message, missingMessage());

    const DiscorysModel templates;
    EXPECT_EQ(templates.status, -1);
    EXPECT_EQ(templates.reason, missingMessage());
    EXPECT_EQ(templates.data.page_no, -1);
    EXPECT_EQ(templates.data.page_len, -1);

    const UploadPicModel picture;
    EXPECT_EQ(picture.code, -1);
    EXPECT_EQ(picture.status, -1);
    EXPECT_TRUE(picture.data.item.id.isEmpty()); // the one record without a made-up id
    EXPECT_TRUE(isUUID(picture.data.id));

    const ResourceImagesModel images;
    EXPECT_EQ(images.data.item.total_page, 0);
    EXPECT_EQ(images.data.item.current_page, 0);
    EXPECT_TRUE(images.data.item.images.isEmpty());
}

TEST(RecordDefaults, EveryRecordGetsItsOwnFreshUUID)
{
    const Step1Model first;
    const Step1Model second;
    EXPECT_TRUE(isUUID(first.id));
    EXPECT_TRUE(isUUID(first.data.id));
    EXPECT_NE(first.id, second.id);
    EXPECT_NE(first.data.id, second.data.id);
    EXPECT_NE(first.id, first.data.id);

    QSet<QString> seen;
    for (int i = 0; i < 1000; ++i)
        seen.insert(Step3ModelContentData().id);
    EXPECT_EQ(seen.size(), 1000);
}

TEST(RecordDefaults, DefaultConstructionPrintsOneEmptyLinePerRecord)
{
    testing::internal::CaptureStdout();
    {
        const GetConfigModel config;
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\n\n");

    testing::internal::CaptureStdout();
    {
        const GetConfigModelDatas payload;
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\n");

    testing::internal::CaptureStdout();
    {
        const GetConfigModel config;
        const GetConfigModel copy = config; // copies are not constructions from defaults
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\n\n");
}

TEST(FullReplies, TemplateListDecodesEveryField)
{
    const auto model = decodeText<DiscorysModel>(R"({
        "id": "r1", "status": 0, "reason": "ok",
        "data": {"id": "d1", "page_no": 0, "page_len": 20000,
            "advertisement": [{"id": "a1", "title": "Ad"}],
            "items": [
                {"id": "7", "title": "Café Lune", "desc": "Moon café", "trade": {"id": "t", "trade": "Food"},
                 "img": "http://x/7.png", "thumb": "http://x/7t.png",
                 "keywords": {"id": "k", "keywords": [{"id": "w1", "word": "moon"}, {"word": "coffee"}]},
                 "select": true},
                {"id": 8, "title": "Second"}]}})");
    EXPECT_EQ(model.id, "r1");
    EXPECT_EQ(model.status, 0);
    EXPECT_EQ(model.reason, "ok");
    EXPECT_EQ(model.data.page_len, 20000);
    ASSERT_EQ(model.data.advertisement.size(), 1);
    ASSERT_EQ(model.data.items.size(), 2);
    const DiscorysModelContentData& card = model.data.items[0];
    EXPECT_EQ(card.title, QStringLiteral("Café Lune"));
    EXPECT_EQ(card.trade.trade, "Food");
    EXPECT_EQ(card.thumb, "http://x/7t.png");
    ASSERT_EQ(card.keywords.keywords.size(), 2);
    EXPECT_EQ(card.keywords.keywords[0].word, "moon");
    EXPECT_TRUE(isUUID(card.keywords.keywords[1].id));
    EXPECT_TRUE(card.select);
    EXPECT_EQ(model.data.items[1].id, "8"); // a numeric id becomes its decimal text
}

TEST(FullReplies, DesignListDetailAndWizardReplies)
{
    const auto designs = decodeText<DesignListModel>(R"({"status": 0, "data": {"user_name": "ann",
        "items": [{"id": "12", "svg": "http://x/12.svg", "ver": "v1", "keywords": {"keywords": [{"word": "w"}]}}]}})");
    ASSERT_EQ(designs.data.items.size(), 1);
    EXPECT_EQ(designs.data.user_name, "ann");
    EXPECT_EQ(designs.data.items[0].ver, "v1");
    EXPECT_EQ(designs.data.items[0].keywords.keywords[0].word, "w");

    const auto detail = decodeText<DetailsListModel>(R"({"status": 0, "data": {
        "item": {"id": "3", "prompt": "a fox", "orig_img": "o.png", "keywords": [{"word": "fox"}],
                 "styles": [{"style": "flat"}]},
        "similar": [{"id": "4"}, {"id": "5"}]}})");
    EXPECT_EQ(detail.data.item.prompt, "a fox");
    EXPECT_EQ(detail.data.item.keywords[0].word, "fox"); // the array itself, no wrapper
    EXPECT_EQ(detail.data.item.styles[0].style, "flat");
    ASSERT_EQ(detail.data.similar.size(), 2);
    EXPECT_EQ(detail.data.similar[1].id, "5");

    const auto step2 = decodeText<Step2Model>(R"({"data": {"all_styles": [
        {"id": "g1", "name": "Modern", "contents": [{"id": "31", "name": "Flat", "desc": "d", "img": "i.png"}]},
        {"id": "g2", "name": "Classic", "contents": []}]}})");
    ASSERT_EQ(step2.data.all_styles.size(), 2);
    EXPECT_EQ(step2.data.all_styles[0].contents[0].img, "i.png");

    const auto free = decodeText<FreeAiGetModel>(R"({"data": {"trades": [{"id": "1", "name": "Tech"}],
        "styles": [{"id": "2", "img": "s.png"}], "contents": [{"id": "9", "word": "star", "trade_id": "1"}]}})");
    EXPECT_EQ(free.data.trades[0].name, "Tech");
    EXPECT_EQ(free.data.contents[0].trade_id, "1");
    EXPECT_FALSE(free.data.contents[0].isSelected);

    const auto made = decodeText<AiMakeModel>(R"({"status": 0, "data": {"item": {"img": "new.png",
        "trade": {"trade": "Tech"}, "keywords": {"keywords": [{"word": "k"}]}}}})");
    EXPECT_EQ(made.data.item.img, "new.png");
    EXPECT_EQ(made.data.item.keywords.keywords[0].word, "k");

    const auto picture = decodeText<UploadPicModel>(R"({"code": 0, "data": {"item": {"id": "55",
        "put_prelink": "http://127.0.0.1/put/55", "slogon": "hi", "s3_expired": "3600"}}})");
    EXPECT_EQ(picture.data.item.id, "55");
    EXPECT_EQ(picture.data.item.put_prelink, "http://127.0.0.1/put/55");
    EXPECT_EQ(picture.data.item.slogon, "hi");
}

TEST(FullReplies, ResourceCatalogues)
{
    const auto fonts = decodeText<ResourceFontListModel>(R"({"code": 0, "message": "ok", "data": [
        {"language": "Latin", "fontList": [{"fontFamily": "DejaVu Sans", "fontType": "ttf", "fontName": "DejaVuSans",
          "url": "http://x/f.ttf", "select": 0, "isLocal": 1}, {"fontFamily": "Remote"}]}]})");
    ASSERT_EQ(fonts.data.size(), 1);
    EXPECT_EQ(fonts.data[0].language, "Latin");
    EXPECT_EQ(fonts.data[0].fontList[0].isLocal, 1);
    EXPECT_EQ(fonts.data[0].fontList[1].isLocal, 0); // missing: a remote font

    const auto shapes = decodeText<ResourceShapeModel>(R"({"data": {"item": [{"igid": "4", "name": "Animals"}]}})");
    EXPECT_EQ(shapes.data.item[0].igid, "4");

    const auto images = decodeText<ResourceImagesModel>(
        R"({"data": {"item": {"total_page": 3, "current_page": 1, "images": [{"imageId": 12, "url": "u"}]}}})");
    EXPECT_EQ(images.data.item.total_page, 3);
    EXPECT_EQ(images.data.item.images[0].imageId, 12);

    const auto backgrounds = decodeText<ResourceBgModel>(R"({"data": {"item": [{"imageId": 12, "pay": 1}]}})");
    EXPECT_EQ(backgrounds.data.item[0].imageId, "12"); // text in this record
    EXPECT_EQ(backgrounds.data.item[0].pay, 1);
}

TEST(MissingAndNull, KeepTheDefaults)
{
    const auto empty = decodeText<DiscorysModel>("{}");
    EXPECT_EQ(empty.status, -1);
    EXPECT_EQ(empty.reason, missingMessage());
    EXPECT_TRUE(empty.data.items.isEmpty());
    EXPECT_TRUE(isUUID(empty.id));

    const auto nulls = decodeText<DetailsListModel>(
        R"({"id": null, "status": null, "reason": null, "data": {"item": null, "similar": null}})");
    EXPECT_TRUE(isUUID(nulls.id));
    EXPECT_EQ(nulls.status, -1);
    EXPECT_EQ(nulls.reason, missingMessage());
    EXPECT_TRUE(nulls.data.item.title.isEmpty());
    EXPECT_TRUE(nulls.data.similar.isEmpty());

    const auto noData = decodeText<GetConfigModel>(R"({"status": 0})");
    EXPECT_TRUE(noData.data.AI_type.isEmpty());
    EXPECT_TRUE(isUUID(noData.data.id));

    const auto update = decodeText<CheckUpdateModel>(R"({"data": {"url": "u"}})");
    EXPECT_TRUE(update.data.version.isEmpty());
    EXPECT_TRUE(update.reason.isEmpty());

    const char* cardWithoutId = R"({"data": {"items": [{"title": "x"}]}})";
    EXPECT_NE(decodeText<DiscorysModel>(cardWithoutId).data.items[0].id,
        decodeText<DiscorysModel>(cardWithoutId).data.items[0].id);
}

TEST(WrongTypes, NumbersAndNumericTextsConvertOtherKindsKeepDefaults)
{
    const auto converted = decodeText<GetConfigModel>(
        R"({"status": "0", "msg": 12, "data": {"AI_type": 2, "free_times": 3.5, "edit_action": true}})");
    EXPECT_EQ(converted.status, 0);
    EXPECT_EQ(converted.msg, "12");
    EXPECT_EQ(converted.data.AI_type, "2");
    EXPECT_EQ(converted.data.free_times, "3.5");
    EXPECT_TRUE(converted.data.edit_action.isEmpty()); // a boolean is not text

    const auto kept = decodeText<DiscorysModel>(
        R"({"status": "ok", "reason": {"a": 1}, "data": {"page_no": " 7 ", "page_len": true,
            "items": {"id": "not-a-list"}, "advertisement": [1, "x", {"title": "kept"}, null]}})");
    EXPECT_EQ(kept.status, -1);
    EXPECT_EQ(kept.reason, missingMessage());
    EXPECT_EQ(kept.data.page_no, 7);
    EXPECT_EQ(kept.data.page_len, -1);
    EXPECT_TRUE(kept.data.items.isEmpty());
    ASSERT_EQ(kept.data.advertisement.size(), 1); // only object elements become records
    EXPECT_EQ(kept.data.advertisement[0].title, "kept");

    const auto nested = decodeText<DesignListModel>(R"({"data": "broken", "status": 2.9})");
    EXPECT_EQ(nested.status, 2);
    EXPECT_TRUE(nested.data.items.isEmpty());

    const auto outOfRange = decodeText<Step1Model>(R"({"status": 99999999999})");
    EXPECT_EQ(outOfRange.status, -1);

    const auto flags = decodeText<Step3Model>(
        R"({"data": {"content0": [{"isSelected": 1}, {"isSelected": "true"}, {"isSelected": "maybe"}]}})");
    EXPECT_TRUE(flags.data.content0[0].isSelected);
    EXPECT_TRUE(flags.data.content0[1].isSelected);
    EXPECT_FALSE(flags.data.content0[2].isSelected);

    EXPECT_EQ(decodeRecord<Step1Model>(nlohmann::json::array()).status, -1);
}

TEST(WrongTypes, IdsKeepAll64Bits)
{
    const std::pair<const char*, qint64> cases[] = {
        { "8589934593", 8589934593 },
        { "\"8589934593\"", 8589934593 },
        { "\" -9223372036854775808 \"", std::numeric_limits<qint64>::min() },
        { "9223372036854775807", std::numeric_limits<qint64>::max() },
        { "4294967296.9", 4294967296 },
        { "9223372036854775808", 0 }, // out of range keeps the default
        { "1e19", 0 },
        { "\"12x\"", 0 },
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value);
        const std::string reply = std::string(R"({"data": {"item": {"images": [{"imageId": )") + value + "}]}}}";
        const auto images = decodeText<ResourceImagesModel>(reply.c_str());
        ASSERT_EQ(images.data.item.images.size(), 1);
        EXPECT_EQ(images.data.item.images[0].imageId, expected);
    }
}

TEST(TemplateCards, EqualityAndHashFollowTheImage)
{
    DiscorysModelContentData a;
    DiscorysModelContentData b;
    a.img = b.img = QStringLiteral("http://x/1.png");
    a.title = QStringLiteral("One");
    b.title = QStringLiteral("Other");
    EXPECT_EQ(a, b);
    EXPECT_EQ(qHash(a), qHash(b));
    b.img = QStringLiteral("http://x/2.png");
    EXPECT_FALSE(a == b);
}

TEST(FontListForWebView, EncodesTheFiveKeys)
{
    ResourceFontListModelDataFontListToWebView font;
    font.fontFamily = QStringLiteral("DejaVu Sans");
    font.fontType = QStringLiteral("localttf");
    font.fontName = QStringLiteral("DejaVuSans");
    font.path = QStringLiteral("/share/fonts/DejaVuSans.ttf");
    const auto json = nlohmann::json::parse(fontListJsonForWebView({ font }).toStdString());
    ASSERT_TRUE(json.is_array());
    ASSERT_EQ(json.size(), 1u);
    const auto& entry = json[0];
    EXPECT_EQ(entry.size(), 5u);
    EXPECT_EQ(entry["fontType"], "localttf");
    EXPECT_EQ(entry["path"], "/share/fonts/DejaVuSans.ttf");
    EXPECT_EQ(entry["id"], font.id.toStdString());
    EXPECT_EQ(fontListJsonForWebView({}), "[]");
}
