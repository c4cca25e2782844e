#pragma once

#include <QWidget>

class AIPicsViewContentView;
class AIPicsViewModel;
class AIPicsViewTitleView;

// Page 4 of the main window, picture to logo: pick a picture, frame a square
// of it under the mask, and have the service turn it into a logo that opens
// from My Design.
class AIPicsView : public QWidget {
    Q_OBJECT
public:
    explicit AIPicsView(QWidget* parent = nullptr);

    AIPicsViewModel* viewModel() const { return m_viewModel; }
    AIPicsViewTitleView* titleView() const { return m_title; }
    AIPicsViewContentView* contentView() const { return m_content; }

private:
    AIPicsViewModel* m_viewModel;
    AIPicsViewTitleView* m_title;
    AIPicsViewContentView* m_content;
};
