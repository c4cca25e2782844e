#include "core/JsonUtil.h"

#include <QDateTime>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <limits>

namespace {

class PersonModel : public XBaseModel {
public:
    QString name = QStringLiteral("nobody");
    int age = -1;

    void decode(const QJsonObject& object) override
    {
        if (object.value(QStringLiteral("name")).isString())
            name = object.value(QStringLiteral("name")).toString();
        if (object.value(QStringLiteral("age")).isDouble())
            age = object.value(QStringLiteral("age")).toInt();
    }
    QJsonObject encode() const override { return { { QStringLiteral("name"), name }, { QStringLiteral("age"), age } }; }
};

const PersonModel* asPerson(const XBaseModelPtr& model)
{
    return dynamic_cast<const PersonModel*>(model.get());
}

} // namespace

TEST(JsonUtil, EmptyOrMalformedInputGivesAPlainBaseModel)
{
    for (const char* text : { "", "not json", "[1,2]", "\"text\"", "{\"name\":" }) {
        const XBaseModelPtr model = JsonUtil::jsonToModel<PersonModel>(QString::fromLatin1(text));
        ASSERT_TRUE(model) << text;
        EXPECT_EQ(asPerson(model), nullptr) << text;
    }
    EXPECT_EQ(asPerson(JsonUtil::dictionaryToModel<PersonModel>({})), nullptr);
}

TEST(JsonUtil, DecodesObjectsByFieldNameKeepingDefaults)
{
    const XBaseModelPtr model = JsonUtil::jsonToModel<PersonModel>(QStringLiteral("{\"name\":\"Ada\",\"extra\":1}"));
    ASSERT_NE(asPerson(model), nullptr);
    EXPECT_EQ(asPerson(model)->name, QStringLiteral("Ada"));
    EXPECT_EQ(asPerson(model)->age, -1);

    const XBaseModelPtr fromMap = JsonUtil::dictionaryToModel<PersonModel>({ { QStringLiteral("age"), 36 } });
    ASSERT_NE(asPerson(fromMap), nullptr);
    EXPECT_EQ(asPerson(fromMap)->age, 36);
    EXPECT_EQ(asPerson(fromMap)->name, QStringLiteral("nobody"));
}

TEST(JsonUtil, ArrayElementsKeepOrderAndEmptyObjectsBecomeBaseModels)
{
    const QList<XBaseModelPtr> models
        = JsonUtil::jsonArrayToModels<PersonModel>(QStringLiteral("[{}, {\"name\":\"Bo\"}, {\"age\":3}]"));
    ASSERT_EQ(models.size(), 3);
    EXPECT_EQ(asPerson(models[0]), nullptr);
    ASSERT_NE(asPerson(models[1]), nullptr);
    EXPECT_EQ(asPerson(models[1])->name, QStringLiteral("Bo"));
    EXPECT_EQ(asPerson(models[2])->age, 3);

    EXPECT_TRUE(JsonUtil::jsonArrayToModels<PersonModel>(QString()).isEmpty());
    EXPECT_TRUE(JsonUtil::jsonArrayToModels<PersonModel>(QStringLiteral("{\"name\":\"x\"}")).isEmpty());
    EXPECT_TRUE(JsonUtil::jsonArrayToModels<PersonModel>(QStringLiteral("[{}, 7]")).isEmpty());
}

TEST(JsonUtil, ModelsSerialiseCompactlyAndNoModelGivesEmptyResults)
{
    PersonModel person;
    person.name = QStringLiteral("Cy");
    person.age = 5;
    EXPECT_EQ(JsonUtil::modelToJSONString(&person), QStringLiteral("{\"age\":5,\"name\":\"Cy\"}"));
    EXPECT_EQ(JsonUtil::modelToDictionary(&person).value(QStringLiteral("name")).toString(), QStringLiteral("Cy"));
    EXPECT_EQ(JsonUtil::modelToJSONString(nullptr), QString());
    EXPECT_TRUE(JsonUtil::modelToDictionary(nullptr).isEmpty());
}

TEST(JsonUtil, ValuesWithoutAJsonFormGiveEmptyTextAndALogLine)
{
    EXPECT_EQ(JsonUtil::jsonString(QVariantMap {
                  { QStringLiteral("a"), 1 }, { QStringLiteral("b"), QStringList { QStringLiteral("x") } } }),
        QStringLiteral("{\"a\":1,\"b\":[\"x\"]}"));
    EXPECT_EQ(JsonUtil::jsonString(QVariantList { 1, QStringLiteral("two"), QVariant() }),
        QStringLiteral("[1,\"two\",null]"));

    testing::internal::CaptureStdout();
    const QString withDate
        = JsonUtil::jsonString(QVariantMap { { QStringLiteral("when"), QDateTime::currentDateTime() } });
    const QString withNaN = JsonUtil::jsonString(
        QVariantList { QVariantMap { { QStringLiteral("x"), std::numeric_limits<double>::quiet_NaN() } } });
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(withDate, QString());
    EXPECT_EQ(withNaN, QString());
    EXPECT_EQ(log, "无法解析出JSONString\n无法解析出JSONString\n");

    EXPECT_EQ(jsonText({ { QStringLiteral("k"), true } }), QStringLiteral("{\"k\":true}"));
    EXPECT_FALSE(jsonText({ { QStringLiteral("k"), QByteArray("raw") } }));
}
