#pragma once

#include "app/VisualEffectView.h"

#include <QList>

class LeftTabItem;
class PageSelection;

// The main window's sidebar: the product header and one entry per page, on
// the sidebar material.
class LeftTab : public VisualEffectView {
    Q_OBJECT
public:
    explicit LeftTab(PageSelection* isSelectLeftTabIndex, QWidget* parent = nullptr);

    // Top to bottom.
    const QList<LeftTabItem*>& items() const { return m_items; }

private:
    QList<LeftTabItem*> m_items;
};
