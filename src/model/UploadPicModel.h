#pragma once

// Reply of the picture upload and picture-to-logo requests.

#include "model/RecordDefaults.h"
#include "model/ReplyEnvelope.h"

#include <QList>
#include <QString>

// The picture record. Its `id` is the server's and stays empty until a reply fills it.
struct UploadPicModelItemItem {
    QString uuid;
    QString title;
    QString comment;
    QString name;
    QString slogon;
    QString trade;
    QString keywords;
    QString styles;
    QString thumb;
    QString svg;
    QString md5;
    QString s3_object;
    QString s3_expired;
    QString id;
    QString put_prelink;
    QString img;

    UploadPicModelItemItem() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("uuid", self.uuid);
        visit("title", self.title);
        visit("comment", self.comment);
        visit("name", self.name);
        visit("slogon", self.slogon);
        visit("trade", self.trade);
        visit("keywords", self.keywords);
        visit("styles", self.styles);
        visit("thumb", self.thumb);
        visit("svg", self.svg);
        visit("md5", self.md5);
        visit("s3_object", self.s3_object);
        visit("s3_expired", self.s3_expired);
        visit("id", self.id);
        visit("put_prelink", self.put_prelink);
        visit("img", self.img);
    }
};

struct UploadPicModelItem {
    QString id = RecordDefaults::freshUUID();
    UploadPicModelItemItem item;

    UploadPicModelItem() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("item", self.item);
    }
};

// `status` is 0 only when the reply says so: a reply without a usable status is no success.
using UploadPicModel = ReplyEnvelope<ReplyResult::CodeMessageStatus<-1>, UploadPicModelItem>;
