#include "editor/sheets/SelectedObjectWatcher.h"

#include "editor/EditLogoViewModel.h"
#include "editor/SidePanelValues.h"

SelectedObjectWatcher::SelectedObjectWatcher(EditLogoViewModel& model, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_values(model.panelValues())
    , m_key(currentKey())
{
    connect(&model, &EditLogoViewModel::selectionChanged, this, &SelectedObjectWatcher::check);
    connect(&m_values, &SidePanelValues::canvasTextModelChanged, this, &SelectedObjectWatcher::check);
    connect(&m_values, &SidePanelValues::canvasPathModelChanged, this, &SelectedObjectWatcher::check);
}

QString SelectedObjectWatcher::currentKey() const
{
    switch (m_model.selection()) {
    case EditorSelection::Text:
        return QStringLiteral("text:") + m_values.canvasTextModel().id;
    case EditorSelection::Graphic:
        return QStringLiteral("graphic:") + m_values.canvasPathModel().id;
    case EditorSelection::None:
        break;
    }
    return QStringLiteral("none");
}

void SelectedObjectWatcher::check()
{
    const QString key = currentKey();
    if (key == m_key)
        return;
    m_key = key;
    Q_EMIT selectedObjectChanged();
}
