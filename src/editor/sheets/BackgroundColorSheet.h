#pragma once

#include "editor/sheets/SidePanelFrame.h"

class BackgroundColorCardView;

// The background colour panel: the colour plate under a "Color" header.
class BackgroundColorSheet : public SidePanelFrame {
    Q_OBJECT
public:
    static constexpr int plateHeight = 333;

    explicit BackgroundColorSheet(QWidget* parent);

    BackgroundColorCardView* plate() const { return m_plate; }

private:
    BackgroundColorCardView* m_plate;
};
