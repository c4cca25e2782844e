#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class RemoteImage;
class TapTarget;

// A self-contained card for one design: its picture (168 × 168, radius 10)
// with an optional "more" button in the top right corner, and a title and a
// content line below. The creator says what a click on the picture and on
// the button does.
class DiscoverItemView : public QWidget {
    Q_OBJECT
public:
    DiscoverItemView(QString imageUrl, QString title, QString content, bool showMoreButton,
        std::function<void()> imageAction, std::function<void()> moreButtonAction, QWidget* parent = nullptr);

    TapTarget* imageArea() const { return m_imageArea; }
    TapTarget* moreButton() const { return m_moreButton; }
    QLabel* titleLabel() const { return m_title; }
    QLabel* contentLabel() const { return m_content; }

private:
    TapTarget* m_imageArea;
    TapTarget* m_moreButton;
    QLabel* m_title;
    QLabel* m_content;
};
