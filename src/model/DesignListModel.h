#pragma once

// Reply of the saved-design list: the user's own designs.

#include "model/DesignRecords.h"
#include "model/RecordDefaults.h"
#include "model/ReplyEnvelope.h"

#include <QList>
#include <QString>

// Industry and keyword records, shared in shape with the other design replies.
struct DesignListFamily;
using DesignListTradeContentData = TradeRecord<DesignListFamily>;
using DesignListKeywordsArrayContentData = KeywordRecord<DesignListFamily>;
using DesignListKeywordsContentData = KeywordListRecord<DesignListFamily>;

// One saved design; `ver` "v1" marks a first-version design.
struct DesignListContentData {
    QString id = RecordDefaults::freshUUID();
    QString title;
    QString desc;
    DesignListTradeContentData trade;
    QString img;
    QString thumb;
    DesignListKeywordsContentData keywords;
    QString svg;
    QString ver;

    DesignListContentData() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("title", self.title);
        visit("desc", self.desc);
        visit("trade", self.trade);
        visit("img", self.img);
        visit("thumb", self.thumb);
        visit("keywords", self.keywords);
        visit("svg", self.svg);
        visit("ver", self.ver);
    }
};

struct DesignListModelDatas {
    QString id = RecordDefaults::freshUUID();
    QString user_name;
    QList<DesignListContentData> items;

    DesignListModelDatas() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("user_name", self.user_name);
        visit("items", self.items);
    }
};

using DesignListModel = ReplyEnvelope<ReplyResult::StatusReason, DesignListModelDatas>;
