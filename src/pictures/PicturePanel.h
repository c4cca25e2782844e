#pragma once

#include <QFileDialog>
#include <QObject>
#include <QPointer>
#include <QStringList>
class QWidget;

// The open dialog of the picture page: one at a time and modeless, one
// existing picture file, opened in the folder of the last picture picked
// (else Pictures, else home). The desktop's own dialog is used where there is
// one; its filters may match by case, so both cases are listed.
class PicturePanel : public QObject {
    Q_OBJECT
public:
    static const QStringList& pictureSuffixes(); // png, jpg, jpeg, gif, bmp, webp
    static QString nameFilter();
    static QString startFolder();
    static void rememberFolder(const QString& picturePath);

    explicit PicturePanel(QWidget* owner);

    // Shows the dialog, or brings the open one to the front.
    void open();
    QFileDialog* dialog() const { return m_dialog; }
    bool isPanelOpen() const { return m_dialog != nullptr; }

Q_SIGNALS:
    void pictureChosen(const QString& path);

private:
    QWidget* m_owner;
    QPointer<QFileDialog> m_dialog;
};
