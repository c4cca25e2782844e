#pragma once

// App-wide values typed by the reply models: the last configuration reply and
// the user's AI choices. Models are created on first use; everything is
// touched from the main thread.

#include "model/GetConfigModel.h"
#include "model/Step1Model.h"
#include "model/Step3Model.h"

#include <QString>

// The last successful configuration reply (defaults until one arrives).
GetConfigModel& configModel();

// One set of AI choices: the industries on offer, the chosen industry, style
// and symbol.
struct AiChoices {
    Step1Model step1Model;
    QString step1SelectName;
    QString step1SelectId;
    QString step2StylesContentData1ID;
    QString step2StylesContentData2ID;
    Step3ModelContentData step3Model;
};

// The three-step wizard's choices (the set numbered 1).
AiChoices& wizardChoices();
// The free creator's choices (the set numbered 2).
AiChoices& freeCreatorChoices();
// What the generating screen sends (the set without a number). The screen
// that starts a generation commits its own set into it, whole, so nothing of
// the other screen's choices leaks in.
AiChoices& generationChoices();
void commitForGeneration(const AiChoices& choices);
