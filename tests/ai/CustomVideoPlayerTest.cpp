#include "ai/CustomVideoPlayer.h"

#include "ai/PlayerView.h"
#include "ai/VideoFrameImage.h"
#include "components/SeenPage.h"
#include "support/TestSupport.h"

#include <QMediaPlayer>
#include <QSignalSpy>
#include <QVideoSink>
#include <gtest/gtest.h>

namespace {

const QColor kBackground(0x1E, 0x1E, 0x1E);

QUrl oneSecondClip()
{
    return QUrl::fromLocalFile(QStringLiteral(TESSALY_SOURCE_DIR "/tests/ai/data/one-second.mp4"));
}

bool showsOnlyBackground(const QImage& image)
{
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            if (image.pixelColor(x, y) != kBackground)
                return false;
    return true;
}

} // namespace

TEST(CustomVideoPlayer, KeepsLoopingAndShowsTheClipInGrabs)
{
    QMediaPlayer player;
    CustomVideoPlayer view(&player);
    view.resize(200, 120);
    player.setSource(oneSecondClip());
    view.play();
    EXPECT_NE(player.playbackState(), QMediaPlayer::PlayingState) << "it plays in no window that is seen";
    // The view is its own window and the page in front of it.
    auto* seenPage = new SeenPage(&view);
    seenPage->setPage(&view);
    view.show();
    seenPage->setWindowShown(true);

    // Count the returns to the clip's start: the one-second clip must wrap
    // at least three times and still deliver frames after that.
    int wraps = 0;
    qint64 last = 0;
    QObject::connect(&player, &QMediaPlayer::positionChanged, &view, [&](qint64 position) {
        if (position + 300 < last)
            ++wraps;
        last = position;
    });
    ASSERT_TRUE(waitUntil([&] { return wraps >= 3; }, 30000)) << "wraps seen: " << wraps;
    QSignalSpy frames(player.videoSink(), &QVideoSink::videoFrameChanged);
    ASSERT_TRUE(waitForSignals(frames, 5, 10000));
    EXPECT_EQ(player.playbackState(), QMediaPlayer::PlayingState);
    EXPECT_TRUE(view.playerView()->hasFrame());
    EXPECT_FALSE(showsOnlyBackground(view.grab().toImage()));
}

TEST(CustomVideoPlayer, MissingFileLeavesTheBackground)
{
    QMediaPlayer player;
    CustomVideoPlayer view(&player);
    view.resize(100, 60);
    QSignalSpy errors(&player, &QMediaPlayer::errorOccurred);
    player.setSource(QUrl::fromLocalFile(QStringLiteral("/nonexistent/clip.mp4")));
    player.play();
    waitUntil([&] { return errors.count() > 0 || player.mediaStatus() == QMediaPlayer::InvalidMedia; }, 5000);
    pumpEvents(100);
    EXPECT_FALSE(view.playerView()->hasFrame());
    EXPECT_TRUE(showsOnlyBackground(view.grab().toImage()));
}

TEST(CustomVideoPlayer, DestroyedViewLeavesThePlayerWorking)
{
    QMediaPlayer player;
    auto* view = new CustomVideoPlayer(&player);
    QVideoSink* sink = player.videoSink();
    ASSERT_NE(sink, nullptr);
    delete view;
    EXPECT_EQ(player.videoSink(), nullptr);

    // The player still plays to an output of its own.
    QVideoSink ownSink;
    player.setVideoSink(&ownSink);
    QSignalSpy frames(&ownSink, &QVideoSink::videoFrameChanged);
    player.setSource(oneSecondClip());
    player.play();
    EXPECT_TRUE(waitForSignals(frames, 3, 10000));
}

TEST(PlayerView, AspectFillCoversAndCentres)
{
    struct Case {
        QSizeF image;
        QRectF area;
        QRectF expected;
    };
    const Case cases[] = {
        { { 500, 300 }, { 0, 0, 500, 300 }, { 0, 0, 500, 300 } },
        { { 100, 100 }, { 0, 0, 200, 100 }, { 0, -50, 200, 200 } },
        { { 200, 100 }, { 0, 0, 100, 100 }, { -50, 0, 200, 100 } },
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlayerView::aspectFillRect(c.image, c.area), c.expected)
            << c.image.width() << "x" << c.image.height();
}

TEST(VideoFrameImage, ConvertsPlanarYuvLikeTheReferenceColours)
{
    struct Case {
        QVideoFrameFormat::PixelFormat layout;
        int y, u, v;
        QColor expected;
    };
    const Case cases[] = {
        { QVideoFrameFormat::Format_YUV420P, 235, 128, 128, QColor(255, 255, 255) },
        { QVideoFrameFormat::Format_YUV420P, 16, 128, 128, QColor(0, 0, 0) },
        { QVideoFrameFormat::Format_YUV420P, 81, 90, 240, QColor(255, 0, 0) },
        { QVideoFrameFormat::Format_NV12, 145, 54, 34, QColor(0, 255, 0) },
        { QVideoFrameFormat::Format_NV12, 41, 240, 110, QColor(0, 0, 255) },
    };
    for (const Case& c : cases) {
        QVideoFrame frame(QVideoFrameFormat(QSize(4, 2), c.layout));
        ASSERT_TRUE(frame.map(QVideoFrame::WriteOnly));
        std::fill_n(frame.bits(0), frame.mappedBytes(0), uchar(c.y));
        if (c.layout == QVideoFrameFormat::Format_YUV420P) {
            std::fill_n(frame.bits(1), frame.mappedBytes(1), uchar(c.u));
            std::fill_n(frame.bits(2), frame.mappedBytes(2), uchar(c.v));
        } else {
            for (int i = 0; i + 1 < frame.mappedBytes(1); i += 2) {
                frame.bits(1)[i] = uchar(c.u);
                frame.bits(1)[i + 1] = uchar(c.v);
            }
        }
        frame.unmap();
        const QColor shown = videoFrameImage(frame).pixelColor(3, 1);
        EXPECT_NEAR(shown.red(), c.expected.red(), 3) << c.y;
        EXPECT_NEAR(shown.green(), c.expected.green(), 3) << c.y;
        EXPECT_NEAR(shown.blue(), c.expected.blue(), 3) << c.y;
    }
}
