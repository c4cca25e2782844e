#pragma once

// Records that several design replies share field for field. Each reply keeps
// its own named type (its own tag), so replies stay distinct types while the
// fields are written once.

#include "model/RecordDefaults.h"

#include <QList>
#include <QString>

// Industry of a design.
template <class Family> struct TradeRecord {
    QString id = RecordDefaults::freshUUID();
    QString trade;

    TradeRecord() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("trade", self.trade);
    }
};

// One keyword.
template <class Family> struct KeywordRecord {
    QString id = RecordDefaults::freshUUID();
    QString word;

    KeywordRecord() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("word", self.word);
    }
};

// The keyword list, an object around the array.
template <class Family> struct KeywordListRecord {
    QString id = RecordDefaults::freshUUID();
    QList<KeywordRecord<Family>> keywords;

    KeywordListRecord() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("keywords", self.keywords);
    }
};
