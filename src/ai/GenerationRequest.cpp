#include "ai/GenerationRequest.h"

#include "core/DecimalId.h"
#include "globals/ModelGlobals.h"

GenerationRequest GenerationRequest::fromGlobals()
{
    GenerationRequest request;
    request.tradeId = parseDecimalId(step1SelectId).value_or(-1);
    request.styleId = parseDecimalId(step2StylesContentData1ID).value_or(-1);
    request.contentId = parseDecimalId(step3Model().id).value_or(-1);
    return request;
}
