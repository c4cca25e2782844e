#pragma once

// The font catalogue: the server's font list with the Latin fonts merged in
// by the user's font-script class, the record caches the merge builds from,
// the list of installed Latin fonts handed to the canvas page, and the
// registration of the installed Japanese, Chinese and Korean fonts.

#include "model/ResourceFontListModel.h"

#include <QList>
#include <QObject>
#include <QString>

// Announces that globalFontModel was replaced; an open font sheet follows it.
class FontCatalogue : public QObject {
    Q_OBJECT
public:
    static FontCatalogue& shared();

Q_SIGNALS:
    void catalogueChanged();

private:
    using QObject::QObject;
};

using FontRecords = QList<ResourceFontListModelDataFontList>;

// The module's functions; the editor's own registerLocalFontReturningPath
// forwards to the one here once installFontServices() has run.
namespace FontUtils {

// The process-wide catalogue; empty with code -1 until a font list arrives.
ResourceFontListModel& globalFontModel();

// Record caches, each refilled from empty by its builder.
FontRecords& latinFontsOtherRecords();
FontRecords& latinFonts10Records();
FontRecords& latinFonts40Records();
FontRecords& latinFontsArtRecords();

// latinFonts10 then latinFontsArt (17 records).
FontRecords latinFontList10();
// latinFonts10, latinFonts40, then latinFontsArt (57 records).
FontRecords latinFontList50();
// latinFontsOther (36 records).
FontRecords latinFontListOther();

// Writes the local records into two groups of `model` chosen by position for
// `scriptClass`; a position the reply doesn't have is skipped.
void mergeLocalFontsIntoCatalogue(ResourceFontListModel& model, const QString& scriptClass);
// The same for globalFontModel and the user's class.
void mergeLocalFontsIntoCatalogue();

// Asks for the server's font list; on success it replaces the catalogue, the
// merge runs and catalogueChanged is emitted. A failure changes nothing.
void requestRemoteFontList();

// Registers the installed CJK fonts, one file per event-loop turn, and then
// the installed Latin fonts the same way.
void registerLocalCJKFonts();

// Registers the installed font `fileName` (once per run).
void registerLocalFont(const QString& fileName);
// The same, returning its file; empty when the font is not installed.
QString registerLocalFontReturningPath(const QString& fileName);
// Whether the row `fileName` has a readable font file (it gets registered).
bool isLocalFontInstalled(const QString& fileName);

// The installed Latin fonts for the canvas page, in the order Other, Art, 40, 10.
QList<ResourceFontListModelDataFontListToWebView> localFontListForWebView();
// The same as the JSON array that "pushLocalFont" takes.
QString localFontListJsonForWebView();

} // namespace FontUtils
