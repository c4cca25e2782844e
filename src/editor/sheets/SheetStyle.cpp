#include "editor/sheets/SheetStyle.h"

#include "core/Localization.h"

#include <QHBoxLayout>
#include <QLabel>

namespace SheetStyle {

QLabel* makeLabel(const QString& text, int pixelSize, QRgb color, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(color));
    label->setPalette(palette);
    return label;
}

QWidget* makeTitleRow(const QString& titleKey, QLabel** value, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(rowPadding, 0, rowPadding, 0);
    layout->setSpacing(0);
    layout->addWidget(makeLabel(localized(titleKey), rowPixelSize, rowTitleColor, row));
    layout->addStretch(1);
    if (value) {
        *value = makeLabel(QString(), rowPixelSize, valueColor, row);
        layout->addWidget(*value);
    }
    return row;
}

void fillBackground(QWidget* widget, QRgb color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace SheetStyle
