#pragma once

// Reply of wizard step 2: the style groups.

#include "model/RecordDefaults.h"

#include <QList>
#include <QString>

// One style.
struct Step2ModelStylesContentData {
    QString id = RecordDefaults::freshUUID();
    QString name;
    QString desc;
    QString img;

    Step2ModelStylesContentData() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("name", self.name);
        visit("desc", self.desc);
        visit("img", self.img);
    }
};

// One style group.
struct Step2ModelContentData {
    QString id = RecordDefaults::freshUUID();
    QString name;
    QList<Step2ModelStylesContentData> contents;

    Step2ModelContentData() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("name", self.name);
        visit("contents", self.contents);
    }
};

struct Step2ModelDatas {
    QString id = RecordDefaults::freshUUID();
    QList<Step2ModelContentData> all_styles;

    Step2ModelDatas() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("all_styles", self.all_styles);
    }
};

struct Step2Model {
    QString id = RecordDefaults::freshUUID();
    int status = -1;
    QString msg = RecordDefaults::missingMessageText();
    Step2ModelDatas data;

    Step2Model() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("status", self.status);
        visit("msg", self.msg);
        visit("data", self.data);
    }
};
