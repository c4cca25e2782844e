#pragma once

// Reply of wizard step 3: the symbols of an industry.

#include "model/RecordDefaults.h"
#include "model/ReplyEnvelope.h"

#include <QList>
#include <QString>

// One symbol; also the free creator's symbols and the chosen-symbol globals.
struct Step3ModelContentData {
    QString id = RecordDefaults::freshUUID();
    QString word;
    QString level;
    QString trade_id;
    bool isSelected = false;

    Step3ModelContentData() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("word", self.word);
        visit("level", self.level);
        visit("trade_id", self.trade_id);
        visit("isSelected", self.isSelected);
    }
};

struct Step3ModelDatas {
    QString id = RecordDefaults::freshUUID();
    QList<Step3ModelContentData> content0;

    Step3ModelDatas() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("content0", self.content0);
    }
};

using Step3Model = ReplyEnvelope<ReplyResult::StatusMsg, Step3ModelDatas>;
