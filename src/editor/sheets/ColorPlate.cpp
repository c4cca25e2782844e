#include "editor/sheets/ColorPlate.h"

#include "editor/sheets/ColorSwatch.h"
#include "editor/sheets/SheetStyle.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
constexpr int fullRowLength = 10;
constexpr int labelGap = 8;
} // namespace

ColorPlate::ColorPlate(const Rows& rows, const SwatchFactory& makeSwatch, QWidget* parent)
    : QWidget(parent)
    , m_rows(rows)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addStretch(1);
    column->addWidget(SheetStyle::makeTitleRow(QStringLiteral("Color Plate"), nullptr, this));
    column->addSpacing(labelGap);

    for (std::size_t index = 0; index < m_rows.size(); ++index) {
        if (index > 0)
            column->addSpacing(swatchSpacing);
        auto* row = new QHBoxLayout;
        row->setSpacing(swatchSpacing);
        const bool full = m_rows[index].size() >= std::size_t(fullRowLength);
        if (full)
            row->addStretch(1);
        else
            row->addSpacing(lastRowInset);
        for (int color : m_rows[index]) {
            ColorSwatch* swatch = makeSwatch(color, this);
            m_swatches.push_back(swatch);
            row->addWidget(swatch);
        }
        row->addStretch(1);
        column->addLayout(row);
    }
    column->addStretch(1);
}
