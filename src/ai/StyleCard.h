#pragma once

#include <QColor>
#include <QWidget>

class AsyncImageView;
class ElidedLabel;

// A style's picture with an outline that shows the selection, optionally a
// check badge in its bottom-right corner, and the style's name below, on up
// to two lines in a frame of its own. Shared by the wizard's and the free
// creator's style choices. A click emits tapped().
class StyleCard : public QWidget {
    Q_OBJECT
public:
    struct Look {
        // The card's height; 0 fits the column of picture, gap and name.
        int height = 0;
        int pictureTop = 0;
        double cornerRadius = 5;
        bool badge = false;
        QColor selectBorderColor;
        QColor unSelectBorderColor;
        QColor selectTextColor;
        QColor unSelectTextColor;
    };

    static constexpr int pictureSide = 70;

    StyleCard(const QString& imageUrl, const QString& name, const Look& look, QWidget* parent = nullptr);

    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    ElidedLabel* nameLabel() const { return m_name; }

Q_SIGNALS:
    void tapped();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    class Overlay;

    Look m_look;
    bool m_selected = false;
    AsyncImageView* m_picture;
    Overlay* m_overlay;
    ElidedLabel* m_name;
};
