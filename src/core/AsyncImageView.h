#pragma once

// A remote picture in a fixed frame with rounded corners. While it loads the
// frame shows the "un_load" placeholder on a light gradient; when loading
// fails it shows the bare "un_load" image.

#include <QWidget>

class ImageLoader;

class AsyncImageView : public QWidget {
    Q_OBJECT
public:
    AsyncImageView(
        const QString& urlString, double width, double height, double cornerRadius, QWidget* parent = nullptr);

    ImageLoader* imageLoader() const { return m_imageLoader; }
    const QString& urlString() const { return m_urlString; }
    double cornerRadius() const { return m_cornerRadius; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ImageLoader* m_imageLoader;
    QString m_urlString;
    double m_cornerRadius;
};
