#pragma once

#include <QList>
#include <QWidget>

class FreeChoices;
class QHBoxLayout;
class StyleSingleView;

// The free creator's style section: "What style would you prefer?" and a
// tile for each of the reply's first two styles.
class FreePreferView : public QWidget {
    Q_OBJECT
public:
    static constexpr int tileCount = 2;

    FreePreferView(FreeChoices* choices, QWidget* parent = nullptr);

    // Rebuilds the tiles from the choices as they are now.
    void refresh();
    void chooseStyle(int index);
    const QList<StyleSingleView*>& tiles() const { return m_tiles; }

private:
    void showSelection();

    FreeChoices* m_choices;
    QHBoxLayout* m_row;
    QList<StyleSingleView*> m_tiles;
};
