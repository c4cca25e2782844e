#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The picture page's title bar, 720 × 39: "AI Pics" on the select page,
// "Select Region" with a "Back" row on the crop screen, "Done" while the
// picture is being turned into a logo.
class AIPicsViewTitleView : public QWidget {
    Q_OBJECT
public:
    explicit AIPicsViewTitleView(QWidget* parent = nullptr);

    void setFlags(bool isShowCropView, bool isShowUploadView);
    QString title() const;
    bool isBackShown() const;
    QPushButton* backButton() const { return m_back; }

Q_SIGNALS:
    void backRequested();

private:
    QLabel* m_title;
    QPushButton* m_back;
};
