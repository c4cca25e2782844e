#include "editor/EditorButton.h"

#include "components/HoverEffect.h"
#include "core/Localization.h"

#include <QIcon>

EditorButton::EditorButton(const QString& icon, const QString& labelKey, Layout layout, QWidget* parent)
    : QToolButton(parent)
{
    setIcon(QIcon(QStringLiteral(":/images/%1.svg").arg(icon)));
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
    HoverEffect::apply(this);
}
