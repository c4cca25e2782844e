#pragma once

// Reply of the design back-up request.

#include "model/RecordDefaults.h"
#include "model/ReplyEnvelope.h"

#include <QList>
#include <QString>

struct SaveLogoModelData {
    QString id = RecordDefaults::freshUUID();
    QString logo_id;
    QString put_prelink;

    SaveLogoModelData() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("logo_id", self.logo_id);
        visit("put_prelink", self.put_prelink);
    }
};

using SaveLogoModel = ReplyEnvelope<ReplyResult::CodeMessageStatus<0>, SaveLogoModelData>;
