#include "components/ToastView.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {
constexpr int verticalPadding = 5;
constexpr int horizontalPadding = 10;
constexpr double cornerRadius = 3;
constexpr int fontPixelSize = 15;
const QColor background(0x3E, 0x3F, 0x40);
} // namespace

ToastView::ToastView(QWidget* host)
    : QWidget(host)
    , m_host(host)
    , m_label(new QLabel(this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    // The toast is a message, not a control: clicks go to what lies beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);

    QFont font = m_label->font();
    font.setPixelSize(fontPixelSize);
    font.setWeight(QFont::Normal);
    m_label->setFont(font);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setStyleSheet(QStringLiteral("color: #FFFFFF; background: transparent;"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(horizontalPadding, verticalPadding, horizontalPadding, verticalPadding);
    layout->addWidget(m_label);

    if (host) {
        host->installEventFilter(this);
        // Once moved up to the window, the toast is no longer the host's child.
        connect(host, &QObject::destroyed, this, [this] { delete this; });
    }
    hide();
}

void ToastView::showText(const QString& text)
{
    m_label->setText(text);
    moveAboveHost();
    placeOnHost();
    show();
    raise();
}

// A child of the host would lie under whatever the window stacks above the
// host; as the window's own child, raised last, it lies above all of it.
void ToastView::moveAboveHost()
{
    if (!m_host)
        return;
    QWidget* top = m_host->window();
    if (parentWidget() != top)
        setParent(top);
}

void ToastView::hideToast()
{
    hide();
}

QString ToastView::text() const
{
    return m_label->text();
}

void ToastView::setBottomMargin(int margin)
{
    m_bottomMargin = margin;
    placeWhenShown();
}

void ToastView::setMaximumToastWidth(int width)
{
    m_maximumWidth = width;
    placeWhenShown();
}

bool ToastView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_host)
        return false;
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
        placeWhenShown();
    else if (event->type() == QEvent::ParentChange) {
        // The host went to another window: the toast follows it there, and
        // never stays behind in a window that may go without the host.
        const bool shown = isVisible();
        setParent(m_host);
        if (shown)
            showText(text());
    }
    return false;
}

// A hidden toast is placed when it shows its next text: measuring text loads
// a font, which a window's first paint need not wait for.
void ToastView::placeWhenShown()
{
    if (!isHidden())
        placeOnHost();
}

// As wide as its text plus the padding; a text wider than the window (or the
// maximum width) wraps instead of running off both sides.
void ToastView::placeOnHost()
{
    QWidget* host = m_host;
    const int available = std::min(host ? host->width() - 2 * horizontalPadding : QWIDGETSIZE_MAX, m_maximumWidth);
    const int naturalWidth = m_label->fontMetrics().horizontalAdvance(m_label->text()) + 2;
    const bool wraps = naturalWidth > available - 2 * horizontalPadding;
    m_label->setWordWrap(wraps);
    int width = wraps ? available : naturalWidth + 2 * horizontalPadding;
    int height = (wraps ? m_label->heightForWidth(width - 2 * horizontalPadding) : m_label->sizeHint().height())
        + 2 * verticalPadding;
    resize(width, height);
    if (host && parentWidget() && (parentWidget() == host || parentWidget()->isAncestorOf(host))) {
        // Within the part of the host that can be seen: a host in a
        // scrolled area may reach past its window's edges.
        const QRect area
            = QRect(host->mapTo(parentWidget(), QPoint(0, 0)), host->size()).intersected(parentWidget()->rect());
        move(area.left() + (area.width() - width) / 2, area.top() + area.height() - m_bottomMargin - height);
    }
}

void ToastView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
}
