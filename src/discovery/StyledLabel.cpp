#include "discovery/StyledLabel.h"

#include "core/ColorUtilities.h"

QLabel* styledLabel(const QString& text, int pixelSize, int colorHex, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    label->setFont(font);
    QPalette colors = label->palette();
    colors.setColor(QPalette::WindowText, Color(colorHex));
    label->setPalette(colors);
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}
