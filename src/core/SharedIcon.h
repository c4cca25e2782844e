#pragma once

#include <QIcon>
#include <QString>

// The one icon for a picture file, kept for the run. Qt keeps what an icon
// draws in the process-wide pixmap cache under that icon's own identity, so
// an icon made afresh for each widget or each paint leaves pictures there
// that nothing asks for again, until the cache is full. GUI thread only.
QIcon sharedIcon(const QString& path);
