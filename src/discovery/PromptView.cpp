#include "discovery/PromptView.h"

#include "discovery/DetailSectionTitle.h"
#include "discovery/StyledLabel.h"
#include "model/DetailsListModel.h"

#include <QLabel>
#include <QVBoxLayout>

PromptView::PromptView(QWidget* parent)
    : QWidget(parent)
    , m_title(styledLabel(QString(), 20, 0xF8F9FA, this))
    , m_desc(styledLabel(QString(), 14, 0xCED4DA, this))
    , m_prompt(styledLabel(QString(), 14, 0xCED4DA, this))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 10, 0, 0);
    column->setSpacing(6);
    for (QLabel* text : { m_title, m_desc, m_prompt }) {
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    column->addWidget(m_title);
    column->addWidget(m_desc);
    column->addSpacing(24);
    column->addWidget(detailSectionTitle(QStringLiteral("Prompt words"), this));
    column->addWidget(m_prompt);
}

void PromptView::setItem(const DetailsListModelDatas& item)
{
    m_title->setText(item.item.title);
    m_desc->setText(item.item.desc);
    m_prompt->setText(item.item.prompt);
}
