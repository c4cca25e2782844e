#pragma once

// The editor's export sheet: one option ("SVG + PNG") and the button that
// writes the design into Documents/"Tessaly". A busy overlay covers it while
// the export runs; the close button stays usable above it.

#include <QWidget>

class EditLogoViewModel;
class ExportFlow;
class QPushButton;
class Spinner;

class ExportViewForEditLogoSheet : public QWidget {
    Q_OBJECT
public:
    static constexpr int sheetWidth = 438;

    ExportViewForEditLogoSheet(EditLogoViewModel& model, QWidget* parent);

    bool isShowingProgress() const { return m_isShowingProgress; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* closeButton() const { return m_close; }
    ExportFlow& flow() const { return *m_flow; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void layOut();
    void subscribe();
    void setShowingProgress(bool shown);
    void closeSheet();

    EditLogoViewModel& m_model;
    ExportFlow* m_flow;
    QPushButton* m_close;
    QPushButton* m_save;
    QWidget* m_overlay;
    Spinner* m_spinner;
    bool m_isShowingProgress = false;
};
