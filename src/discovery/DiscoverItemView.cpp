#include "discovery/DiscoverItemView.h"

#include "discovery/ImageLabel.h"
#include "discovery/RemoteImage.h"
#include "discovery/StyledLabel.h"
#include "discovery/TapTarget.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int cardSide = 168;
constexpr int buttonSide = 24;
} // namespace

DiscoverItemView::DiscoverItemView(QString imageUrl, QString title, QString content, bool showMoreButton,
    std::function<void()> imageAction, std::function<void()> moreButtonAction, QWidget* parent)
    : QWidget(parent)
    , m_imageArea(new TapTarget(this))
    , m_moreButton(new TapTarget(m_imageArea))
    , m_title(styledLabel(title, 15, 0x212529, this))
    , m_content(styledLabel(content, 13, 0x495057, this))
{
    m_imageArea->setFixedSize(cardSide, cardSide);
    auto* image = new RemoteImage(cardSide, 10, m_imageArea);
    image->setUrlString(imageUrl);

    // The button sits 5 in from the right, centred (with 5 below it) in a 45-high row.
    m_moreButton->setGeometry(cardSide - 5 - buttonSide, (45 - buttonSide - 5) / 2, buttonSide, buttonSide);
    new ImageLabel(QStringLiteral("dots-horizontal"), QSize(buttonSide, buttonSide), m_moreButton);
    m_moreButton->setVisible(showMoreButton);

    QFont titleFont = m_title->font();
    titleFont.setWeight(QFont::DemiBold);
    m_title->setFont(titleFont);
    for (QLabel* line : { m_title, m_content }) {
        line->setFixedSize(cardSide, 20);
        line->setContentsMargins(0, 0, 20, 0);
        line->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_imageArea);
    column->addSpacing(5);
    column->addWidget(m_title);
    column->addSpacing(5);
    column->addWidget(m_content);

    connect(m_imageArea, &TapTarget::tapped, this, [imageAction] {
        if (imageAction)
            imageAction();
    });
    connect(m_moreButton, &TapTarget::tapped, this, [moreButtonAction] {
        if (moreButtonAction)
            moreButtonAction();
    });
}
