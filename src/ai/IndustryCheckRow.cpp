#include "ai/IndustryCheckRow.h"

#include "core/SharedIcon.h"

#include <QIcon>
#include <QPainter>

namespace IndustryCheckRow {
namespace {
constexpr int checkboxSide = 18;
constexpr int checkboxTop = 11;
constexpr int nameGap = 7;
constexpr int nameTop = 12;
constexpr int nameHeight = 16;
} // namespace

QRect nameGeometry(int rowWidth, int trailingInset)
{
    const int nameLeft = leadingInset + checkboxSide + nameGap;
    return QRect(nameLeft, nameTop, rowWidth - nameLeft - trailingInset, nameHeight);
}

void paintCheckbox(QPainter& painter, bool checked)
{
    const QString image
        = checked ? QStringLiteral(":/images/checkbox_2.svg") : QStringLiteral(":/images/unchecked.svg");
    sharedIcon(image).paint(&painter, QRect(leadingInset, checkboxTop, checkboxSide, checkboxSide));
}

} // namespace IndustryCheckRow
