#pragma once

#include "pictures/AIPicsViewContentCropView.h"

#include <QPointer>
#include <QWidget>
class AIPicsViewContentSelectView;
class AIPicsViewModel;

// The picture page's content, 720 × 514: the select page, and the crop page
// over it while the crop screen or the "Generating" screen is shown.
class AIPicsViewContentView : public QWidget {
    Q_OBJECT
public:
    explicit AIPicsViewContentView(AIPicsViewModel* viewModel, QWidget* parent = nullptr);

    AIPicsViewContentSelectView* selectView() const { return m_select; }
    AIPicsViewContentCropView* cropPage() const { return m_cropPage; }

private:
    void followState();

    AIPicsViewModel* m_viewModel;
    AIPicsViewContentSelectView* m_select;
    QPointer<AIPicsViewContentCropView> m_cropPage;
};
