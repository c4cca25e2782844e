#include "editor/sheets/SliderRow.h"

#include "editor/sheets/SheetStyle.h"

#include <QLabel>
#include <QVBoxLayout>

namespace SliderRow {

QLabel* build(QWidget* bar, const QString& titleKey, QWidget* slider)
{
    auto* column = new QVBoxLayout(bar);
    column->setContentsMargins(0, topSpace, 0, 0);
    column->setSpacing(0);
    QLabel* value = nullptr;
    column->addWidget(SheetStyle::makeTitleRow(titleKey, &value, bar));
    column->addWidget(slider, 0, Qt::AlignHCenter);
    bar->setFixedWidth(SheetStyle::panelWidth);
    return value;
}

} // namespace SliderRow
