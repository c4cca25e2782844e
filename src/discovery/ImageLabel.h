#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// One of the application's own pictures (":/images/<name>.svg") drawn at a
// fixed size, fitted with its aspect ratio kept. Mouse events pass through
// to the parent.
class ImageLabel : public QWidget {
    Q_OBJECT
public:
    ImageLabel(const QString& imageName, QSize size, QWidget* parent = nullptr);

    const QString& imageName() const { return m_imageName; }
    void setImageName(const QString& imageName);
    // Fill the frame (cropping) instead of fitting into it.
    void setAspectFill(bool fill);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap render(qreal scale) const;

    QString m_imageName;
    bool m_aspectFill = false;
};
