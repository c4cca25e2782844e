#pragma once

// Reply of the graphic categories.

#include "model/RecordDefaults.h"

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

struct ResourceShapeModel {
    QString id = RecordDefaults::freshUUID();
    int code = -1;
    QString message = RecordDefaults::missingMessageText();
    ResourceShapeModelItem data;

    ResourceShapeModel() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("code", self.code);
        visit("message", self.message);
        visit("data", self.data);
    }
};
