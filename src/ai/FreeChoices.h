#pragma once

#include "model/FreeAiGetModel.h"
#include "model/Step3Model.h"

#include <QList>

// The free creator's choices: the last reply, its symbols split by industry,
// the chosen positions, and the free creator's selection globals they are
// written to. Shared by the page and its three sections.
class FreeChoices {
public:
    // Takes a new reply: every choice returns to the first entry, so what is
    // shown matches what a Create sends. Returns false for a reply without
    // an industry, which leaves everything as it was.
    bool applyReply(const FreeAiGetModel& reply);

    // The industry at `index` (0 or 1) was tapped. False when there is none.
    bool chooseIndustry(int index);
    // The style tile at `index` was tapped. False when there is none.
    bool chooseStyle(int index);
    // The symbol section switches to the symbols of the industry at `index`;
    // the chosen symbol becomes the one marked in that list.
    void showIndustry(int index);
    // The chip at `index` of the list in use was tapped. False when outside it.
    bool chooseSymbol(int index);

    // True once a reply with an industry came in.
    bool hasChoices() const { return !m_freeAiGetModel.data.trades.isEmpty(); }
    const FreeAiGetModel& freeAiGetModel() const { return m_freeAiGetModel; }
    const QList<Step3ModelContentData>& content0() const { return m_content0; }
    const QList<Step3ModelContentData>& content1() const { return m_content1; }
    const QList<Step3ModelContentData>& shownSymbols() const { return m_showSelect1 ? m_content0 : m_content1; }
    int selectIndexTrade() const { return m_selectIndexTrade; }
    int selectIndexStyle() const { return m_selectIndexStyle; }
    int selectIndexSymbols() const { return m_selectIndexSymbols; }
    bool showSelect1() const { return m_showSelect1; }

private:
    QList<Step3ModelContentData>& symbolsInUse() { return m_selectIndexTrade == 0 ? m_content0 : m_content1; }

    FreeAiGetModel m_freeAiGetModel;
    QList<Step3ModelContentData> m_content0;
    QList<Step3ModelContentData> m_content1;
    int m_selectIndexTrade = 0;
    int m_selectIndexStyle = 0;
    int m_selectIndexSymbols = 0;
    bool m_showSelect1 = true;
};
