#pragma once

#include <QMediaPlayer>
#include <QPainter>
#include <QPointer>
#include <QUrl>
#include <QWidget>

class PlayerView;
class QVideoSink;
class SeenPage;

// Shows a media player's picture and keeps it looping. The owner creates and
// owns the player and says through the view whether it should play; the view
// plays it only while the user can see it, that is while the SeenPage of its
// window shows it (a video decodes whether seen or not); outside a window
// with a SeenPage it waits. It makes itself the player's video output (one
// view per player: a second view takes the picture from the first), sets the
// player to loop forever and restarts it should the backend still report the
// end of the media. A missing or unplayable video leaves the background and
// prints one line. Clicks are taken and ignored. The view attaches no audio
// output.
class CustomVideoPlayer : public QWidget {
    Q_OBJECT
public:
    explicit CustomVideoPlayer(QMediaPlayer* player, QWidget* parent = nullptr);
    ~CustomVideoPlayer() override;

    QMediaPlayer* player() const { return m_player; }
    PlayerView* playerView() const { return m_view; }

    // The owner's wish: the video plays while this holds and it is seen.
    void play();
    void pause();
    void stop();

    // Blend mode of the picture over the background (source-over by default;
    // the generating screen draws with CompositionMode_Lighten).
    void setBlendMode(QPainter::CompositionMode mode);
    // The colour shown behind the picture and where there is none (0x1E1E1E).
    void setBackgroundColor(const QColor& color);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Plays or pauses as the owner's wish and the window's seen page say.
    void followSeenPage();
    void watch(SeenPage* seenPage);
    void onMediaStatusChanged(QMediaPlayer::MediaStatus status);
    void reportError(const QString& message);

    QPointer<QMediaPlayer> m_player;
    QVideoSink* m_sink = nullptr;
    PlayerView* m_view = nullptr;
    QPointer<SeenPage> m_seenPage;
    bool m_wanted = false;
    bool m_errorReported = false;
};

// The address of a video clip shipped with the application, by its name
// without the ".mp4" extension.
QUrl bundledVideoUrl(const QString& name);
