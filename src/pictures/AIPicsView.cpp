#include "pictures/AIPicsView.h"

#include "core/ColorUtilities.h"
#include "core/RxBus.h"
#include "pictures/AIPicsViewContentView.h"
#include "pictures/AIPicsViewEvent.h"
#include "pictures/AIPicsViewModel.h"
#include "pictures/AIPicsViewTitleView.h"

#include <QVBoxLayout>

namespace {
constexpr QSize pageSize { 720, 616 };
}

AIPicsView::AIPicsView(QWidget* parent)
    : QWidget(parent)
    , m_viewModel(new AIPicsViewModel(this))
    , m_title(new AIPicsViewTitleView(this))
    , m_content(new AIPicsViewContentView(m_viewModel, this))
{
    setFixedSize(pageSize);
    setAutoFillBackground(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Color(0x1E1E1E));
    setPalette(colors);

    // A 15-point spacer, the title and the content, 8 apart, centred on the
    // page: 568 points from 24 down.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 24 + 15 + 8, 0, 0);
    column->setSpacing(8);
    column->addWidget(m_title);
    column->addWidget(m_content);
    column->addStretch();
    m_title->raise();

    connect(m_title, &AIPicsViewTitleView::backRequested, m_viewModel, &AIPicsViewModel::closeCropView);
    connect(m_viewModel, &AIPicsViewModel::stateChanged, this,
        [this] { m_title->setFlags(m_viewModel->isShowCropView(), m_viewModel->isShowUploadView()); });
    subscribeEvent<AIPicsViewEvent::CloseCropView>(
        this, [this](const AIPicsViewEvent::CloseCropView&) { m_viewModel->closeCropView(); });
}
