#pragma once

// One row of the font sheet: the font's name drawn in its own font, the
// selection colour, and on the selected row a spinner while the font loads
// or the "fontSelect" mark once it is there. A shipped font that is not
// installed is drawn dimmed in the panel's font with "Not installed".

#include <QAbstractButton>
#include <QFont>
#include <QString>

class Spinner;

class FontItem : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int rowWidth = 270;
    static constexpr int rowHeight = 34;

    struct Entry {
        QString name;
        QString family;
        QString url;
        int isLocal = 0;
        bool installed = true;
        QFont font; // the font the name is drawn in
    };

    FontItem(Entry entry, QWidget* parent);

    const Entry& entry() const { return m_entry; }
    bool isLoading() const { return m_isLoading; }
    void setLoading(bool loading);
    bool isSelectedRow() const { return m_selected; }
    void setSelectedRow(bool selected);
    bool isSpinnerShown() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateIndicator();

    Entry m_entry;
    // Only a picked row loads: a server font, until the page has it.
    bool m_isLoading = false;
    bool m_selected = false;
    Spinner* m_spinner;
};
