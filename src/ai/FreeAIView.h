#pragma once

#include "ai/FreeChoices.h"

#include <QWidget>

class AiFailurePanel;
class FreeCreatorButtonView;
class FreePreferView;
class FreeSelectIndustryView;
class FreeSymbolsSelectView;
class LoadSvgFailView;

// The free creator: two industries, two styles and the chosen industry's
// symbols from one reply, on one panel, with Create at the bottom right.
// Only the reply to the latest request is applied. A failed load covers this
// page alone with the failure view, and only while it has no choices to show:
// choices already shown stay.
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
    LoadSvgFailView* failView() const;

private:
    void loadFailed();

    FreeChoices m_choices;
    FreeSelectIndustryView* m_industries;
    FreePreferView* m_styles;
    FreeSymbolsSelectView* m_symbols;
    FreeCreatorButtonView* m_create;
    AiFailurePanel* m_failPanel;
    int m_latestRequest = 0;
};
