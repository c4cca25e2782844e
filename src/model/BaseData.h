#pragma once

// Generic reply wrappers kept beside the reply records. No operation decodes
// into them, and their construction prints nothing.

#include "model/ReplyEnvelope.h"

#include <QList>
#include <QString>

template <class T> struct BaseData : ReplyResult::CodeMessage {
    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        ReplyResult::CodeMessage::beforeData(self, visit);
    }
};

template <class T> struct BaseDataList {
    QList<T> list;
    int pages = 0;
    bool isLastPage = false;

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("list", self.list);
        visit("pages", self.pages);
        visit("isLastPage", self.isLastPage);
    }
};
