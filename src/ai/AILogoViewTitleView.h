#pragma once

#include <QWidget>

class AILogoViewTitleTab;
class QLabel;

// The AI page's title bar: the tabs, "Done" while generating, nothing while
// the failure view is shown.
class AILogoViewTitleView : public QWidget {
    Q_OBJECT
public:
    explicit AILogoViewTitleView(QWidget* parent = nullptr);

    void setState(bool isGenerating, bool isLoadingSvgFail);
    AILogoViewTitleTab* tabs() const { return m_tabs; }
    QLabel* doneLabel() const { return m_done; }

private:
    AILogoViewTitleTab* m_tabs;
    QLabel* m_done;
};
