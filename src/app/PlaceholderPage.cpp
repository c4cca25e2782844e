#include "app/PlaceholderPage.h"

#include "app/PageFrame.h"
#include "core/ColorUtilities.h"

#include <QPalette>

PlaceholderPage::PlaceholderPage(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(PageFrame::pageSize);
    QPalette background = palette();
    background.setColor(QPalette::Window, Color(0x1E1E1E));
    setPalette(background);
    setAutoFillBackground(true);
}
