#pragma once

#include <QWidget>
#include <functional>

class QPushButton;

// One flip button: `leftSpace` px of room, then the 32 × 32 image button.
// `itemName` (a localisation key) names the item; it is not drawn.
class FlipSheetItem : public QWidget {
    Q_OBJECT
public:
    static constexpr int imageSide = 32;

    FlipSheetItem(const QString& imageName, const QString& itemName, double leftSpace, std::function<void()> action,
        QWidget* parent);

    const QString& imageName() const { return m_imageName; }
    const QString& itemName() const { return m_itemName; }
    QPushButton* button() const { return m_button; }

private:
    QString m_imageName;
    QString m_itemName;
    QPushButton* m_button;
};
