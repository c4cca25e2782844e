#include "app/UpdateVersionView.h"

#include "components/HoverEffect.h"
#include "core/ColorUtilities.h"
#include "core/Localization.h"
#include "core/WebPages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int sheetWidth = 438;
constexpr int textWidth = 374;

QLabel* makeText(const QString& text, int pixelSize, QColor color, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(color.name()));
    label->setFixedWidth(textWidth);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* makeButton(const QString& text, QColor background, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setFlat(true);
    button->setStyleSheet(QStringLiteral("QPushButton { color: white; font-size: 14px; background: %1;"
                                         " border: none; border-radius: 5px; padding: 8px 16px; }")
                              .arg(background.name()));
    HoverEffect::apply(button);
    return button;
}
} // namespace

UpdateVersionView::UpdateVersionView(QWidget* parent)
    : QDialog(parent)
{
    // A sheet: no frame of its own, modal to the main window.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    QPalette background = palette();
    background.setColor(QPalette::Window, Color(0x333333));
    setPalette(background);
    setAutoFillBackground(true);

    auto* title = makeText(localized(QStringLiteral("Update Reminder")), 22, Color(0xFFFFFF), this);
    m_content = makeText(QString(), 16, Color(0xDEE2E6), this);
    m_content->setTextFormat(Qt::RichText);
    m_cancelButton = makeButton(localized(QStringLiteral("Cancel")), Color(0x404040), this);
    m_upgradeButton = makeButton(localized(QStringLiteral("Upgrade")), Color(0x007AFF), this);
    m_upgradeButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    buttons->addStretch();
    buttons->addWidget(m_cancelButton);
    buttons->addSpacing(12);
    buttons->addWidget(m_upgradeButton);

    // The side margins centre the 374-wide texts in the 438-wide sheet and
    // keep the buttons 32 from its right edge.
    constexpr int sideMargin = (sheetWidth - textWidth) / 2;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(sideMargin, 32, sideMargin, 30);
    layout->setSpacing(0);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addSpacing(16);
    layout->addWidget(m_content, 0, Qt::AlignHCenter);
    layout->addSpacing(30);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    adjustSize();

    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_upgradeButton, &QPushButton::clicked, this, &UpdateVersionView::upgrade);
}

void UpdateVersionView::setUpdate(const QString& updateContent, const QString& openUpdateUrl)
{
    // The description is shown as sent (escaped, never read as markup), with
    // 3 points more than the font's line height between its lines.
    m_updateContent = updateContent;
    const int lineHeight = m_content->fontMetrics().lineSpacing() + 3;
    m_content->setText(QStringLiteral("<div style=\"white-space: pre-wrap; line-height: %1px;\">%2</div>")
                           .arg(lineHeight)
                           .arg(updateContent.toHtmlEscaped()));
    m_openUpdateUrl = openUpdateUrl;
    adjustSize();
}

void UpdateVersionView::upgrade()
{
    // The prompt closes first; the main window it lay over tells the user
    // when no program could be started for the page.
    accept();
    openURL(m_openUpdateUrl, &toastUnlessOpened);
}
