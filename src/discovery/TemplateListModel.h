#pragma once

#include "model/DiscorysModel.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>

class ThumbnailCache;

// The templates of the Discovery page for its grid. A card's picture is
// asked for only when the grid reads it, that is when the card is drawn.
class TemplateListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        TitleRole = Qt::UserRole + 1,
        DescRole,
        ImageUrlRole,
        ThumbnailRole, // a QPixmap once loaded, else invalid
    };

    TemplateListModel(ThumbnailCache* thumbnails, QObject* parent = nullptr);

    void setItems(QList<DiscorysModelContentData> items);
    const QList<DiscorysModelContentData>& items() const { return m_items; }
    const DiscorysModelContentData* itemAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void thumbnailArrived(const QString& url);

    ThumbnailCache* m_thumbnails;
    QList<DiscorysModelContentData> m_items;
    QHash<QString, QList<int>> m_rowsByUrl;
};
