#pragma once

// Reply of the free creator's choice list.

#include "model/RecordDefaults.h"
#include "model/ReplyEnvelope.h"
#include "model/Step3Model.h"

#include <QList>
#include <QString>

struct FreeAiGetTradeContentData {
    QString id = RecordDefaults::freshUUID();
    QString name;
    QString desc;

    FreeAiGetTradeContentData() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("name", self.name);
        visit("desc", self.desc);
    }
};

struct FreeAiGetStylesContentData {
    QString id = RecordDefaults::freshUUID();
    QString name;
    QString desc;
    QString img;

    FreeAiGetStylesContentData() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("name", self.name);
        visit("desc", self.desc);
        visit("img", self.img);
    }
};

struct FreeAiGetModelDatas {
    QString id = RecordDefaults::freshUUID();
    QList<FreeAiGetTradeContentData> trades;
    QList<FreeAiGetStylesContentData> styles;
    QList<Step3ModelContentData> contents;

    FreeAiGetModelDatas() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("trades", self.trades);
        visit("styles", self.styles);
        visit("contents", self.contents);
    }
};

using FreeAiGetModel = ReplyEnvelope<ReplyResult::StatusMsg, FreeAiGetModelDatas>;
