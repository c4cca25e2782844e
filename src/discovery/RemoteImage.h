#pragma once

#include <QString>
#include <QWidget>

class AsyncImageView;

// A fixed-size frame that shows the picture at a URL that can change: each
// new URL gets a fresh image view (served from the shared cache when the
// picture was loaded before).
class RemoteImage : public QWidget {
    Q_OBJECT
public:
    RemoteImage(int side, int cornerRadius, QWidget* parent = nullptr);

    const QString& urlString() const { return m_urlString; }
    void setUrlString(const QString& urlString);
    AsyncImageView* imageView() const { return m_view; }

private:
    int m_cornerRadius;
    QString m_urlString;
    AsyncImageView* m_view = nullptr;
};
