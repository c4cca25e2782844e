#pragma once

// The side panel in which the user picks the font of the selected text. It
// lists the font catalogue, one row per font drawn in that font, and posts
// the events on which the editor applies or loads the font.

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
    void setSelectFontName(const QString& name);
    void restoreSelectionAfterFailure(const QString& fontName);

    QWidget* m_list;
    QVBoxLayout* m_listLayout;
    QList<FontItem*> m_rows;
    QString m_selectFontName;
    // The selection before a server font was asked for; a failed load returns to it.
    QString m_selectionBeforeDownload;
};
