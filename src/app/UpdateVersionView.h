#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The update prompt, shown over the main window: a title, the server's
// description of the new version, "Cancel" and "Upgrade".
class UpdateVersionView : public QDialog {
    Q_OBJECT
public:
    explicit UpdateVersionView(QWidget* parent = nullptr);

    // Fills the prompt; `openUpdateUrl` is what "Upgrade" opens.
    void setUpdate(const QString& updateContent, const QString& openUpdateUrl);

    QString updateContent() const { return m_updateContent; }
    QString openUpdateUrl() const { return m_openUpdateUrl; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    QPushButton* upgradeButton() const { return m_upgradeButton; }

private:
    void upgrade();

    QLabel* m_content;
    QPushButton* m_cancelButton;
    QPushButton* m_upgradeButton;
    QString m_updateContent;
    QString m_openUpdateUrl;
};
