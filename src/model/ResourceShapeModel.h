#pragma once

// Reply of the graphic categories.

#include "model/RecordDefaults.h"
#include "model/ReplyEnvelope.h"

#include <QList>
#include <QString>

// One category; `igid` is its server id.
struct ResourceShapeModelDatas {
    QString id = RecordDefaults::freshUUID();
    QString igid;
    QString name;
    QString icon;

    ResourceShapeModelDatas() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("igid", self.igid);
        visit("name", self.name);
        visit("icon", self.icon);
    }
};

struct ResourceShapeModelItem {
    QString id = RecordDefaults::freshUUID();
    QList<ResourceShapeModelDatas> item;

    ResourceShapeModelItem() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("item", self.item);
    }
};

using ResourceShapeModel = ReplyEnvelope<ReplyResult::CodeMessage, ResourceShapeModelItem>;
