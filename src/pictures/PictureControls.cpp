#include "pictures/PictureControls.h"

#include "components/HoverEffect.h"

#include <QLabel>
#include <QPushButton>

namespace {
QString hexColor(int colorHex)
{
    return QStringLiteral("#%1").arg(colorHex & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}
} // namespace

QPushButton* makePictureButton(const QString& text, const QSize& size, int colorHex, int pixelSize, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setFixedSize(size);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: white; font-size: %2px; border: none;"
                                         " border-radius: 5px; }")
                              .arg(hexColor(colorHex))
                              .arg(pixelSize));
    HoverEffect::apply(button);
    return button;
}

QLabel* makePictureLabel(const QString& text, int pixelSize, int colorHex, QWidget* parent, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setStyleSheet(QStringLiteral("color: %1; font-size: %2px; font-weight: %3;")
                             .arg(hexColor(colorHex))
                             .arg(pixelSize)
                             .arg(bold ? QStringLiteral("bold") : QStringLiteral("normal")));
    return label;
}
