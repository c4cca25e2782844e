#pragma once

#include <QWidget>

class EditorButton;

// The editor's top row: leave, undo and redo on the left, export and save on
// the right.
class EditorToolbar : public QWidget {
    Q_OBJECT
public:
    static constexpr int height = 56;

    explicit EditorToolbar(QWidget* parent);

    EditorButton* leaveButton() const { return m_leave; }
    EditorButton* undoButton() const { return m_undo; }
    EditorButton* redoButton() const { return m_redo; }
    EditorButton* exportButton() const { return m_export; }
    EditorButton* saveButton() const { return m_save; }

Q_SIGNALS:
    void leaveClicked();
    void undoClicked();
    void redoClicked();
    void exportClicked();
    void saveClicked();

private:
    EditorButton* m_leave;
    EditorButton* m_undo;
    EditorButton* m_redo;
    EditorButton* m_export;
    EditorButton* m_save;
};
