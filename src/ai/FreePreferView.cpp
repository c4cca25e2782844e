#include "ai/FreePreferView.h"

#include "ai/FreeChoices.h"
#include "ai/StepSupport.h"
#include "ai/StyleSingleView.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
constexpr int titleGap = 20;
constexpr int rowInset = 20;
constexpr int tileGap = 30;
} // namespace

FreePreferView::FreePreferView(FreeChoices* choices, QWidget* parent)
    : QWidget(parent)
    , m_choices(choices)
    , m_row(new QHBoxLayout)
{
    QVBoxLayout* column = titledColumn(this, QStringLiteral("What style would you prefer?"), 0, titleGap);
    m_row->setContentsMargins(rowInset, 0, rowInset, 0);
    m_row->setSpacing(tileGap);
    m_row->addStretch();
    column->addLayout(m_row);
}

void FreePreferView::refresh()
{
    qDeleteAll(m_tiles);
    m_tiles.clear();
    const auto& styles = m_choices->freeAiGetModel().data.styles;
    for (int i = 0; i < std::min<int>(tileCount, int(styles.size())); ++i) {
        auto* tile = new StyleSingleView(i, styles.at(i).name, styles.at(i).img, this);
        connect(tile, &StyleCard::tapped, this, [this, i] { chooseStyle(i); });
        m_row->insertWidget(i, tile);
        m_tiles.append(tile);
    }
    showSelection();
}

void FreePreferView::chooseStyle(int index)
{
    if (m_choices->chooseStyle(index))
        showSelection();
}

void FreePreferView::showSelection()
{
    for (StyleSingleView* tile : m_tiles)
        tile->setSelected(tile->currentIndex() == m_choices->selectIndexStyle());
}
