#include "pictures/AIPicsViewContentView.h"

#include "ai/CustomVideoPlayer.h"
#include "pictures/AIPicsViewContentCropView.h"
#include "pictures/AIPicsViewContentSelectView.h"
#include "pictures/AIPicsViewModel.h"

AIPicsViewContentView::AIPicsViewContentView(AIPicsViewModel* viewModel, QWidget* parent)
    : QWidget(parent)
    , m_viewModel(viewModel)
    , m_select(new AIPicsViewContentSelectView(this))
{
    // The crop page reaches 16 points below the select page.
    setFixedSize(AIPicsViewContentCropView::pageSize);
    connect(m_select, &AIPicsViewContentSelectView::pictureChosen, m_viewModel, &AIPicsViewModel::pickPicture);
    connect(m_viewModel, &AIPicsViewModel::stateChanged, this, &AIPicsViewContentView::followState);
    followState();
}

void AIPicsViewContentView::followState()
{
    // The crop page covers the select page: its video waits unseen.
    if (m_viewModel->isShowCropView())
        m_select->videoView()->pause();
    else
        m_select->videoView()->play();
    if (!m_viewModel->isShowCropView()) {
        // Built when the crop page opens, gone when it closes.
        delete m_cropPage;
        return;
    }
    // A new picture starts a new crop page.
    if (m_cropPage && m_cropPage->pictureKey() != m_viewModel->selectedImage().cacheKey())
        delete m_cropPage;
    if (!m_cropPage) {
        m_cropPage = new AIPicsViewContentCropView(m_viewModel, this);
        m_cropPage->show();
    }
    m_cropPage->followState();
}
