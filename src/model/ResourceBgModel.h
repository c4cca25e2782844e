#pragma once

// Reply of the background pictures.

#include "model/RecordDefaults.h"
#include "model/ReplyEnvelope.h"

#include <QList>
#include <QString>

// One background picture; `imageId` is text here.
struct ResourceBgModelDatas {
    QString id = RecordDefaults::freshUUID();
    QString imageId;
    QString url;
    QString thumb;
    int pay = 0;
    QString name;

    ResourceBgModelDatas() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("imageId", self.imageId);
        visit("url", self.url);
        visit("thumb", self.thumb);
        visit("pay", self.pay);
        visit("name", self.name);
    }
};

struct ResourceBgModelItem {
    QString id = RecordDefaults::freshUUID();
    QList<ResourceBgModelDatas> item;

    ResourceBgModelItem() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("item", self.item);
    }
};

using ResourceBgModel = ReplyEnvelope<ReplyResult::CodeMessage, ResourceBgModelItem>;
