#include "app/QuitDecision.h"

#include "core/Localization.h"
#include "globals/AppGlobals.h"

#include <QMessageBox>
#include <QPushButton>

QuitDecision::QuitDecision()
    : m_askToSave(&QuitDecision::askWithAlert)
{
}

QuitDecision::QuitDecision(Question askToSave)
    : m_askToSave(std::move(askToSave))
{
}

QuitDecision::Reply QuitDecision::decide()
{
    if (canQuitWithoutSaving)
        return Reply::Now;
    const Answer answer = m_askToSave();
    if (answer == Answer::Cancel)
        return Reply::Stay;
    if (answer == Answer::DontSave)
        return Reply::Now;
    // A save that was running behind the alert may have finished meanwhile
    // and closed the editor: nothing is left to save, and nobody would quit.
    if (canQuitWithoutSaving)
        return Reply::Now;
    return Reply::SaveFirst;
}

QuitDecision::Answer QuitDecision::askWithAlert()
{
    QMessageBox alert;
    alert.setIcon(QMessageBox::Warning);
    alert.setText(localized(QStringLiteral("Confirm exit")));
    alert.setInformativeText(localized(QStringLiteral("Do you want to save when exiting the program?")));
    QPushButton* save = alert.addButton(localized(QStringLiteral("Save")), QMessageBox::AcceptRole);
    QPushButton* dontSave = alert.addButton(localized(QStringLiteral("Don't Save")), QMessageBox::DestructiveRole);
    QPushButton* cancel = alert.addButton(localized(QStringLiteral("Cancel")), QMessageBox::RejectRole);
    alert.setDefaultButton(save);
    alert.setEscapeButton(cancel);
    alert.exec();
    if (alert.clickedButton() == save)
        return Answer::Save;
    if (alert.clickedButton() == dontSave)
        return Answer::DontSave;
    return Answer::Cancel;
}
