#pragma once

#include <QProxyStyle>

// A style that draws no focus ring around text fields (or anything else),
// so a focused field looks like an unfocused one.
class NoFocusRingStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;
};
