#pragma once

// Generic reply wrappers kept beside the reply records. No operation decodes
// into them, and their construction prints nothing.

#include "model/RecordDefaults.h"

#include <QList>
#include <QString>

template <class T> struct BaseData {
    int code = -1;
    QString message = RecordDefaults::missingMessageText();

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("code", self.code);
        visit("message", self.message);
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
