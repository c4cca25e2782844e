#pragma once

#include "editor/sheets/SidePanelFrame.h"

class FlipSheetItem;

// Mirrors the selected graphic: the left item flips it horizontally, the
// right one vertically.
class FlipSheet : public SidePanelFrame {
    Q_OBJECT
public:
    static constexpr int itemGap = 100;

    explicit FlipSheet(QWidget* parent);

    FlipSheetItem* horizontalItem() const { return m_horizontal; }
    FlipSheetItem* verticalItem() const { return m_vertical; }

private:
    FlipSheetItem* m_horizontal;
    FlipSheetItem* m_vertical;
};
