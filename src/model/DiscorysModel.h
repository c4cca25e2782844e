#pragma once

// Reply of the template list (Discovery).

#include "model/DesignRecords.h"
#include "model/RecordDefaults.h"
#include "model/ReplyEnvelope.h"

#include <QHashFunctions>
#include <QList>
#include <QString>

// Industry and keyword records, shared in shape with the other design replies.
struct DiscorysFamily;
using DiscorysModelTradeContentData = TradeRecord<DiscorysFamily>;
using DiscorysModelKeywordsArrayContentData = KeywordRecord<DiscorysFamily>;
using DiscorysModelKeywordsContentData = KeywordListRecord<DiscorysFamily>;

// One template card. Two cards are equal when their `img` is equal; the hash follows equality.
struct DiscorysModelContentData {
    QString id = RecordDefaults::freshUUID();
    QString title;
    QString desc;
    DiscorysModelTradeContentData trade;
    QString img;
    QString thumb;
    DiscorysModelKeywordsContentData keywords;
    bool select = false;

    DiscorysModelContentData() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("title", self.title);
        visit("desc", self.desc);
        visit("trade", self.trade);
        visit("img", self.img);
        visit("thumb", self.thumb);
        visit("keywords", self.keywords);
        visit("select", self.select);
    }

    bool operator==(const DiscorysModelContentData& other) const { return img == other.img; }
};

inline size_t qHash(const DiscorysModelContentData& card, size_t seed = 0)
{
    return qHash(card.img, seed);
}

// One page of templates.
struct DiscorysModelDatas {
    QString id = RecordDefaults::freshUUID();
    int page_no = -1;
    int page_len = -1;
    QList<DiscorysModelContentData> advertisement;
    QList<DiscorysModelContentData> items;

    DiscorysModelDatas() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("page_no", self.page_no);
        visit("page_len", self.page_len);
        visit("advertisement", self.advertisement);
        visit("items", self.items);
    }
};

using DiscorysModel = ReplyEnvelope<ReplyResult::StatusReason, DiscorysModelDatas>;
