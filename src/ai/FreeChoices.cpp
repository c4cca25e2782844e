#include "ai/FreeChoices.h"

#include "globals/ModelGlobals.h"

namespace {
// Marks the first symbol chosen and the second not; later ones keep their flag.
void markFirst(QList<Step3ModelContentData>& symbols)
{
    if (symbols.size() > 0)
        symbols[0].isSelected = true;
    if (symbols.size() > 1)
        symbols[1].isSelected = false;
}
} // namespace

bool FreeChoices::applyReply(const FreeAiGetModel& reply)
{
    if (reply.data.trades.isEmpty())
        return false;
    m_content0.clear();
    m_content1.clear();
    m_freeAiGetModel = reply;
    m_selectIndexTrade = 0;
    m_selectIndexStyle = 0;
    m_selectIndexSymbols = 0;

    AiChoices& chosen = freeCreatorChoices();
    auto& contents = m_freeAiGetModel.data.contents;
    if (!contents.isEmpty()) {
        contents.first().isSelected = true;
        chosen.step3Model = contents.constFirst();
    }
    if (!m_freeAiGetModel.data.styles.isEmpty())
        chosen.step2StylesContentData1ID = m_freeAiGetModel.data.styles.constFirst().id;
    chosen.step1SelectName = m_freeAiGetModel.data.trades.constFirst().name;
    chosen.step1SelectId = m_freeAiGetModel.data.trades.constFirst().id;

    for (const Step3ModelContentData& symbol : contents)
        (symbol.trade_id == chosen.step1SelectId ? m_content0 : m_content1).append(symbol);
    markFirst(m_content0);
    markFirst(m_content1);
    return true;
}

bool FreeChoices::chooseIndustry(int index)
{
    const auto& trades = m_freeAiGetModel.data.trades;
    if (index < 0 || index >= trades.size())
        return false;
    m_selectIndexTrade = index;
    AiChoices& chosen = freeCreatorChoices();
    chosen.step1SelectName = trades.at(index).name;
    chosen.step1SelectId = trades.at(index).id;
    return true;
}

bool FreeChoices::chooseStyle(int index)
{
    const auto& styles = m_freeAiGetModel.data.styles;
    if (index < 0 || index >= styles.size())
        return false;
    m_selectIndexStyle = index;
    freeCreatorChoices().step2StylesContentData1ID = styles.at(index).id;
    return true;
}

void FreeChoices::showIndustry(int index)
{
    m_showSelect1 = index == 0;
    const QList<Step3ModelContentData>& shown = shownSymbols();
    if (shown.isEmpty())
        return;
    const auto marked = std::find_if(
        shown.begin(), shown.end(), [](const Step3ModelContentData& symbol) { return symbol.isSelected; });
    freeCreatorChoices().step3Model = marked != shown.end() ? *marked : shown.constFirst();
}

bool FreeChoices::chooseSymbol(int index)
{
    QList<Step3ModelContentData>& symbols = symbolsInUse();
    if (index < 0 || index >= symbols.size())
        return false;
    freeCreatorChoices().step3Model = symbols.at(index);
    for (int i = 0; i < symbols.size(); ++i)
        symbols[i].isSelected = i == index;
    return true;
}
