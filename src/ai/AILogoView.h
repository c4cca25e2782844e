#pragma once

#include "ai/AIEvents.h"
#include "ai/GeneratingView.h"

#include <QPointer>
#include <QSet>
#include <QWidget>

class AiFailurePanel;
class AILogoViewTitleView;
class FreeAIView;
class LoadSvgFailView;
class MakeAIView;

// Page 1 of the main window: the wizard and the free creator under two tabs,
// the generating screen in their place while a design is generated, and the
// network-failure view over them while one of the wizard's lists failed its
// last load. On each appearance it loads the wizard's industries and styles
// and the free creator's choices; the free creator shows its own failures.
class AILogoView : public QWidget {
    Q_OBJECT
public:
    explicit AILogoView(QWidget* parent = nullptr);

    int selectIndex() const;
    void setSelectIndex(int index);
    bool isGenerating() const { return m_generatingView != nullptr; }
    bool isLoadingSvgFail() const { return !m_failedLists.isEmpty(); }

    AILogoViewTitleView* titleView() const { return m_title; }
    MakeAIView* wizard() const { return m_wizard; }
    FreeAIView* freeCreator() const { return m_free; }
    GeneratingView* generatingView() const { return m_generatingView; }
    LoadSvgFailView* failView() const;

private:
    void appear();
    void startGenerating();
    void stopGenerating();
    void generationFailed();
    void listLoaded(const AILogoViewEvent::AILogoViewNetWorkEvent& event);
    void updateVisibility();

    AILogoViewTitleView* m_title;
    QWidget* m_content;
    MakeAIView* m_wizard;
    FreeAIView* m_free;
    QPointer<GeneratingView> m_generatingView;
    AiFailurePanel* m_failPanel;
    QSet<AILogoViewEvent::AILogoList> m_failedLists;
};
