#include "discovery/SimlarView.h"

#include "components/HoverEffect.h"
#include "core/Localization.h"
#include "discovery/DetailSectionTitle.h"
#include "discovery/SimlarItems.h"
#include "model/DetailsListModel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* blueButton(const QString& titleKey, QWidget* parent)
{
    auto* button = new QPushButton(localized(titleKey), parent);
    button->setFixedSize(168, 30);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: #007AFF; color: #FFFFFF; border: none; border-radius: 5px;"
        " font-size: 13px; }"
        "QPushButton:disabled { background-color: rgba(0, 122, 255, 0.4); color: rgba(255, 255, 255, 0.5); }"));
    HoverEffect::apply(button);
    return button;
}

} // namespace

SimlarView::SimlarView(QWidget* parent)
    : QWidget(parent)
    , m_row(new QWidget(this))
    , m_download(blueButton(QStringLiteral("Download original image"), this))
    , m_edit(blueButton(QStringLiteral("Edit Logo"), this))
{
    auto* tiles = new QHBoxLayout(m_row);
    tiles->setContentsMargins(0, 0, 0, 0);
    tiles->setSpacing(20);
    for (int position = 0; position < 2; ++position) {
        m_tiles[position] = new SimlarItems(m_row);
        tiles->addWidget(m_tiles[position]);
        connect(m_tiles[position], &SimlarItems::tapped, this, [this, position] { Q_EMIT similarSelected(position); });
    }
    tiles->addStretch();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    column->addWidget(detailSectionTitle(QStringLiteral("Other"), this));
    column->addWidget(m_row);
    column->addSpacing(6);
    column->addWidget(m_download);
    column->addSpacing(4);
    column->addWidget(m_edit);
    column->addStretch();

    connect(m_download, &QPushButton::clicked, this, &SimlarView::downloadRequested);
    connect(m_edit, &QPushButton::clicked, this, [this] {
        if (m_edit->isEnabled())
            Q_EMIT editRequested();
    });
}

void SimlarView::setItem(const DetailsListModelDatas& item)
{
    const qsizetype shown = std::min<qsizetype>(item.similar.size(), 2);
    m_row->setVisible(shown > 0);
    for (int position = 0; position < 2; ++position) {
        const bool present = position < shown;
        m_tiles[position]->setVisible(present);
        m_tiles[position]->setImageUrl(present ? item.similar.at(position).img : QString());
    }
    m_edit->setEnabled(!item.item.svg.isEmpty());
}

void SimlarView::setVersionOne(bool isVersionOne)
{
    m_isVersionOne = isVersionOne;
    m_edit->setVisible(!isVersionOne);
}

SimlarItems* SimlarView::similarTile(int position) const
{
    return position >= 0 && position < 2 ? m_tiles[position] : nullptr;
}
