#pragma once

// Reply of the free creator's choice list.

#include "model/RecordDefaults.h"
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

struct FreeAiGetModel {
    QString id = RecordDefaults::freshUUID();
    int status = -1;
    QString msg = RecordDefaults::missingMessageText();
    FreeAiGetModelDatas data;

    FreeAiGetModel() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("status", self.status);
        visit("msg", self.msg);
        visit("data", self.data);
    }
};
