#pragma once

// Registers installed fonts one file per event-loop turn, so the window
// stays responsive while large collections are read; it deletes itself
// when the list is done.

#include <QObject>
#include <QStringList>

class FontRegistrationQueue : public QObject {
    Q_OBJECT
public:
    static void start(QStringList fileNames);

private:
    explicit FontRegistrationQueue(QStringList fileNames);
    void registerNext();

    QStringList m_fileNames;
};
