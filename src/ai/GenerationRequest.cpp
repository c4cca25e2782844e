#include "ai/GenerationRequest.h"

#include "core/DecimalId.h"
#include "globals/ModelGlobals.h"

GenerationRequest GenerationRequest::fromGlobals()
{
    GenerationRequest request;
    request.tradeId = parseDecimalId(generationChoices().step1SelectId).value_or(-1);
    request.styleId = parseDecimalId(generationChoices().step2StylesContentData1ID).value_or(-1);
    request.contentId = parseDecimalId(generationChoices().step3Model.id).value_or(-1);
    return request;
}
