#include "fonts/SidePanelFrame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int slideMilliseconds = 500;
const QString panelColor = QStringLiteral("#262626");
} // namespace

SidePanelFrame::SidePanelFrame(const QString& title, QWidget* parent)
    : QWidget(parent)
    , m_sheet(new QWidget(this))
    , m_scroll(new QScrollArea(m_sheet))
    , m_close(new QPushButton(m_sheet))
    , m_slide(new QPropertyAnimation(m_sheet, "pos", this))
{
    m_sheet->setObjectName(QStringLiteral("sidePanelSheet"));
    m_sheet->setAttribute(Qt::WA_StyledBackground);
    m_sheet->setStyleSheet(QStringLiteral("#sidePanelSheet { background: %1; }").arg(panelColor));

    auto* header = new QWidget(m_sheet);
    header->setFixedHeight(headerHeight);
    auto* titleLabel = new QLabel(title, header);
    titleLabel->setAlignment(Qt::AlignCenter);
    QFont titleFont = titleLabel->font();
    titleFont.setPixelSize(14);
    titleLabel->setFont(titleFont);
    titleLabel->setStyleSheet(QStringLiteral("color: #DEE2E6; background: transparent;"));
    m_close->setIcon(QIcon(QStringLiteral(":/images/Gaming 1.svg")));
    m_close->setIconSize(QSize(10, 10));
    m_close->setFixedSize(30, 30);
    m_close->setFlat(true);
    m_close->setCursor(Qt::PointingHandCursor);
    m_close->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; }"));
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(0, 0, 4, 0);
    headerLayout->addWidget(titleLabel, 1);
    // The title stays centred over the whole width; the button lies above it.
    titleLabel->setContentsMargins(34, 0, 0, 0);
    headerLayout->addWidget(m_close);

    auto* divider = new QWidget(m_sheet);
    divider->setFixedHeight(1);
    divider->setAttribute(Qt::WA_StyledBackground);
    divider->setStyleSheet(QStringLiteral("background: #383838;"));

    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setStyleSheet(QStringLiteral("QScrollArea { background: %1; border: none; }").arg(panelColor));
    m_scroll->viewport()->setStyleSheet(QStringLiteral("background: %1;").arg(panelColor));

    auto* layout = new QVBoxLayout(m_sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addWidget(divider);
    layout->addWidget(m_scroll, 1);

    m_slide->setDuration(slideMilliseconds);
    m_slide->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_close, &QPushButton::clicked, this, &SidePanelFrame::closeClicked);
    m_sheet->move(panelWidth, 0);
}

void SidePanelFrame::setBody(QWidget* body)
{
    m_scroll->setWidget(body);
}

void SidePanelFrame::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_isShowSheet)
        return;
    m_isShowSheet = true;
    slideTo(0);
}

void SidePanelFrame::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_sheet->resize(panelWidth, height());
}

void SidePanelFrame::slideOut(int delayMilliseconds, std::function<void()> afterwards)
{
    m_isShowSheet = false;
    slideTo(panelWidth);
    QTimer::singleShot(delayMilliseconds, this, std::move(afterwards));
}

void SidePanelFrame::slideTo(int x)
{
    m_slide->stop();
    m_slide->setStartValue(m_sheet->pos());
    m_slide->setEndValue(QPoint(x, 0));
    m_slide->start();
}
