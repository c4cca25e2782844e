#include "editor/sheets/SidePanelFrame.h"

#include "core/Localization.h"
#include "core/SharedIcon.h"
#include "editor/sheets/SheetStyle.h"

#include <QEasingCurve>
#include <QIcon>
#include <QLabel>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <numbers>

namespace {
constexpr int closeButtonPadding = 8;

// A critically damped spring answering in 0.5 s, as the slide of the panels.
double criticallyDamped(double seconds)
{
    const double omega = 2 * std::numbers::pi / 0.5;
    return 1 - (1 + omega * seconds) * std::exp(-omega * seconds);
}

qreal springCurve(qreal progress)
{
    return SidePanelFrame::springProgress(progress);
}
} // namespace

double SidePanelFrame::springProgress(double fraction)
{
    // Scaled so that the slide ends exactly in place.
    const double duration = slideDurationMs / 1000.0;
    return criticallyDamped(fraction * duration) / criticallyDamped(duration);
}

SidePanelFrame::SidePanelFrame(EditorPanel panel, const Header& header, int bodyHeight, QWidget* parent)
    : QWidget(parent)
    , m_panel(panel)
    , m_closeDelay(header.closeDelay)
    , m_bodyHeight(bodyHeight)
    , m_content(new QWidget(this))
    , m_header(new QWidget(m_content))
    , m_body(new QWidget(m_content))
    , m_closeButton(new QPushButton(m_header))
    , m_slide(new QPropertyAnimation(m_content, "pos", this))
{
    setObjectName(QStringLiteral("SidePanelFrame"));
    SheetStyle::fillBackground(m_content, SheetStyle::dividerColor);
    SheetStyle::fillBackground(m_header, SheetStyle::panelBackground);
    SheetStyle::fillBackground(m_body, SheetStyle::panelBackground);

    m_header->setFixedSize(SheetStyle::panelWidth, SheetStyle::headerHeight);
    QLabel* title = SheetStyle::makeLabel(
        localized(header.titleKey), SheetStyle::titlePixelSize, SheetStyle::titleColor, m_header);
    title->setObjectName(QStringLiteral("title"));
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 0, SheetStyle::panelWidth, SheetStyle::headerHeight);

    const int buttonSide = std::min(header.closeIconSize + 2 * closeButtonPadding, SheetStyle::headerHeight);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setIcon(sharedIcon(QStringLiteral(":/images/Gaming 1.svg")));
    m_closeButton->setIconSize(QSize(header.closeIconSize, header.closeIconSize));
    m_closeButton->setFlat(true);
    m_closeButton->setFocusPolicy(Qt::NoFocus);
    m_closeButton->setCursor(Qt::PointingHandCursor);
    m_closeButton->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; padding: 0; }"));
    m_closeButton->setGeometry(SheetStyle::panelWidth - header.trailingSpace - buttonSide,
        (SheetStyle::headerHeight - buttonSide) / 2, buttonSide, buttonSide);
    connect(m_closeButton, &QPushButton::clicked, this, &SidePanelFrame::closeSheet);
    // The title spans the whole header; the button must lie above it to take its clicks.
    m_closeButton->raise();

    QEasingCurve spring;
    spring.setCustomType(&springCurve);
    m_slide->setEasingCurve(spring);
    m_slide->setDuration(slideDurationMs);

    // A new panel stands out of view until it is shown.
    m_content->move(SheetStyle::panelWidth, 0);
    layOutContent();
}

void SidePanelFrame::closeSheet()
{
    if (m_closing)
        return;
    m_closing = true;
    m_isShowSheet = false;
    slideTo(SheetStyle::panelWidth);
    const EditorPanel panel = m_panel;
    QTimer::singleShot(m_closeDelay, this, [panel] { postShowEvent(panel); });
}

QScrollArea* SidePanelFrame::setScrollingBody(QWidget* content)
{
    auto* scroll = new QScrollArea(m_body);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SheetStyle::fillBackground(scroll->viewport(), SheetStyle::panelBackground);
    SheetStyle::fillBackground(content, SheetStyle::panelBackground);
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(m_body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    return scroll;
}

void SidePanelFrame::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_isShowSheet || m_closing)
        return;
    m_isShowSheet = true;
    slideTo(0);
}

void SidePanelFrame::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOutContent();
}

void SidePanelFrame::slideTo(int x)
{
    m_slide->stop();
    m_slide->setStartValue(m_content->pos());
    m_slide->setEndValue(QPoint(x, 0));
    m_slide->start();
}

void SidePanelFrame::layOutContent()
{
    const int fixedTop = SheetStyle::headerHeight + SheetStyle::dividerHeight;
    const int bodyHeight = m_bodyHeight > 0 ? m_bodyHeight : std::max(0, height() - fixedTop);
    m_content->resize(SheetStyle::panelWidth, fixedTop + bodyHeight);
    m_header->move(0, 0);
    m_body->setGeometry(0, fixedTop, SheetStyle::panelWidth, bodyHeight);
}
