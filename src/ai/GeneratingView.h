#pragma once

#include <QString>
#include <QWidget>
#include <chrono>

class CustomVideoPlayer;
class GeneratingProgressView;
class QMediaPlayer;
class QTimer;
class QVariantAnimation;

// The screen shown while a design is generated: the looping particle video,
// a bar that fills over the gate duration, and "Generating". On its first
// show it sends the generation request from the committed choices. The
// hand-over to My Design is posted once the gate has passed and the request
// has succeeded, whichever comes later; any other outcome emits
// generationFailed() at once and posts nothing. Timers and the request end
// with the screen.
class GeneratingView : public QWidget {
    Q_OBJECT
public:
    // How long the bar takes to fill; the hand-over never comes earlier.
    // Tests shorten it.
    static std::chrono::milliseconds gateDuration;
    static constexpr std::chrono::milliseconds fadeDuration { 1000 };
    static constexpr double barTarget = 190;
    static const QString videoName;

    explicit GeneratingView(QWidget* parent = nullptr);

    // Ends the generation without a word: no hand-over, no failure, no video.
    void cancel();

    bool isSuccess() const { return m_isSuccess; }
    // The generated image's address from the reply; kept, not shown.
    const QString& generatedImage() const { return m_generatedImage; }
    GeneratingProgressView* progressView() const { return m_progress; }
    CustomVideoPlayer* videoView() const { return m_video; }
    QMediaPlayer* player() const { return m_player; }

Q_SIGNALS:
    void generationFailed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void start();
    void sendRequest();
    void requestSucceeded(const QString& image);
    void requestFailed();
    void gateReached();
    void handOver();

    QMediaPlayer* m_player;
    CustomVideoPlayer* m_video;
    GeneratingProgressView* m_progress;
    QVariantAnimation* m_barAnimation;
    QVariantAnimation* m_fadeAnimation;
    QTimer* m_gate;
    bool m_started = false;
    bool m_isSuccess = false;
    bool m_gatePassed = false;
    bool m_finished = false;
    QString m_generatedImage;
};
