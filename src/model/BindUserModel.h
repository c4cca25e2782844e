#pragma once

// Reply of the bind-user request.

#include "model/RecordDefaults.h"

#include <QList>
#include <QString>

struct BindUserModelDatas {
    QString id = RecordDefaults::freshUUID();

    BindUserModelDatas() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit) { visit("id", self.id); }
};

struct BindUserModel {
    QString id = RecordDefaults::freshUUID();
    int status = -1;
    QString msg = RecordDefaults::missingMessageText();
    BindUserModelDatas data;

    BindUserModel() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("status", self.status);
        visit("msg", self.msg);
        visit("data", self.data);
    }
};
