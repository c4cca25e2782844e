#include "ai/AILogoViewTitleView.h"

#include "ai/AILogoViewTitleTab.h"
#include "core/Localization.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {
constexpr QSize barSize(720, 39);
constexpr int topPadding = 15;
} // namespace

AILogoViewTitleView::AILogoViewTitleView(QWidget* parent)
    : QWidget(parent)
    , m_tabs(new AILogoViewTitleTab(this))
    , m_done(new QLabel(localized(QStringLiteral("Done")), this))
{
    setFixedSize(barSize);
    QFont font = m_done->font();
    font.setPixelSize(18);
    m_done->setFont(font);
    m_done->setStyleSheet(QStringLiteral("color: #DDDDDD;"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, topPadding, 0, 0);
    row->addStretch();
    row->addWidget(m_tabs);
    row->addWidget(m_done);
    row->addStretch();
    setState(false, false);
}

void AILogoViewTitleView::setState(bool isGenerating, bool isLoadingSvgFail)
{
    m_tabs->setVisible(!isLoadingSvgFail && !isGenerating);
    m_done->setVisible(!isLoadingSvgFail && isGenerating);
}
