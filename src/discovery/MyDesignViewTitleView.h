#pragma once

#include "discovery/PageTitleBar.h"

// The My Design page's title bar: "My Design", or "Back" over the detail page.
class MyDesignViewTitleView : public PageTitleBar {
    Q_OBJECT
public:
    explicit MyDesignViewTitleView(QWidget* parent = nullptr)
        : PageTitleBar(QStringLiteral("My Design"), parent)
    {
    }
};
