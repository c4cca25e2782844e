#include "app/PageFrame.h"

#include "core/ColorUtilities.h"

#include <QGridLayout>
#include <QPalette>

PageFrame::PageFrame(QWidget* page, QWidget* parent)
    : QWidget(parent)
    , m_page(page)
{
    setFixedSize(pageSize);
    QPalette background = palette();
    background.setColor(QPalette::Window, Color(0x1E1E1E));
    setPalette(background);
    setAutoFillBackground(true);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page, 0, 0, Qt::AlignCenter);
}
