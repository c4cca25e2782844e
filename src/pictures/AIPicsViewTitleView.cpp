#include "pictures/AIPicsViewTitleView.h"

#include "core/Localization.h"
#include "core/SharedIcon.h"
#include "pictures/PictureControls.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr QSize titleSize { 720, 39 };
constexpr int topPadding = 15;
} // namespace

AIPicsViewTitleView::AIPicsViewTitleView(QWidget* parent)
    : QWidget(parent)
    , m_title(makePictureLabel(QString(), 18, 0xDDDDDD, this))
    , m_back(new QPushButton(
          sharedIcon(QStringLiteral(":/images/Frame 135.svg")), localized(QStringLiteral("Back")), this))
{
    setFixedSize(titleSize);
    m_title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_title->setGeometry(0, topPadding, width(), height() - topPadding);

    m_back->setIconSize(QSize(20, 20));
    m_back->setFlat(true);
    m_back->setCursor(Qt::PointingHandCursor);
    m_back->setFocusPolicy(Qt::NoFocus);
    m_back->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; color: #DDDDDD;"
                                         " font-size: 14px; padding: 0px; text-align: left; }"));
    m_back->adjustSize();
    m_back->move(12, topPadding - 2);
    connect(m_back, &QPushButton::clicked, this, &AIPicsViewTitleView::backRequested);

    setFlags(false, false);
}

void AIPicsViewTitleView::setFlags(bool isShowCropView, bool isShowUploadView)
{
    const char* key = !isShowCropView ? "AI Pics" : (isShowUploadView ? "Done" : "Select Region");
    m_title->setText(localized(QString::fromLatin1(key)));
    m_back->setVisible(isShowCropView && !isShowUploadView);
}

QString AIPicsViewTitleView::title() const
{
    return m_title->text();
}

bool AIPicsViewTitleView::isBackShown() const
{
    return !m_back->isHidden();
}
