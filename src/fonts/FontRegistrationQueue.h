#pragma once

// Registers installed fonts one file per event-loop turn, so the window
// stays responsive while large collections are read; it deletes itself
// when the list is done. A canvas view made before then finishes it at once
// (installFontServices arranges it): no font is registered once a page
// exists, and the page looks a family up once and keeps its fallback.

#include <QObject>
#include <QStringList>

class FontRegistrationQueue : public QObject {
    Q_OBJECT
public:
    static void start(QStringList fileNames);
    // Registers, now, whatever a running queue has left.
    static void finishNow();

private:
    explicit FontRegistrationQueue(QStringList fileNames);
    void registerNext();

    QStringList m_fileNames;
};
