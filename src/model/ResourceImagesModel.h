#pragma once

// Reply of one page of graphics of a category.

#include "model/RecordDefaults.h"
#include "model/ReplyEnvelope.h"

#include <QList>
#include <QString>

// One graphic.
struct ResourceImagesModelDatasImages {
    QString id = RecordDefaults::freshUUID();
    qint64 imageId = 0;
    QString url;
    QString thumb;

    ResourceImagesModelDatasImages() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("imageId", self.imageId);
        visit("url", self.url);
        visit("thumb", self.thumb);
    }
};

struct ResourceImagesModelDatas {
    QString id = RecordDefaults::freshUUID();
    int total_page = 0;
    int current_page = 0;
    QList<ResourceImagesModelDatasImages> images;

    ResourceImagesModelDatas() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("total_page", self.total_page);
        visit("current_page", self.current_page);
        visit("images", self.images);
    }
};

// `item` is one page, not a list.
struct ResourceImagesModelItem {
    QString id = RecordDefaults::freshUUID();
    ResourceImagesModelDatas item;

    ResourceImagesModelItem() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("item", self.item);
    }
};

using ResourceImagesModel = ReplyEnvelope<ReplyResult::CodeMessage, ResourceImagesModelItem>;
