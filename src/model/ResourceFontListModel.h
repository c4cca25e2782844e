#pragma once

// Reply of the remote font list, and the font entry handed to the canvas page.

#include "model/JsonFieldWriter.h"
#include "model/RecordDefaults.h"
#include "model/ReplyEnvelope.h"

#include <QList>
#include <QString>

// One font; `isLocal` is non-zero for a font shipped with the application.
struct ResourceFontListModelDataFontList {
    QString id = RecordDefaults::freshUUID();
    QString fontFamily;
    QString fontType;
    QString fontName;
    QString url;
    int select = 0;
    int isLocal = 0;

    ResourceFontListModelDataFontList() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("fontFamily", self.fontFamily);
        visit("fontType", self.fontType);
        visit("fontName", self.fontName);
        visit("url", self.url);
        visit("select", self.select);
        visit("isLocal", self.isLocal);
    }
};

// One language group.
struct ResourceFontListModelDatas {
    QString id = RecordDefaults::freshUUID();
    QString language;
    QList<ResourceFontListModelDataFontList> fontList;

    ResourceFontListModelDatas() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("language", self.language);
        visit("fontList", self.fontList);
    }
};

// `data` is the list of groups itself; their order matters to the font catalogue.
using ResourceFontListModel = ReplyEnvelope<ReplyResult::CodeMessage, QList<ResourceFontListModelDatas>>;

// A shipped font as the canvas page receives it; never decoded from a reply.
struct ResourceFontListModelDataFontListToWebView {
    QString id = RecordDefaults::freshUUID();
    QString fontFamily;
    QString fontType;
    QString fontName;
    QString path;

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        visit("fontFamily", self.fontFamily);
        visit("fontType", self.fontType);
        visit("fontName", self.fontName);
        visit("path", self.path);
    }
};

// The font list for the canvas page as compact JSON: an array of objects with
// the keys "id", "fontFamily", "fontType", "fontName" and "path".
inline QString fontListJsonForWebView(const QList<ResourceFontListModelDataFontListToWebView>& fonts)
{
    return QString::fromStdString(JsonFieldWriter::encodeList(fonts).dump());
}
