#pragma once

// Reply of the configuration request; the start-up work keeps it whole in `configModel()`.

#include "model/RecordDefaults.h"
#include "model/ReplyEnvelope.h"

#include <QList>
#include <QString>

// All values are text, numbers included.
struct GetConfigModelDatas {
    QString id = RecordDefaults::freshUUID();
    QString free_times;
    QString AI_type;
    QString edit_action;

    GetConfigModelDatas() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("free_times", self.free_times);
        visit("AI_type", self.AI_type);
        visit("edit_action", self.edit_action);
    }
};

using GetConfigModel = ReplyEnvelope<ReplyResult::StatusMsg, GetConfigModelDatas>;
