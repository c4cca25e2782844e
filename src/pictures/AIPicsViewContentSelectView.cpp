#include "pictures/AIPicsViewContentSelectView.h"

#include "ai/CustomVideoPlayer.h"
#include "core/Localization.h"
#include "pictures/PictureControls.h"
#include "pictures/PicturePanel.h"
#include "pictures/PictureVideos.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMediaPlayer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int textColumnWidth = 408;
} // namespace

AIPicsViewContentSelectView::AIPicsViewContentSelectView(QWidget* parent)
    : QWidget(parent)
    , m_player(makeVideoPlayer(QStringLiteral("mac_logo_input"), this))
    , m_video(new CustomVideoPlayer(m_player, this))
    , m_panel(new PicturePanel(this))
{
    setFixedSize(pageSize);
    m_video->setFixedSize(videoSize);

    auto* title = makePictureLabel(localized(QStringLiteral("Picture to Logo")), 24, 0xFFFFFF, this, true);
    title->setFixedWidth(textColumnWidth);
    auto* description = makePictureLabel(
        localized(QStringLiteral("Transform your ideas into reality with our AI. Upload an image, edit "
                                 "seamlessly, and create your dream logo effortlessly!")),
        14, 0xADB5BD, this);
    description->setFixedWidth(textColumnWidth);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* textColumn = new QVBoxLayout;
    textColumn->setSpacing(0);
    textColumn->addWidget(title);
    textColumn->addSpacing(12);
    textColumn->addWidget(description);

    m_choose = makePictureButton(localized(QStringLiteral("Choose Picture")), QSize(168, 30), 0x007AFF, 13, this);
    connect(m_choose, &QPushButton::clicked, this, &AIPicsViewContentSelectView::openPicturePanel);

    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addStretch();
    row->addLayout(textColumn);
    row->addSpacing(85);
    row->addWidget(m_choose, 0, Qt::AlignVCenter);
    row->addStretch();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 13, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_video, 0, Qt::AlignHCenter);
    column->addSpacing(37);
    column->addLayout(row);
    column->addStretch();

    connect(m_panel, &PicturePanel::pictureChosen, this, &AIPicsViewContentSelectView::pictureChosen);
}

void AIPicsViewContentSelectView::openPicturePanel()
{
    m_panel->open();
}
