#pragma once

#include <QWidget>

class CustomVideoPlayer;
class PicturePanel;
class QMediaPlayer;
class QPushButton;

// The select page, 720 × 498: the "mac_logo_input" video, "Picture to Logo"
// with its description, and "Choose Picture", which opens the picture dialog.
class AIPicsViewContentSelectView : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize pageSize { 720, 498 };
    static constexpr QSize videoSize { 640, 350 };

    explicit AIPicsViewContentSelectView(QWidget* parent = nullptr);

    void openPicturePanel();
    PicturePanel* picturePanel() const { return m_panel; }
    QPushButton* choosePictureButton() const { return m_choose; }
    CustomVideoPlayer* videoView() const { return m_video; }
    QMediaPlayer* player() const { return m_player; }

Q_SIGNALS:
    void pictureChosen(const QString& path);

private:
    QMediaPlayer* m_player;
    CustomVideoPlayer* m_video;
    QPushButton* m_choose;
    PicturePanel* m_panel;
};
