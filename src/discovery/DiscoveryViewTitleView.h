#pragma once

#include "discovery/PageTitleBar.h"

// The Discovery page's title bar: "Discovery", or "Back" over the detail page.
class DiscoveryViewTitleView : public PageTitleBar {
    Q_OBJECT
public:
    explicit DiscoveryViewTitleView(QWidget* parent = nullptr)
        : PageTitleBar(QStringLiteral("Discovery"), parent)
    {
    }
};
