#include "discovery/DiscoveryItemsDelegate.h"

#include "discovery/CardPainter.h"
#include "discovery/TemplateListModel.h"

#include <QPainter>
#include <QPixmap>

QRect DiscoveryItemsDelegate::cardRect(const QRect& cellRect)
{
    const int left = cellRect.left() + (cellRect.width() - CardMetrics::imageSide) / 2;
    return QRect(left, cellRect.top(), CardMetrics::imageSide, CardMetrics::imageSide);
}

QSize DiscoveryItemsDelegate::cellSize()
{
    return QSize(cellWidth, CardMetrics::imageSide + rowSpacing);
}

void DiscoveryItemsDelegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect card = cardRect(option.rect);
    const QVariant thumbnail = index.data(TemplateListModel::ThumbnailRole);
    if (thumbnail.isValid())
        CardPainter::paintImage(*painter, card, CardMetrics::cornerRadius, thumbnail.value<QPixmap>());
    else
        CardPainter::paintPlaceholder(*painter, card, CardMetrics::cornerRadius);
    if (index.row() == m_hoveredRow) {
        CardPainter::paintCaption(*painter, card, index.data(TemplateListModel::TitleRole).toString(),
            index.data(TemplateListModel::DescRole).toString());
    }
}

QSize DiscoveryItemsDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return cellSize();
}
