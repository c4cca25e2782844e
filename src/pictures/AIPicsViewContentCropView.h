#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

class AIPicsViewModel;
class CustomVideoPlayer;
class QMediaPlayer;
#include "pictures/SwiftyCropView.h"

// The crop page over the select page, 720 × 498: the crop component for the
// page's picture, or the "Generating" screen with the "shengchen" video
// while the picture is being turned into a logo. Each return from the
// "Generating" screen starts a new crop component.
class AIPicsViewContentCropView : public QWidget {
    Q_OBJECT
public:
    // 498 high, and the crop component's foot below it.
    static constexpr QSize pageSize { 720, 498 + 16 };
    static constexpr QSize videoSize { 500, 300 };

    explicit AIPicsViewContentCropView(AIPicsViewModel* viewModel, QWidget* parent = nullptr);

    SwiftyCropView* cropView() const { return m_crop; }
    QWidget* generatingScreen() const { return m_generating; }
    CustomVideoPlayer* videoView() const { return m_video; }
    QMediaPlayer* player() const { return m_player; }
    // The picture this page crops.
    qint64 pictureKey() const { return m_pictureKey; }

    // Shows the screen the page's state asks for.
    void followState();

private:
    void showCrop();

    AIPicsViewModel* m_viewModel;
    QPointer<SwiftyCropView> m_crop;
    QWidget* m_generating;
    QMediaPlayer* m_player;
    CustomVideoPlayer* m_video;
    qint64 m_pictureKey = 0;
};
