#pragma once

// Reply of wizard step 1: the industries.

#include "model/RecordDefaults.h"

#include <QList>
#include <QString>

// One industry: its server id and display name.
struct Step1ModelContentData {
    QString id = RecordDefaults::freshUUID();
    QString name;

    Step1ModelContentData() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("name", self.name);
    }
};

struct Step1ModelDatas {
    QString id = RecordDefaults::freshUUID();
    QList<Step1ModelContentData> trade;

    Step1ModelDatas() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("trade", self.trade);
    }
};

struct Step1Model {
    QString id = RecordDefaults::freshUUID();
    int status = -1;
    QString msg = RecordDefaults::missingMessageText();
    Step1ModelDatas data;

    Step1Model() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("status", self.status);
        visit("msg", self.msg);
        visit("data", self.data);
    }
};
