#include "editor/BackgroundPictureTiles.h"

#include "components/HoverEffect.h"
#include "core/AsyncImageView.h"
#include "core/ColorUtilities.h"
#include "editor/EditLogoViewModel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>

namespace {
constexpr qreal disabledOpacity = 0.35;

// Lays the bar's own colour over the tiles, so that they show at
// `disabledOpacity`. An opacity effect on the whole row would nest the
// tiles' hover effects inside it, and Qt then draws them out of place.
class DimmingCover : public QWidget {
public:
    explicit DimmingCover(QWidget* parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Color(0x1E1E1E, 1 - disabledOpacity)); }
};
} // namespace

BackgroundPictureTiles::BackgroundPictureTiles(EditLogoViewModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_row(new QWidget)
    , m_rowLayout(new QHBoxLayout(m_row))
    , m_dimming(new DimmingCover(this))
{
    m_rowLayout->setContentsMargins(0, 0, 0, 0);
    m_rowLayout->setSpacing(6);

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(m_row);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setStyleSheet(QStringLiteral("QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; }"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    m_dimming->raise();
    m_dimming->setVisible(!isEnabled());

    connect(&model, &EditLogoViewModel::backgroundCatalogueChanged, this, &BackgroundPictureTiles::rebuild);
    rebuild();
}

void BackgroundPictureTiles::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        m_dimming->setVisible(!isEnabled());
}

void BackgroundPictureTiles::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_dimming->setGeometry(rect());
}

int BackgroundPictureTiles::tileCount() const
{
    return static_cast<int>(m_row->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly).size());
}

void BackgroundPictureTiles::rebuild()
{
    while (QLayoutItem* item = m_rowLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (const ResourceBgModelDatas& picture : m_model.backgroundCatalogue().data.item) {
        auto* tile = new QPushButton(m_row);
        tile->setFixedSize(tileSize, tileSize);
        tile->setFlat(true);
        tile->setCursor(Qt::PointingHandCursor);
        tile->setToolTip(picture.name);
        tile->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; }"));
        const QString thumbnail = picture.thumb.isEmpty() ? picture.url : picture.thumb;
        auto* image = new AsyncImageView(thumbnail, tileSize, tileSize, 4, tile);
        image->setAttribute(Qt::WA_TransparentForMouseEvents, true);
        HoverEffect::apply(tile);
        const QString url = picture.url;
        connect(tile, &QPushButton::clicked, this, [this, url] { m_model.setBackgroundPicture(url); });
        m_rowLayout->addWidget(tile);
    }
    m_rowLayout->addStretch();
}
