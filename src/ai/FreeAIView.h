#pragma once

#include "ai/FreeChoices.h"

#include <QWidget>

class FreeCreatorButtonView;
class FreePreferView;
class FreeSelectIndustryView;
class FreeSymbolsSelectView;

// The free creator: two industries, two styles and the chosen industry's
// symbols from one reply, on one panel, with Create at the bottom right.
// Only the reply to the latest request is applied; the outcome of each load
// is reported to the AI page like the wizard's.
class FreeAIView : public QWidget {
    Q_OBJECT
public:
    explicit FreeAIView(QWidget* parent = nullptr);

    void load();
    void applyReply(const FreeAiGetModel& reply);
    void selectSymbol(int index);

    const FreeChoices& choices() const { return m_choices; }
    FreeSelectIndustryView* industryView() const { return m_industries; }
    FreePreferView* preferView() const { return m_styles; }
    FreeSymbolsSelectView* symbolsView() const { return m_symbols; }
    FreeCreatorButtonView* createButton() const { return m_create; }

private:
    FreeChoices m_choices;
    FreeSelectIndustryView* m_industries;
    FreePreferView* m_styles;
    FreeSymbolsSelectView* m_symbols;
    FreeCreatorButtonView* m_create;
    int m_latestRequest = 0;
};
