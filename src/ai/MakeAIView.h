#pragma once

#include <QWidget>

class CreatorButtonView;
class Step1View;
class Step2View;
class Step3View;

// The three-step wizard on one page: industries on the left, styles above
// symbols on the right, Create in the bottom-right corner.
class MakeAIView : public QWidget {
    Q_OBJECT
public:
    explicit MakeAIView(QWidget* parent = nullptr);

    Step1View* step1() const { return m_step1; }
    Step2View* step2() const { return m_step2; }
    Step3View* step3() const { return m_step3; }
    CreatorButtonView* createButton() const { return m_create; }

private:
    Step1View* m_step1;
    Step2View* m_step2;
    Step3View* m_step3;
    CreatorButtonView* m_create;
};
