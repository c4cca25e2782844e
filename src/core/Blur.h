#pragma once

// A translucent backdrop whose tint follows an appearance name.

#include <QString>
#include <QWidget>

inline QString appearanceNameAqua()
{
    return QStringLiteral("NSAppearanceNameAqua");
}
inline QString appearanceNameDarkAqua()
{
    return QStringLiteral("NSAppearanceNameDarkAqua");
}

class Blur : public QWidget {
    Q_OBJECT
public:
    explicit Blur(const QString& styleName = appearanceNameAqua(), QWidget* parent = nullptr);

    const QString& styleName() const { return m_styleName; }
    void setStyleName(const QString& styleName);
    // Light for the light appearances, dark for any name that says "Dark".
    QColor tint() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_styleName;
};
