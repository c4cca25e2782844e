#include "globals/ModelGlobals.h"

GetConfigModel& configModel()
{
    static GetConfigModel model;
    return model;
}

AiChoices& wizardChoices()
{
    static AiChoices choices;
    return choices;
}

AiChoices& freeCreatorChoices()
{
    static AiChoices choices;
    return choices;
}

AiChoices& generationChoices()
{
    static AiChoices choices;
    return choices;
}

void commitForGeneration(const AiChoices& choices)
{
    generationChoices() = choices;
}
