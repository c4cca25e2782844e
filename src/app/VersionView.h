#pragma once

#include <QWidget>

class QLabel;

// The settings page's footer: the application version and a short notice.
class VersionView : public QWidget {
    Q_OBJECT
public:
    explicit VersionView(const QString& version, QWidget* parent = nullptr);

    QString text() const;
    // The footer line for a version.
    static QString footerText(const QString& version);

private:
    QLabel* m_label;
};
