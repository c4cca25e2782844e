#include "app/SettingView.h"

#include "app/SettingLinkRow.h"
#include "app/SettingViewTitleView.h"
#include "app/VersionView.h"
#include "core/ColorUtilities.h"
#include "core/Localization.h"
#include "core/Log.h"
#include "core/WebPages.h"
#include "globals/AppGlobals.h"

#include <QVBoxLayout>

namespace {
struct LinkRowSpec {
    const char* titleKey;
    const char* image;
    const char* hoverImage;
    // Opens the row's page; the answer hears whether a program took it.
    void (*open)(PageAnswer answer);
};

const LinkRowSpec linkRows[] = {
    { "I want to comment", "comment1", "Glyph-background 2",
        [](PageAnswer answer) {
            printLine(QStringLiteral("点击评论"));
            openReviewPage(std::move(answer));
        } },
    { "Privacy Policy", "Glyph-background 3", "privacy2",
        [](PageAnswer answer) {
            printLine(QStringLiteral("隐私协议"));
            openPrivacyPage(std::move(answer));
        } },
    { "User License Agreement", "Glyph-background 4", "userLicense2",
        [](PageAnswer answer) { openTermsPage(std::move(answer)); } },
    { "Support", "Glyph-background 5", "support2",
        [](PageAnswer answer) {
            printLine(QStringLiteral("支持"));
            openContactPage(std::move(answer));
        } },
};

constexpr int defaultSpacing = 8;

// The settings page lies in the main window, whose toast tells that a link
// found no program to open it.
void openLink(void (*open)(PageAnswer))
{
    open(&toastUnlessOpened);
}
} // namespace

SettingView::SettingView(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(720, 560);
    QPalette background = palette();
    background.setColor(QPalette::Window, Color(0x1E1E1E));
    setPalette(background);
    setAutoFillBackground(true);

    // Fixed spacers make the whole gap; adjacent rows get the default spacing.
    // The footer and the trailing space share what is left.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addSpacing(15);
    layout->addWidget(new SettingViewTitleView(this), 0, Qt::AlignHCenter);
    layout->addSpacing(10 + 10);
    for (const LinkRowSpec& spec : linkRows) {
        if (!m_rows.isEmpty())
            layout->addSpacing(defaultSpacing);
        auto* row = new SettingLinkRow(
            localized(QString::fromLatin1(spec.titleKey)), QString::fromLatin1(spec.image),
            QString::fromLatin1(spec.hoverImage), [open = spec.open] { openLink(open); }, this);
        layout->addWidget(row, 0, Qt::AlignHCenter);
        m_rows.append(row);
    }
    layout->addSpacing(defaultSpacing);
    m_versionView = new VersionView(appVersion(), this);
    layout->addWidget(m_versionView, 1);
    layout->addStretch(1);
}
