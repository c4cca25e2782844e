#include "ai/CustomVideoPlayer.h"

#include "ai/PlayerView.h"
#include "components/SeenPage.h"
#include "core/HeapRelease.h"
#include "core/Log.h"
#include "core/Paths.h"

#include <QDir>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QVideoSink>

CustomVideoPlayer::CustomVideoPlayer(QMediaPlayer* player, QWidget* parent)
    : QWidget(parent)
    , m_player(player)
    , m_sink(new QVideoSink(this))
    , m_view(new PlayerView(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    connect(m_sink, &QVideoSink::videoFrameChanged, m_view, &PlayerView::setFrame);
    if (!m_player)
        return;
    m_player->setVideoOutput(m_sink);
    m_player->setLoops(QMediaPlayer::Infinite);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, &CustomVideoPlayer::onMediaStatusChanged);
    connect(m_player, &QMediaPlayer::errorOccurred, this,
        [this](QMediaPlayer::Error, const QString& message) { reportError(message); });
    if (m_player->error() != QMediaPlayer::NoError)
        reportError(m_player->errorString());
    else if (m_player->mediaStatus() == QMediaPlayer::InvalidMedia)
        reportError(QStringLiteral("invalid media"));
}

CustomVideoPlayer::~CustomVideoPlayer()
{
    // Leave the player without a dangling output; it goes on playing.
    if (m_player && m_player->videoSink() == m_sink)
        m_player->setVideoOutput(nullptr);
    // The player usually goes with its view, and its frames and decoder
    // buffers are many megabytes of freed heap.
    HeapRelease::releaseFreedMemorySoon();
}

void CustomVideoPlayer::play()
{
    m_wanted = true;
    followSeenPage();
}

void CustomVideoPlayer::pause()
{
    m_wanted = false;
    followSeenPage();
}

void CustomVideoPlayer::stop()
{
    m_wanted = false;
    if (m_player)
        m_player->stop();
}

void CustomVideoPlayer::followSeenPage()
{
    if (!m_player)
        return;
    watch(SeenPage::of(this));
    if (m_wanted && m_seenPage && m_seenPage->shows(this))
        m_player->play();
    // A player that is not playing stays as it is: a stopped one stopped.
    else if (m_player->playbackState() == QMediaPlayer::PlayingState)
        m_player->pause();
}

void CustomVideoPlayer::watch(SeenPage* seenPage)
{
    if (seenPage == m_seenPage)
        return;
    if (m_seenPage)
        disconnect(m_seenPage, nullptr, this, nullptr);
    m_seenPage = seenPage;
    if (m_seenPage)
        connect(m_seenPage, &SeenPage::changed, this, &CustomVideoPlayer::followSeenPage);
}

void CustomVideoPlayer::setBlendMode(QPainter::CompositionMode mode)
{
    m_view->setBlendMode(mode);
}

void CustomVideoPlayer::setBackgroundColor(const QColor& color)
{
    m_view->setBackgroundColor(color);
}

bool CustomVideoPlayer::event(QEvent* event)
{
    // Moving into a window or out of one reparents or shows the view, or an
    // ancestor of it, which shows or hides the view: where it lies may have
    // changed, and with it the seen page it follows.
    const QEvent::Type type = event->type();
    if (type == QEvent::ParentChange || type == QEvent::Show || type == QEvent::Hide)
        followSeenPage();
    return QWidget::event(event);
}

void CustomVideoPlayer::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void CustomVideoPlayer::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void CustomVideoPlayer::onMediaStatusChanged(QMediaPlayer::MediaStatus status)
{
    if (status == QMediaPlayer::InvalidMedia) {
        reportError(QStringLiteral("invalid media"));
        return;
    }
    if (status != QMediaPlayer::EndOfMedia)
        return;
    // Restart on the next turn of the event loop: the backend is still
    // inside its own status change here.
    QTimer::singleShot(0, this, [this] {
        if (!m_player)
            return;
        m_player->setPosition(0);
        followSeenPage();
    });
}

void CustomVideoPlayer::reportError(const QString& message)
{
    if (m_errorReported)
        return;
    m_errorReported = true;
    const QString source = m_player ? m_player->source().toString() : QString();
    printLine(QStringLiteral("CustomVideoPlayer: cannot play %1: %2").arg(source, message));
}

QUrl bundledVideoUrl(const QString& name)
{
    return QUrl::fromLocalFile(QDir(shareDirectory()).filePath(QStringLiteral("videos/%1.mp4").arg(name)));
}
