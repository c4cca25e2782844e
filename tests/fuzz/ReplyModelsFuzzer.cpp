// The bytes as the body of a successful reply, decoded into every reply
// model through the client's own mapping (the function its decode task runs).

#include "FuzzEnvironment.h"
#include "api/ResponseMapper.h"
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

namespace {

template <class... Models> void decodeAll(const APIResponse& response)
{
    (mapModel<Models>(response), ...);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startFuzzEnvironment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    APIResponse response;
    response.statusCode = 200;
    response.data = QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    response.requestURL = QUrl(QStringLiteral("http://127.0.0.1:1/index.php/fuzz"));
    response.requestMethod = "POST";
    decodeAll<AiMakeModel, BindUserModel, CheckUpdateModel, DesignListModel, DetailsListModel, DiscorysModel,
        FreeAiGetModel, GetConfigModel, ResourceBgModel, ResourceFontListModel, ResourceImagesModel, ResourceShapeModel,
        SaveLogoModel, Step1Model, Step2Model, Step3Model, UploadPicModel>(response);
    return 0;
}
