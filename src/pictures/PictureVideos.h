#pragma once

#include <QString>

class QMediaPlayer;
class QObject;

// A player for one of the page's shipped clips ("mac_logo_input",
// "shengchen"), owned by `owner`, not yet playing. A missing clip gives a
// player that shows nothing.
QMediaPlayer* makeVideoPlayer(const QString& name, QObject* owner);
