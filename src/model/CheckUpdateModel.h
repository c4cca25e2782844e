#pragma once

// Reply of the update check.

#include "model/RecordDefaults.h"
#include "model/ReplyEnvelope.h"

#include <QList>
#include <QString>

struct CheckUpdateModelData {
    QString id = RecordDefaults::freshUUID();
    QString version;
    QString url_base;
    QString url;
    QString description;
    bool force = false;
    QString ty_url;
    QString md5;

    CheckUpdateModelData() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("version", self.version);
        visit("url_base", self.url_base);
        visit("url", self.url);
        visit("description", self.description);
        visit("force", self.force);
        visit("ty_url", self.ty_url);
        visit("md5", self.md5);
    }
};

using CheckUpdateModel = ReplyEnvelope<ReplyResult::CodeReasonStatus, CheckUpdateModelData>;
