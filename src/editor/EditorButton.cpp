#include "editor/EditorButton.h"

#include "components/HoverEffect.h"
#include "core/Localization.h"
#include "core/SharedIcon.h"

#include <QHash>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace {

// How strongly a disabled button's icon shows, like its dimmed label.
constexpr qreal disabledIconOpacity = 0.35;

// The icon at `size` (and twice that for dense screens), with a disabled
// form drawn faintly: the style's own disabled form of our light icons is
// hard to tell from the enabled one on the dark chrome.
QIcon drawIconWithDimmedDisabledForm(const QString& path, QSize size)
{
    const QIcon source = sharedIcon(path);
    QIcon icon;
    for (const QSize& pixels : { size, size * 2 }) {
        const QPixmap normal = source.pixmap(pixels);
        // The pixmap comes at the screen's pixel ratio; the dimmed copy
        // must say the same, or it is drawn at its device size.
        QPixmap dimmed(normal.size());
        dimmed.setDevicePixelRatio(normal.devicePixelRatio());
        dimmed.fill(Qt::transparent);
        QPainter painter(&dimmed);
        painter.setOpacity(disabledIconOpacity);
        painter.drawPixmap(0, 0, normal);
        painter.end();
        icon.addPixmap(normal, QIcon::Normal);
        icon.addPixmap(dimmed, QIcon::Disabled);
    }
    return icon;
}

// Drawn once per picture and size for the run: every editor builds its bars
// afresh, and each new icon would leave its pictures in the pixmap cache.
QIcon iconWithDimmedDisabledForm(const QString& path, QSize size)
{
    static auto* drawn = new QHash<QString, QIcon>;
    const QString key = QStringLiteral("%1@%2x%3").arg(path).arg(size.width()).arg(size.height());
    auto found = drawn->constFind(key);
    if (found == drawn->constEnd())
        found = drawn->insert(key, drawIconWithDimmedDisabledForm(path, size));
    return *found;
}

} // namespace

EditorButton::EditorButton(const QString& icon, const QString& labelKey, Layout layout, QWidget* parent)
    : QToolButton(parent)
{
    setText(localized(labelKey));
    setToolTip(text());
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(true);
    if (layout == Layout::TextBesideIcon) {
        setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        setIconSize(QSize(18, 18));
        setFixedHeight(32);
    } else {
        setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        setIconSize(QSize(20, 20));
        setFixedHeight(46);
        setMinimumWidth(56);
    }
    setStyleSheet(QStringLiteral("QToolButton { color: #DEE2E6; font-size: 12px; background: transparent; border: none;"
                                 " border-radius: 5px; padding: 2px 8px; }"
                                 "QToolButton:hover { background: #333333; }"
                                 "QToolButton:disabled { color: #5C5F63; }"));
    setIcon(iconWithDimmedDisabledForm(QStringLiteral(":/images/%1.svg").arg(icon), iconSize()));
    HoverEffect::apply(this);
}
