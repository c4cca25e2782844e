#include "fonts/ExportViewSheetItem.h"

#include "core/SharedIcon.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>

ExportViewSheetItem::ExportViewSheetItem(const QString& title, QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(398, 28 + 16);
    auto* mark = new QLabel(this);
    mark->setPixmap(sharedIcon(QStringLiteral(":/images/checked.svg")).pixmap(16, 16));
    mark->setFixedSize(16, 16);
    auto* text = new QLabel(title, this);
    QFont font = text->font();
    font.setPixelSize(17);
    text->setFont(font);
    text->setStyleSheet(QStringLiteral("color: #F1F3F5; background: transparent;"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(30, 16, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(mark);
    layout->addWidget(text, 1);
}
