#include "discovery/TemplateListModel.h"

#include "discovery/ThumbnailCache.h"

#include <QPixmap>

TemplateListModel::TemplateListModel(ThumbnailCache* thumbnails, QObject* parent)
    : QAbstractListModel(parent)
    , m_thumbnails(thumbnails)
{
    connect(m_thumbnails, &ThumbnailCache::thumbnailReady, this, &TemplateListModel::thumbnailArrived);
}

void TemplateListModel::setItems(QList<DiscorysModelContentData> items)
{
    beginResetModel();
    m_items = std::move(items);
    m_rowsByUrl.clear();
    m_rowsByUrl.reserve(m_items.size());
    for (int row = 0; row < m_items.size(); ++row)
        m_rowsByUrl[m_items.at(row).img].append(row);
    endResetModel();
}

const DiscorysModelContentData* TemplateListModel::itemAt(int row) const
{
    if (row < 0 || row >= m_items.size())
        return nullptr;
    return &m_items.at(row);
}

int TemplateListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

QVariant TemplateListModel::data(const QModelIndex& index, int role) const
{
    const DiscorysModelContentData* item = itemAt(index.row());
    if (!item || index.parent().isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case TitleRole:
        return item->title;
    case DescRole:
        return item->desc;
    case ImageUrlRole:
        return item->img;
    case ThumbnailRole:
        if (const std::optional<QPixmap> picture = m_thumbnails->thumbnail(item->img))
            return *picture;
        return {};
    default:
        return {};
    }
}

void TemplateListModel::thumbnailArrived(const QString& url)
{
    const auto rows = m_rowsByUrl.constFind(url);
    if (rows == m_rowsByUrl.constEnd())
        return;
    for (int row : *rows) {
        const QModelIndex changed = index(row);
        Q_EMIT dataChanged(changed, changed, { ThumbnailRole });
    }
}
