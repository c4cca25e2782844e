#pragma once

#include <QObject>
#include <QString>
#include <chrono>

class QTimer;

// The editor's toast: one text at a time, up for a while, then hidden.
// A new text restarts the time.
class EditorToast : public QObject {
    Q_OBJECT
public:
    explicit EditorToast(QObject* parent = nullptr);

    const QString& text() const { return m_text; }
    bool isShown() const { return m_shown; }
    // How long a toast stays up.
    std::chrono::milliseconds timeout() const;
    void setTimeout(std::chrono::milliseconds timeout);

    void show(const QString& text);

Q_SIGNALS:
    void changed(const QString& text, bool shown);

private:
    QTimer* m_timer;
    QString m_text;
    bool m_shown = false;
};
