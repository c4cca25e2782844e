#include "api/APIFactory.h"

#include "api/APIToken.h"
#include "api/ParameterDescription.h"
#include "api/RequestSender.h"
#include "core/LanguageWords.h"
#include "core/Log.h"
#include "globals/AppGlobals.h"
#include "globals/ModelGlobals.h"

#include <QDateTime>

namespace {

using Case = APIManager::Case;
using Parameters = APIManager::Parameters;

std::string text(const QString& value)
{
    return value.toStdString();
}

void logRequest(const char* label, const Parameters& logged)
{
    printLine(QString::fromLatin1(label) + describeParameters(logged));
}

Parameters idList(const QList<qint64>& values)
{
    Parameters list = Parameters::array();
    for (qint64 value : values)
        list.push_back(value);
    return list;
}

// What a function does with a reply that decoded, beyond handing it on.
template <class Model> struct ReplyRules {
    // Accepts a decoded reply; false sends it to the failure callback.
    std::function<bool(const Model&)> accept;
    // Runs before the failure callback when the reply mapping refused the reply.
    std::function<void(const MoyaFailure&)> onMappingFailure;
};

template <class Model>
void send(Case operation, Parameters parameters, SuccessCallBack<Model> successCallBack,
    FailureCallBack failureCallBack, QObject* context, ReplyRules<Model> rules = {})
{
    auto failure = std::make_shared<FailureCallBack>(std::move(failureCallBack));
    sendForModel<Model>(
        APIManager::withParameters(operation, std::move(parameters)), context,
        [successCallBack = std::move(successCallBack), failure, rules = std::move(rules)](
            const MoyaResult<Model>& result) {
            if (result.isSuccess()) {
                if (!rules.accept || rules.accept(result.model())) {
                    if (successCallBack)
                        successCallBack(result.model());
                } else if (*failure) {
                    (*failure)();
                }
                return;
            }
            if (rules.onMappingFailure)
                rules.onMappingFailure(result.failureValue());
            if (*failure)
                (*failure)();
        },
        [failure](const TransportError&) {
            if (*failure)
                (*failure)();
        });
}

void requestItemDetail(DesignId item_id, SuccessCallBack<DetailsListModel> successCallBack,
    FailureCallBack failureCallBack, QObject* context, const char* label, Case operation)
{
    const std::string uuid = text(deviceUUID());
    logRequest(label, Parameters { { "uuid", uuid }, { "item_id", item_id.number() } });
    send<DetailsListModel>(operation,
        Parameters { { "uuid", uuid }, { "item_id", item_id.number() }, { "lang", text(apiLanguageName()) } },
        std::move(successCallBack), std::move(failureCallBack), context);
}

// The operations that send only "uuid" and "lang".
template <class Model>
void sendUuidAndLang(Case operation, const char* label, SuccessCallBack<Model> successCallBack,
    FailureCallBack failureCallBack, QObject* context)
{
    const std::string uuid = text(deviceUUID());
    if (label)
        logRequest(label, Parameters { { "uuid", uuid } });
    send<Model>(operation, Parameters { { "uuid", uuid }, { "lang", text(apiLanguageName()) } },
        std::move(successCallBack), std::move(failureCallBack), context);
}

} // namespace

qint64 currentTimestamp()
{
    return QDateTime::currentSecsSinceEpoch();
}

void getDiscorysList(int page_no, int page_len, SuccessCallBack<DiscorysModel> successCallBack,
    FailureCallBack failureCallBack, QObject* context)
{
    const std::string uuid = text(deviceUUID());
    logRequest("getCategoryItems request Data = ",
        Parameters { { "uuid", uuid }, { "page_no", page_no }, { "page_len", page_len } });
    send<DiscorysModel>(Case::templatesGetDiscorysList,
        Parameters {
            { "uuid", uuid }, { "page_no", page_no }, { "page_len", page_len }, { "lang", text(apiLanguageName()) } },
        std::move(successCallBack), std::move(failureCallBack), context);
}

void getDesignList(SuccessCallBack<DesignListModel> successCallBack, FailureCallBack failureCallBack, QObject* context)
{
    const std::string uuid = text(deviceUUID());
    logRequest("getDesignList request Data = ", Parameters { { "uuid", uuid } });
    ReplyRules<DesignListModel> rules;
    rules.accept = [](const DesignListModel& model) { return model.status == 0; };
    rules.onMappingFailure = [](const MoyaFailure& failure) {
        printLine(QStringLiteral("123123123 code = %1, str = %2").arg(failure.code).arg(failure.message));
    };
    send<DesignListModel>(Case::designGetDesignList,
        Parameters { { "uuid", uuid }, { "lang", text(apiLanguageName()) } }, std::move(successCallBack),
        std::move(failureCallBack), context, std::move(rules));
}

