#pragma once

#include <QWidget>

class TapTarget;

// What My Design shows when the user has no saved designs: an add tile
// 20 points in from the left and the top; a tap asks for the AI Logo page.
class NotDesignItems : public QWidget {
    Q_OBJECT
public:
    explicit NotDesignItems(QWidget* parent = nullptr);

    TapTarget* addTile() const { return m_addTile; }

private:
    TapTarget* m_addTile;
};
