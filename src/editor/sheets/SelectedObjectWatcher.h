#pragma once

#include "editor/EditorSelection.h"

#include <QObject>
#include <QString>

class EditLogoViewModel;
class SidePanelValues;

// Tells an open sheet that the user has selected another object: the
// editor's selection changed, or the selected object's id in the editor's
// models did. Writes that keep the id (a sheet's own) are not a new object.
class SelectedObjectWatcher : public QObject {
    Q_OBJECT
public:
    SelectedObjectWatcher(EditLogoViewModel& model, QObject* parent);

Q_SIGNALS:
    void selectedObjectChanged();

private:
    void check();
    QString currentKey() const;

    EditLogoViewModel& m_model;
    SidePanelValues& m_values;
    QString m_key;
};
