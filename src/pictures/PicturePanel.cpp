#include "pictures/PicturePanel.h"

#include "core/Localization.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
const QString folderKey = QStringLiteral("aiPicsPictureFolder");
}

const QStringList& PicturePanel::pictureSuffixes()
{
    static const QStringList suffixes { QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
        QStringLiteral("gif"), QStringLiteral("bmp"), QStringLiteral("webp") };
    return suffixes;
}

QString PicturePanel::nameFilter()
{
    QStringList patterns;
    for (const QString& suffix : pictureSuffixes())
        patterns << QStringLiteral("*.") + suffix;
    for (const QString& suffix : pictureSuffixes())
        patterns << QStringLiteral("*.") + suffix.toUpper();
    return localized(QStringLiteral("Pictures")) + QStringLiteral(" (") + patterns.join(QLatin1Char(' '))
        + QLatin1Char(')');
}

QString PicturePanel::startFolder()
{
    const QString remembered = QSettings().value(folderKey).toString();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir())
        return pictures;
    return QDir::homePath();
}

void PicturePanel::rememberFolder(const QString& picturePath)
{
    QSettings().setValue(folderKey, QFileInfo(picturePath).absolutePath());
}

PicturePanel::PicturePanel(QWidget* owner)
    : QObject(owner)
    , m_owner(owner)
{
}

void PicturePanel::open()
{
    if (m_dialog) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }
    m_dialog = new QFileDialog(m_owner->window(), QString(), startFolder(), nameFilter());
    m_dialog->setWindowModality(Qt::NonModal);
    m_dialog->setAcceptMode(QFileDialog::AcceptOpen);
    m_dialog->setFileMode(QFileDialog::ExistingFile);
    m_dialog->setLabelText(QFileDialog::Accept, localized(QStringLiteral("Select Picture")));
    connect(m_dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        if (path.isEmpty())
            return;
        rememberFolder(path);
        Q_EMIT pictureChosen(path);
    });
    connect(m_dialog, &QDialog::finished, this, [this] {
        // Closed either way: a new "Choose Picture" opens a new dialog.
        m_dialog->deleteLater();
        m_dialog = nullptr;
    });
    m_dialog->show();
}
