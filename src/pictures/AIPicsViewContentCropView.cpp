#include "pictures/AIPicsViewContentCropView.h"

#include "ai/CustomVideoPlayer.h"
#include "core/ColorUtilities.h"
#include "core/Localization.h"
#include "pictures/AIPicsViewModel.h"
#include "pictures/PictureControls.h"
#include "pictures/PictureVideos.h"
#include "pictures/SwiftyCropView.h"

#include <QLabel>
#include <QMediaPlayer>
#include <QVBoxLayout>

namespace {
// The crop component sits under a 24-point spacer in a stack centred on the
// 498-point page, so it starts 16 points down and reaches 16 below.
constexpr int cropTop = 16;
} // namespace

AIPicsViewContentCropView::AIPicsViewContentCropView(AIPicsViewModel* viewModel, QWidget* parent)
    : QWidget(parent)
    , m_viewModel(viewModel)
    , m_generating(new QWidget(this))
    , m_player(makeVideoPlayer(QStringLiteral("shengchen"), this))
{
    setFixedSize(pageSize);
    setAutoFillBackground(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Color(0x1E1E1E));
    setPalette(colors);

    m_pictureKey = viewModel->selectedImage().cacheKey();
    m_generating->setGeometry(0, 0, width(), 498);
    m_video = new CustomVideoPlayer(m_player, m_generating);
    m_video->setFixedSize(videoSize);
    m_video->setBackgroundColor(Color(0x1E1E1E));
    // Only the light particles show over the page's colour, as on the wizard's generating screen.
    m_video->setBlendMode(QPainter::CompositionMode_Lighten);
    auto* text = makePictureLabel(localized(QStringLiteral("Generating")), 16, 0xCED4DA, m_generating);
    auto* column = new QVBoxLayout(m_generating);
    column->setContentsMargins(0, 40, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_video, 0, Qt::AlignHCenter);
    column->addSpacing(70);
    column->addWidget(text, 0, Qt::AlignHCenter);
    column->addStretch();

    followState();
}

void AIPicsViewContentCropView::followState()
{
    const bool uploading = m_viewModel->isShowUploadView();
    m_generating->setVisible(uploading);
    if (uploading) {
        m_video->play();
        // The crop component goes; a failure starts a new one.
        delete m_crop;
        return;
    }
    m_video->pause();
    if (!m_crop)
        showCrop();
}

void AIPicsViewContentCropView::showCrop()
{
    m_crop = new SwiftyCropView(
        m_viewModel->selectedImage(), MaskShape::square,
        [viewModel = m_viewModel](const std::optional<QImage>& result) { viewModel->handleCropResult(result); }, this);
    m_crop->move(0, cropTop);
    m_crop->show();
}
