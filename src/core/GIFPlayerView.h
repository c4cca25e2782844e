#pragma once

// Plays an animated picture from the compiled-in images, scaled to fit.

#include <QWidget>

class QMovie;

class GIFPlayerView : public QWidget {
    Q_OBJECT
public:
    // Shows ":/images/<gifName>.gif"; stays empty when there is no such image.
    explicit GIFPlayerView(const QString& gifName, QWidget* parent = nullptr);

    bool hasMovie() const { return m_movie != nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QMovie* m_movie = nullptr;
};
