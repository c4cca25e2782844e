#pragma once

// Reply of wizard step 1: the industries.

#include "model/RecordDefaults.h"
#include "model/ReplyEnvelope.h"

#include <QList>
#include <QString>

// One industry: its server id and display name.
struct Step1ModelContentData {
    QString id = RecordDefaults::freshUUID();
    QString name;

    Step1ModelContentData() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("name", self.name);
    }
};

struct Step1ModelDatas {
    QString id = RecordDefaults::freshUUID();
    QList<Step1ModelContentData> trade;

    Step1ModelDatas() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("trade", self.trade);
    }
};

using Step1Model = ReplyEnvelope<ReplyResult::StatusMsg, Step1ModelDatas>;
