#pragma once

// Reply of the design detail requests (and of the delete request).

#include "model/DesignRecords.h"
#include "model/RecordDefaults.h"
#include "model/ReplyEnvelope.h"

#include <QList>
#include <QString>

// Industry and keyword records, shared in shape with the other design replies.
struct DetailsListFamily;
using DetailsListTradeContentData = TradeRecord<DetailsListFamily>;
using DetailsListKeywordsArrayContentData = KeywordRecord<DetailsListFamily>;

// One style name.
struct DetailsListStylesArrayContentData {
    QString id = RecordDefaults::freshUUID();
    QString style;

    DetailsListStylesArrayContentData() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("style", self.style);
    }
};

// One design in detail; `keywords` is the array itself here.
struct DetailsListContentData {
    QString id = RecordDefaults::freshUUID();
    QString title;
    QString desc;
    DetailsListTradeContentData trade;
    QString img;
    QString thumb;
    QList<DetailsListKeywordsArrayContentData> keywords;
    QList<DetailsListStylesArrayContentData> styles;
    QString svg;
    QString prompt;
    QString orig_img;

    DetailsListContentData() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("title", self.title);
        visit("desc", self.desc);
        visit("trade", self.trade);
        visit("img", self.img);
        visit("thumb", self.thumb);
        visit("keywords", self.keywords);
        visit("styles", self.styles);
        visit("svg", self.svg);
        visit("prompt", self.prompt);
        visit("orig_img", self.orig_img);
    }
};

struct DetailsListModelDatas {
    QString id = RecordDefaults::freshUUID();
    DetailsListContentData item;
    QList<DetailsListContentData> similar;

    DetailsListModelDatas() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("item", self.item);
        visit("similar", self.similar);
    }
};

using DetailsListModel = ReplyEnvelope<ReplyResult::StatusReason, DetailsListModelDatas>;
