#pragma once

// Reply of wizard step 2: the style groups.

#include "model/RecordDefaults.h"
#include "model/ReplyEnvelope.h"

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

using Step2Model = ReplyEnvelope<ReplyResult::StatusMsg, Step2ModelDatas>;
