#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class SimlarItems;
struct DetailsListModelDatas;

// The section "Other" of the detail page: up to two similar designs side by
// side, then "Download original image" and, unless the design is of the
// first version, "Edit Logo" (disabled while the design has no SVG text).
class SimlarView : public QWidget {
    Q_OBJECT
public:
    explicit SimlarView(QWidget* parent = nullptr);

    // Shows the first two similar designs of `item`, as many as there are.
    void setItem(const DetailsListModelDatas& item);
    void setVersionOne(bool isVersionOne);

    SimlarItems* similarTile(int position) const;
    QWidget* similarRow() const { return m_row; }
    QPushButton* downloadButton() const { return m_download; }
    QPushButton* editButton() const { return m_edit; }

Q_SIGNALS:
    void similarSelected(int position);
    void downloadRequested();
    void editRequested();

private:
    QWidget* m_row;
    SimlarItems* m_tiles[2];
    QPushButton* m_download;
    QPushButton* m_edit;
    bool m_isVersionOne = false;
};
