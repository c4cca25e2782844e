#include "discovery/PageTitleBar.h"

#include "core/Localization.h"
#include "discovery/ImageLabel.h"
#include "discovery/StyledLabel.h"
#include "discovery/TapTarget.h"

#include <QHBoxLayout>
#include <QLabel>

PageTitleBar::PageTitleBar(const QString& titleKey, QWidget* parent)
    : QWidget(parent)
    , m_title(styledLabel(localized(titleKey), 18, 0xDDDDDD, this))
    , m_back(new TapTarget(this))
{
    setFixedSize(720, 39);
    constexpr int topPadding = 15;

    m_title->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_title->setGeometry(0, topPadding, width(), height() - topPadding);

    auto* backRow = new QHBoxLayout(m_back);
    backRow->setContentsMargins(0, 0, 0, 0);
    backRow->setSpacing(2);
    auto* arrow = new ImageLabel(QStringLiteral("Frame 135"), QSize(20, 20), m_back);
    arrow->setContentsMargins(0, 0, 0, 0);
    backRow->addWidget(arrow, 0, Qt::AlignVCenter);
    backRow->addWidget(styledLabel(localized(QStringLiteral("Back")), 14, 0xDDDDDD, m_back), 0, Qt::AlignVCenter);
    m_back->adjustSize();
    // The arrow sits one point lower than the text's centre line.
    m_back->move(12, topPadding + (height() - topPadding - m_back->height()) / 2 + 1);
    m_back->setCursor(Qt::ArrowCursor);
    connect(m_back, &TapTarget::tapped, this, [this] {
        setShowLogoDetailView(false);
        Q_EMIT backRequested();
    });

    setShowLogoDetailView(false);
}

void PageTitleBar::setShowLogoDetailView(bool show)
{
    m_showLogoDetailView = show;
    m_title->setVisible(!show);
    m_back->setVisible(show);
}
