#pragma once

#include <QWidget>

class ImageLabel;
class QLabel;
class TapTarget;

// My Design's delete control at the trailing edge: "Bin" and "Delete". Its
// first tap arms delete mode; a tap while armed asks for confirmation.
class DeleteView : public QWidget {
    Q_OBJECT
public:
    explicit DeleteView(QWidget* parent = nullptr);

    bool deleteMode() const { return m_deleteMode; }
    void setDeleteMode(bool deleteMode);

    TapTarget* control() const { return m_control; }
    ImageLabel* binImage() const { return m_bin; }
    QLabel* label() const { return m_label; }

Q_SIGNALS:
    // Tapped while not armed: the page switches delete mode on.
    void deleteModeRequested();
    // Tapped while armed: the page asks whether to delete.
    void alertRequested();

private:
    bool m_deleteMode = false;
    TapTarget* m_control;
    ImageLabel* m_bin;
    QLabel* m_label;
};
