#include "editor/SaveChangesDialog.h"

#include "core/Localization.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
SaveChangesDialog::Answerer& installedAnswerer()
{
    static SaveChangesDialog::Answerer answerer;
    return answerer;
}
} // namespace

SaveChangesDialog::Choice SaveChangesDialog::ask(QWidget* parent)
{
    if (installedAnswerer())
        return installedAnswerer()(parent);
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(localized(QStringLiteral("Save changes?")));
    box.setText(localized(QStringLiteral("Save changes?")));
    box.setInformativeText(localized(QStringLiteral("Do you want to save the changes to this logo?")));
    QPushButton* save = box.addButton(localized(QStringLiteral("Save")), QMessageBox::AcceptRole);
    QPushButton* dontSave = box.addButton(localized(QStringLiteral("Don't Save")), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(localized(QStringLiteral("Cancel")), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return Choice::Save;
    if (box.clickedButton() == dontSave)
        return Choice::DontSave;
    return Choice::Cancel;
}

void SaveChangesDialog::setAnswerer(Answerer answerer)
{
    installedAnswerer() = std::move(answerer);
}
