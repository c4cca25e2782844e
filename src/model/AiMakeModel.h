#pragma once

// Reply of the generation request.

#include "model/DesignRecords.h"
#include "model/RecordDefaults.h"
#include "model/ReplyEnvelope.h"

#include <QList>
#include <QString>

// Industry and keyword records, shared in shape with the other design replies.
struct AiMakeFamily;
using AiMakeTradeContentData = TradeRecord<AiMakeFamily>;
using AiMakeKeywordsArrayContentData = KeywordRecord<AiMakeFamily>;
using AiMakeKeywordsContentData = KeywordListRecord<AiMakeFamily>;

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

using AiMakeModel = ReplyEnvelope<ReplyResult::StatusMsg, AiMakeModelDatas>;
