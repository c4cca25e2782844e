#pragma once

#include <QWidget>

class FreeChoices;
class TagView;

// The free creator's symbol section: "Symbol selection" and the chips of the
// chosen industry. It follows FreeViewEventBus::step1SelectId2Event.
class FreeSymbolsSelectView : public QWidget {
    Q_OBJECT
public:
    FreeSymbolsSelectView(FreeChoices* choices, QWidget* parent = nullptr);

    // Shows the symbols as they are now.
    void refresh();
    TagView* tagView() const { return m_tagView; }

private:
    FreeChoices* m_choices;
    TagView* m_tagView;
};
