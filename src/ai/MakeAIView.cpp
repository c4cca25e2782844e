#include "ai/MakeAIView.h"

#include "ai/CreatorButtonView.h"
#include "ai/Step1View.h"
#include "ai/Step2View.h"
#include "ai/Step3View.h"

#include <QVBoxLayout>

namespace {
constexpr QSize pageSize(720, 500);
constexpr int top = 18;
constexpr QRect industryColumn(20, top, 250, 500 - top - 10);
constexpr QRect rightColumn(290, top, 410, 500 - top - 50);
constexpr int stepGap = 50;
constexpr QPoint createPosition(720 - 120 - 25, 500 - 30 - 12);
} // namespace

MakeAIView::MakeAIView(QWidget* parent)
    : QWidget(parent)
    , m_step1(new Step1View(this))
    , m_step2(new Step2View)
    , m_step3(new Step3View)
    , m_create(new CreatorButtonView(this))
{
    setFixedSize(pageSize);
    m_step1->setGeometry(industryColumn);

    auto* right = new QWidget(this);
    right->setGeometry(rightColumn);
    auto* column = new QVBoxLayout(right);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_step2);
    column->addSpacing(stepGap);
    column->addWidget(m_step3, 1);

    m_create->move(createPosition);
    m_create->raise();
    // Create sends the ticked industry with a symbol of its own, never another's.
    m_create->setEnabled(m_step3->hasOwnSymbol());
    connect(m_step3, &Step3View::hasOwnSymbolChanged, m_create, &QWidget::setEnabled);
}
