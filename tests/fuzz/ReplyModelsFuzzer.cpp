// The bytes as the body of a successful reply, decoded into one of the reply
// models through the client's own mapping (the function its decode task runs).

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

template <class Model> void decode(const APIResponse& response)
{
    mapModel<Model>(response);
}

// In the order the last byte of an input names them.
constexpr void (*decoders[])(const APIResponse&) = { decode<AiMakeModel>, decode<BindUserModel>,
    decode<CheckUpdateModel>, decode<DesignListModel>, decode<DetailsListModel>, decode<DiscorysModel>,
    decode<FreeAiGetModel>, decode<GetConfigModel>, decode<ResourceBgModel>, decode<ResourceFontListModel>,
    decode<ResourceImagesModel>, decode<ResourceShapeModel>, decode<SaveLogoModel>, decode<Step1Model>,
    decode<Step2Model>, decode<Step3Model>, decode<UploadPicModel> };

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startFuzzEnvironment();
    return 0;
}

// The last byte names the model; the bytes before it are the reply body.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    APIResponse response;
    response.statusCode = 200;
    response.data = QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size - 1));
    response.requestURL = QUrl(QStringLiteral("http://127.0.0.1:1/index.php/fuzz"));
    response.requestMethod = "POST";
    decoders[data[size - 1] % std::size(decoders)](response);
    return 0;
}
