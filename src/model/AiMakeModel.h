#pragma once

// Reply of the generation request.

#include "model/RecordDefaults.h"

#include <QList>
#include <QString>

struct AiMakeTradeContentData {
    QString id = RecordDefaults::freshUUID();
    QString trade;

    AiMakeTradeContentData() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("trade", self.trade);
    }
};

struct AiMakeKeywordsArrayContentData {
    QString id = RecordDefaults::freshUUID();
    QString word;

    AiMakeKeywordsArrayContentData() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("word", self.word);
    }
};

struct AiMakeKeywordsContentData {
    QString id = RecordDefaults::freshUUID();
    QList<AiMakeKeywordsArrayContentData> keywords;

    AiMakeKeywordsContentData() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("keywords", self.keywords);
    }
};

// The generated design; the generating screen reads `img`.
struct AiMakeContentData {
    QString id = RecordDefaults::freshUUID();
    QString title;
    QString desc;
    AiMakeTradeContentData trade;
    QString img;
    QString thumb;
    AiMakeKeywordsContentData keywords;

    AiMakeContentData() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("title", self.title);
        visit("desc", self.desc);
        visit("trade", self.trade);
        visit("img", self.img);
        visit("thumb", self.thumb);
        visit("keywords", self.keywords);
    }
};

struct AiMakeModelDatas {
    QString id = RecordDefaults::freshUUID();
    AiMakeContentData item;

    AiMakeModelDatas() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("item", self.item);
    }
};

struct AiMakeModel {
    QString id = RecordDefaults::freshUUID();
    int status = -1;
    QString msg = RecordDefaults::missingMessageText();
    AiMakeModelDatas data;

    AiMakeModel() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("status", self.status);
        visit("msg", self.msg);
        visit("data", self.data);
    }
};
