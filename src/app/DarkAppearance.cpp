#include "app/DarkAppearance.h"

#include "core/ColorUtilities.h"
#include "core/NoFocusRingStyle.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

void DarkAppearance::apply()
{
    // Fusion draws well in dark colours; the proxy keeps text fields free of focus rings.
    QApplication::setStyle(new NoFocusRingStyle(QStyleFactory::create(QStringLiteral("Fusion"))));

    QPalette dark;
    dark.setColor(QPalette::Window, Color(0x1E1E1E));
    dark.setColor(QPalette::WindowText, Color(0xDDDDDD));
    dark.setColor(QPalette::Base, Color(0x2A2A2A));
    dark.setColor(QPalette::AlternateBase, Color(0x333333));
    dark.setColor(QPalette::Text, Color(0xE5E5E5));
    dark.setColor(QPalette::PlaceholderText, Color(0x868E96));
    dark.setColor(QPalette::Button, Color(0x404040));
    dark.setColor(QPalette::ButtonText, Color(0xFFFFFF));
    dark.setColor(QPalette::BrightText, Color(0xFFFFFF));
    dark.setColor(QPalette::Highlight, Color(0x007AFF));
    dark.setColor(QPalette::HighlightedText, Color(0xFFFFFF));
    dark.setColor(QPalette::ToolTipBase, Color(0x333333));
    dark.setColor(QPalette::ToolTipText, Color(0xFFFFFF));
    dark.setColor(QPalette::Link, Color(0x4DA3FF));
    dark.setColor(QPalette::Light, Color(0x505050));
    dark.setColor(QPalette::Midlight, Color(0x404040));
    dark.setColor(QPalette::Mid, Color(0x303030));
    dark.setColor(QPalette::Dark, Color(0x181818));
    dark.setColor(QPalette::Shadow, Color(0x000000));
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        dark.setColor(QPalette::Disabled, role, Color(0x6C6C6C));
    QApplication::setPalette(dark);
}
