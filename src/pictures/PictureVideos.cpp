#include "pictures/PictureVideos.h"

#include "ai/CustomVideoPlayer.h"

#include <QMediaPlayer>

QMediaPlayer* makeVideoPlayer(const QString& name, QObject* owner)
{
    auto* player = new QMediaPlayer(owner);
    player->setSource(bundledVideoUrl(name));
    return player;
}