void getDetailsList(DesignId item_id, SuccessCallBack<DetailsListModel> successCallBack,
    FailureCallBack failureCallBack, QObject* context)
{
    requestItemDetail(item_id, std::move(successCallBack), std::move(failureCallBack), context,
        "getDiscorysList request Data = ", Case::designGetDetailsList);
}

void getDesignDetail(DesignId item_id, SuccessCallBack<DetailsListModel> successCallBack,
    FailureCallBack failureCallBack, QObject* context)
{
    requestItemDetail(item_id, std::move(successCallBack), std::move(failureCallBack), context,
        "getDesignDetail request Data = ", Case::getDesignDetail);
}

void makeStep1(SuccessCallBack<Step1Model> successCallBack, FailureCallBack failureCallBack, QObject* context)
{
    sendUuidAndLang<Step1Model>(
        Case::makeStep1, "makeStep1 request Data = ", std::move(successCallBack), std::move(failureCallBack), context);
}

void makeStep2(SuccessCallBack<Step2Model> successCallBack, FailureCallBack failureCallBack, QObject* context)
{
    sendUuidAndLang<Step2Model>(
        Case::makeStep2, "makeStep2 request Data = ", std::move(successCallBack), std::move(failureCallBack), context);
}

void makeStep3(
    qint64 trade_id, SuccessCallBack<Step3Model> successCallBack, FailureCallBack failureCallBack, QObject* context)
{
    const std::string uuid = text(deviceUUID());
    logRequest("makeStep3 request Data = ", Parameters { { "uuid", uuid }, { "trade_id", trade_id } });
    send<Step3Model>(Case::makeStep3,
        Parameters { { "uuid", uuid }, { "trade_id", trade_id }, { "lang", text(apiLanguageName()) } },
        std::move(successCallBack), std::move(failureCallBack), context);
}

void makeAiMake(qint64 trade_id, const QList<qint64>& styles_ids, const QList<qint64>& contents_ids,
    const QString& pay_type, SuccessCallBack<AiMakeModel> successCallBack, FailureCallBack failureCallBack,
    QObject* context)
{
    const std::string uuid = text(deviceUUID());
    const std::string lang = text(apiLanguageName());
    const std::string aiType = text(configModel().data.AI_type);
    logRequest("makeAiMake request Data = ",
        Parameters { { "uuid", uuid }, { "trade_id", trade_id }, { "styles_ids", idList(styles_ids) },
            { "contents_ids", idList(contents_ids) }, { "pay_type", text(pay_type) }, { "lang", lang },
            { "AI_type", aiType } });
    send<AiMakeModel>(Case::makeAiMake,
        Parameters { { "uuid", uuid }, { "trade_id", trade_id }, { "styles_ids", idList(styles_ids) },
            { "contents_ids", idList(contents_ids) }, { "pay_type", text(pay_type) }, { "lang", lang },
            { "token", text(apiToken()) }, { "AI_type", aiType } },
        std::move(successCallBack), std::move(failureCallBack), context);
}

void makeFreeAiGet(SuccessCallBack<FreeAiGetModel> successCallBack, FailureCallBack failureCallBack, QObject* context)
{
    sendUuidAndLang<FreeAiGetModel>(Case::makeFreeAiGet, "makeFreeAiGet request Data = ", std::move(successCallBack),
        std::move(failureCallBack), context);
}

void miscGetConfig(SuccessCallBack<GetConfigModel> successCallBack, FailureCallBack failureCallBack, QObject* context)
{
    sendUuidAndLang<GetConfigModel>(Case::miscGetConfig, "miscGetConfig request Data = ", std::move(successCallBack),
        std::move(failureCallBack), context);
}

void userBindUser(const QString& name, const QString& email, SuccessCallBack<BindUserModel> successCallBack,
    FailureCallBack failureCallBack, QObject* context)
{
    const std::string uuid = text(deviceUUID());
    logRequest("miscGetConfig request Data = ", Parameters { { "uuid", uuid } });
    send<BindUserModel>(Case::userBindUser,
        Parameters {
            { "uuid", uuid }, { "name", text(name) }, { "email", text(email) }, { "lang", text(apiLanguageName()) } },
        std::move(successCallBack), std::move(failureCallBack), context);
}

