#include "globals/ModelGlobals.h"

GetConfigModel& configModel()
{
    static GetConfigModel model;
    return model;
}

Step1Model& step1Model1()
{
    static Step1Model model;
    return model;
}

Step1Model& step1Model2()
{
    static Step1Model model;
    return model;
}

Step1Model& step1Model()
{
    static Step1Model model;
    return model;
}

Step3ModelContentData& step3Model1()
{
    static Step3ModelContentData model;
    return model;
}

Step3ModelContentData& step3Model2()
{
    static Step3ModelContentData model;
    return model;
}

Step3ModelContentData& step3Model()
{
    static Step3ModelContentData model;
    return model;
}
