#pragma once

// App-wide values typed by the reply models: the last configuration reply and
// the user's AI choices. Set 1 belongs to the three-step wizard, set 2 to the
// free creator, and the set without a suffix is what the generating screen
// sends; the screen that starts a generation copies its set into it.
// Models are created on first use; everything is touched from the main thread.

#include "model/GetConfigModel.h"
#include "model/Step1Model.h"
#include "model/Step3Model.h"

#include <QString>

// The last successful configuration reply (defaults until one arrives).
GetConfigModel& configModel();

Step1Model& step1Model1();
Step1Model& step1Model2();
Step1Model& step1Model();

inline QString step1SelectName1;
inline QString step1SelectName2;
inline QString step1SelectName;

inline QString step1SelectId1;
inline QString step1SelectId2;
inline QString step1SelectId;

// The wizard's chosen style; step 2 writes it with the committed one, and
// the wizard's Create copies it back so the free creator's style never leaks in.
inline QString step2StylesContentData1ID1;
inline QString step2StylesContentData1ID2;
inline QString step2StylesContentData1ID;

inline QString step2StylesContentData2ID1;
inline QString step2StylesContentData2ID2;
inline QString step2StylesContentData2ID;

Step3ModelContentData& step3Model1();
Step3ModelContentData& step3Model2();
Step3ModelContentData& step3Model();
