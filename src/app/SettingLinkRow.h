#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class QLabel;

// One link row of the settings page: an icon and a title, a chevron at the
// end. It lights up while the pointer is over it and its window is active
// (lighter background, rounded corners, another icon) and runs its action on
// a click.
class SettingLinkRow : public QWidget {
    Q_OBJECT
public:
    static constexpr int rowWidth = 680;
    static constexpr int rowHeight = 54;

    SettingLinkRow(const QString& title, const QString& image, const QString& hoverImage, std::function<void()> action,
        QWidget* parent = nullptr);

    QString title() const { return m_title; }
    bool selectHover() const { return m_selectHover; }
    QString currentImageName() const { return m_selectHover ? m_hoverImage : m_image; }
    QColor currentBackground() const;
    int currentCornerRadius() const { return m_selectHover ? 3 : 0; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void updateSelectHover();
    void showImage();

    QString m_title;
    QString m_image;
    QString m_hoverImage;
    std::function<void()> m_action;
    QLabel* m_icon;
    bool m_pointerInside = false;
    bool m_selectHover = false;
};