void delLogo(DesignId item_id, SuccessCallBack<DetailsListModel> successCallBack, FailureCallBack failureCallBack,
    QObject* context)
{
    const std::string uuid = text(deviceUUID());
    logRequest("getDiscorysList request Data = ", Parameters { { "uuid", uuid }, { "item_ids", item_id.number() } });
    send<DetailsListModel>(Case::delLogo,
        Parameters { { "uuid", uuid }, { "item_id", item_id.number() }, { "lang", text(apiLanguageName()) } },
        std::move(successCallBack), std::move(failureCallBack), context);
}

void getFontList(
    SuccessCallBack<ResourceFontListModel> successCallBack, FailureCallBack failureCallBack, QObject* context)
{
    const std::string uuid = text(deviceUUID());
    const std::string lang = text(fontScriptClass());
    logRequest("getFontList request Data = ", Parameters { { "uuid", uuid }, { "lang", lang } });
    send<ResourceFontListModel>(Case::resourceFontList, Parameters { { "uuid", uuid }, { "lang", lang } },
        std::move(successCallBack), std::move(failureCallBack), context);
}

void getResourceShape(
    SuccessCallBack<ResourceShapeModel> successCallBack, FailureCallBack failureCallBack, QObject* context)
{
    sendUuidAndLang<ResourceShapeModel>(
        Case::resourceShape, nullptr, std::move(successCallBack), std::move(failureCallBack), context);
}

void getResourceImages(qint64 igid, int page, int count, SuccessCallBack<ResourceImagesModel> successCallBack,
    FailureCallBack failureCallBack, QObject* context)
{
    send<ResourceImagesModel>(Case::resourceImages,
        Parameters { { "uuid", text(deviceUUID()) }, { "type", igid }, { "page", page }, { "count", count } },
        std::move(successCallBack), std::move(failureCallBack), context);
}

void getResourceBg(SuccessCallBack<ResourceBgModel> successCallBack, FailureCallBack failureCallBack, QObject* context)
{
    sendUuidAndLang<ResourceBgModel>(
        Case::resourceBg, nullptr, std::move(successCallBack), std::move(failureCallBack), context);
}

void uploadPic(SuccessCallBack<UploadPicModel> successCallBack, FailureCallBack failureCallBack, QObject* context)
{
    send<UploadPicModel>(Case::uploadPic,
        Parameters { { "uuid", text(deviceUUID()) }, { "token", text(apiToken()) }, { "timestamp", currentTimestamp() },
            { "lang", text(apiLanguageName()) } },
        std::move(successCallBack), std::move(failureCallBack), context);
}

void createPic(const QString& item_id, SuccessCallBack<UploadPicModel> successCallBack, FailureCallBack failureCallBack,
    QObject* context)
{
    send<UploadPicModel>(Case::createPic,
        Parameters { { "uuid", text(deviceUUID()) }, { "item_id", text(item_id) }, { "token", text(apiToken()) },
            { "timestamp", currentTimestamp() } },
        std::move(successCallBack), std::move(failureCallBack), context);
}

void checkUpdate(SuccessCallBack<CheckUpdateModel> successCallBack, FailureCallBack failureCallBack, QObject* context)
{
    const Parameters parameters { { "uid", text(deviceUUID()) }, { "version", text(appVersion()) }, { "os", "mac" },
        { "lang", text(languageCode()) } };
    logRequest("checkUpdate request Data = ", parameters);
    ReplyRules<CheckUpdateModel> rules;
    rules.onMappingFailure
        = [](const MoyaFailure& failure) { printLine(QStringLiteral("code code code = %1").arg(failure.code)); };
    send<CheckUpdateModel>(Case::checkUpdate, parameters, std::move(successCallBack), std::move(failureCallBack),
        context, std::move(rules));
}

void backupv1design(SuccessCallBack<SaveLogoModel> successCallBack, FailureCallBack failureCallBack, QObject* context)
{
    const std::string uuid = text(deviceUUID());
    const std::string lang = text(apiLanguageName());
    // The token is sent but kept out of the log.
    logRequest("backupv1design request Data = ",
        Parameters { { "uuid", uuid }, { "timestamp", currentTimestamp() }, { "lang", lang } });
    send<SaveLogoModel>(Case::backupv1design,
        Parameters {
            { "uuid", uuid }, { "token", text(apiToken()) }, { "timestamp", currentTimestamp() }, { "lang", lang } },
        std::move(successCallBack), std::move(failureCallBack), context);
}
