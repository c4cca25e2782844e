#pragma once

// Reply of the bind-user request.

#include "model/RecordDefaults.h"
#include "model/ReplyEnvelope.h"

#include <QList>
#include <QString>

struct BindUserModelDatas {
    QString id = RecordDefaults::freshUUID();

    BindUserModelDatas() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit) { visit("id", self.id); }
};

using BindUserModel = ReplyEnvelope<ReplyResult::StatusMsg, BindUserModelDatas>;
