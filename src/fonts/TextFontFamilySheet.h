#pragma once

// The side panel in which the user picks the font of the selected text. It
// lists the font catalogue, one row per font drawn in that font, and posts
// the events on which the editor applies or loads the font. It follows the
// selection: the selected text's font is ticked, and a click on another row
// gives that text the row's font; while no text is selected, no row is ticked
// and a click changes nothing.

#include "editor/sheets/SidePanelFrame.h"

#include <QList>
#include <QString>

class EditLogoViewModel;
class FontItem;
class QVBoxLayout;

class TextFontFamilySheet : public SidePanelFrame {
    Q_OBJECT
public:
    TextFontFamilySheet(EditLogoViewModel& model, QWidget* parent);

    const QString& selectFontName() const { return m_selectFontName; }
    const QList<FontItem*>& rows() const { return m_rows; }

private:
    void rebuildRows();
    void clickRow(FontItem* row);
    // Ticks the row of `font`: the row of that name, else the first of that
    // family; none if unlisted.
    void tickFont(const QString& font);
    // Ticks the row of the text selected now, which the page names by family
    // and face: the row of both, else the first of the family; none while no
    // text is selected.
    void tickSelectedText();
    void selectedObjectChanged();
    void setSelectFontName(const QString& name);
    // The rows of `fontName` (a catalogue may list a font more than once).
    void setLoading(const QString& fontName, bool loading);
    void endLoadWithoutFont(const QString& fontName);

    EditLogoViewModel& m_model;
    QWidget* m_list;
    QVBoxLayout* m_listLayout;
    QList<FontItem*> m_rows;
    QString m_selectFontName;
    // The selection before a server font was asked for; a failed load returns to it.
    QString m_selectionBeforeDownload;
};
