#pragma once

// One request function per remote operation. Each adds the common parameters,
// prints its log line (the token never appears in a log), sends its case and
// ends in exactly one of its two callbacks, on the main thread: the success
// callback with the decoded reply, or the failure callback with nothing,
// also after a time-out, a refused connection or any other transport error.
// When `context` is given and destroyed before the reply, neither runs.
// Ids are 64-bit throughout, as the server sends them.

#include "core/DesignId.h"
#include "model/AiMakeModel.h"
#include "model/BindUserModel.h"
#include "model/CheckUpdateModel.h"
#include "model/DesignListModel.h"
#include "model/DetailsListModel.h"
#include "model/DiscorysModel.h"
#include "model/FreeAiGetModel.h"
#include "model/GetConfigModel.h"
#include "model/ResourceBgModel.h"
#include "model/ResourceFontListModel.h"
#include "model/ResourceImagesModel.h"
#include "model/ResourceShapeModel.h"
#include "model/SaveLogoModel.h"
#include "model/Step1Model.h"
#include "model/Step2Model.h"
#include "model/Step3Model.h"
#include "model/UploadPicModel.h"

#include <QList>
#include <QString>
#include <functional>

class QObject;

template <class Model> using SuccessCallBack = std::function<void(const Model&)>;
using FailureCallBack = std::function<void()>;

void getDiscorysList(int page_no, int page_len, SuccessCallBack<DiscorysModel> successCallBack,
    FailureCallBack failureCallBack, QObject* context = nullptr);
// Only a reply whose `status` is 0 reaches the success callback.
void getDesignList(
    SuccessCallBack<DesignListModel> successCallBack, FailureCallBack failureCallBack, QObject* context = nullptr);
void getDetailsList(DesignId item_id, SuccessCallBack<DetailsListModel> successCallBack,
    FailureCallBack failureCallBack, QObject* context = nullptr);
void getDesignDetail(DesignId item_id, SuccessCallBack<DetailsListModel> successCallBack,
    FailureCallBack failureCallBack, QObject* context = nullptr);
void makeStep1(
    SuccessCallBack<Step1Model> successCallBack, FailureCallBack failureCallBack, QObject* context = nullptr);
void makeStep2(
    SuccessCallBack<Step2Model> successCallBack, FailureCallBack failureCallBack, QObject* context = nullptr);
void makeStep3(qint64 trade_id, SuccessCallBack<Step3Model> successCallBack, FailureCallBack failureCallBack,
    QObject* context = nullptr);
// Sends the AI type of the last configuration reply in configModel().
void makeAiMake(qint64 trade_id, const QList<qint64>& styles_ids, const QList<qint64>& contents_ids,
    const QString& pay_type, SuccessCallBack<AiMakeModel> successCallBack, FailureCallBack failureCallBack,
    QObject* context = nullptr);
void makeFreeAiGet(
    SuccessCallBack<FreeAiGetModel> successCallBack, FailureCallBack failureCallBack, QObject* context = nullptr);
void miscGetConfig(
    SuccessCallBack<GetConfigModel> successCallBack, FailureCallBack failureCallBack, QObject* context = nullptr);
void userBindUser(const QString& name, const QString& email, SuccessCallBack<BindUserModel> successCallBack,
    FailureCallBack failureCallBack, QObject* context = nullptr);
void delLogo(DesignId item_id, SuccessCallBack<DetailsListModel> successCallBack, FailureCallBack failureCallBack,
    QObject* context = nullptr);
// Sends the font-script class as "lang".
void getFontList(SuccessCallBack<ResourceFontListModel> successCallBack, FailureCallBack failureCallBack,
    QObject* context = nullptr);
void getResourceShape(
    SuccessCallBack<ResourceShapeModel> successCallBack, FailureCallBack failureCallBack, QObject* context = nullptr);
void getResourceImages(qint64 igid, int page, int count, SuccessCallBack<ResourceImagesModel> successCallBack,
    FailureCallBack failureCallBack, QObject* context = nullptr);
void getResourceBg(
    SuccessCallBack<ResourceBgModel> successCallBack, FailureCallBack failureCallBack, QObject* context = nullptr);
void uploadPic(
    SuccessCallBack<UploadPicModel> successCallBack, FailureCallBack failureCallBack, QObject* context = nullptr);
void createPic(const QString& item_id, SuccessCallBack<UploadPicModel> successCallBack, FailureCallBack failureCallBack,
    QObject* context = nullptr);
// Goes to the update host; sends the device id as "uid" and the short language code.
void checkUpdate(
    SuccessCallBack<CheckUpdateModel> successCallBack, FailureCallBack failureCallBack, QObject* context = nullptr);
void backupv1design(
    SuccessCallBack<SaveLogoModel> successCallBack, FailureCallBack failureCallBack, QObject* context = nullptr);

// Whole seconds since 1970, as sent in "timestamp".
qint64 currentTimestamp();
