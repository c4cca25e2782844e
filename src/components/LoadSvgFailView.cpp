#include "components/LoadSvgFailView.h"

#include "components/HoverEffect.h"
#include "core/Localization.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"
#include "core/SharedIcon.h"
#include "globals/AppGlobals.h"

#include <QGraphicsOpacityEffect>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

LoadSvgFailView::LoadSvgFailView(std::function<void()> action, std::function<void()> actionBack, QWidget* parent)
    : QWidget(parent)
    , m_action(std::move(action))
    , m_actionBack(std::move(actionBack))
    , m_retryButton(new QPushButton(localized(QStringLiteral("Retry")), this))
{
    setObjectName(QStringLiteral("LoadSvgFailView"));
    setFixedSize(static_cast<int>(canvasWidth), static_cast<int>(canvasHeight));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("#LoadSvgFailView { background: #1E1E1E; }"));

    auto* image = new QLabel(this);
    image->setPixmap(sharedIcon(QStringLiteral(":/images/network connection failure.svg")).pixmap(120, 120));
    image->setFixedSize(120, 120);

    auto* message = new QLabel(localized(QStringLiteral("Network connection failure")), this);
    message->setStyleSheet(QStringLiteral("color: #DEE2E6; font-size: 14px;"));
    message->setAlignment(Qt::AlignCenter);

    m_retryButton->setFixedSize(120, 32);
    m_retryButton->setCursor(Qt::PointingHandCursor);
    m_retryButton->setStyleSheet(QStringLiteral(
        "QPushButton { background: #007AFF; color: white; font-size: 14px; border: none; border-radius: 5px; }"));
    HoverEffect::apply(m_retryButton);
    connect(m_retryButton, &QPushButton::clicked, this, &LoadSvgFailView::retry);

    // The back button is drawn invisible and takes no clicks; every caller
    // passes an action that does nothing.
    auto* back = new QPushButton(this);
    back->setIcon(sharedIcon(QStringLiteral(":/images/Gaming 1.svg")));
    back->setFlat(true);
    back->setGeometry(0, 0, 10, 10);
    auto* invisible = new QGraphicsOpacityEffect(back);
    invisible->setOpacity(0);
    back->setGraphicsEffect(invisible);
    back->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    connect(back, &QPushButton::clicked, this, [this] {
        if (m_actionBack)
            m_actionBack();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch();
    layout->addWidget(image, 0, Qt::AlignHCenter);
    layout->addSpacing(16);
    layout->addWidget(message, 0, Qt::AlignHCenter);
    layout->addSpacing(24);
    layout->addWidget(m_retryButton, 0, Qt::AlignHCenter);
    layout->addStretch();
}

void LoadSvgFailView::retry()
{
    if (m_action)
        m_action();
    RxBus::shared().post(EditLogoViewEvent::RetryEvent {});
}
