#include "ai/MailSectionHeader.h"

#include <QHBoxLayout>
#include <QLabel>

MailSectionHeader::MailSectionHeader(const QString& title, QWidget* parent)
    : QWidget(parent)
    , m_title(title)
{
    setAutoFillBackground(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, QColor(237, 237, 237));
    setPalette(colors);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(20, 0, 20, 0);
    auto* text = new QLabel(title, this);
    QFont font = text->font();
    font.setPixelSize(14);
    font.setWeight(QFont::Medium);
    text->setFont(font);
    text->setFixedHeight(40);
    layout->addWidget(text);
    layout->addStretch();
}
