#include "app/LeftTab.h"

#include "app/LeftTabItem.h"
#include "app/LogoItem.h"
#include "app/PageSelection.h"
#include "core/LayoutConstants.h"
#include "core/Localization.h"

#include <QVBoxLayout>

namespace {
struct SidebarEntry {
    const char* labelKey;
    const char* imageSelect;
    const char* imageUnSelect;
    int index;
};

constexpr SidebarEntry sidebarEntries[] = {
    { "Discovery", "material-symbols_explore-outline (1)", "material-symbols_explore-outline",
        PageSelection::Discovery },
    { "AI Logo", "mdi_magic (1)", "mdi_magic", PageSelection::AILogo },
    { "AI Pics", "ai-pics2", "ai-pics1", PageSelection::AIPics },
    { "My Design", "Group (1)", "Group", PageSelection::MyDesign },
    { "Settings", "icon-park-solid_setting-one (1)", "icon-park-solid_setting-one", PageSelection::Settings },
};

constexpr int defaultSpacing = 8;
} // namespace

LeftTab::LeftTab(PageSelection* isSelectLeftTabIndex, QWidget* parent)
    : VisualEffectView(fullScreenUIMaterial, withinWindowBlending, parent)
{
    setFixedSize(180, static_cast<int>(topBarHeight) + 560);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new LogoItem(this));
    // A fixed spacer makes the whole gap; adjacent entries get the default spacing.
    layout->addSpacing(16);
    bool first = true;
    for (const SidebarEntry& entry : sidebarEntries) {
        auto* item
            = new LeftTabItem(localized(QString::fromLatin1(entry.labelKey)), QString::fromLatin1(entry.imageSelect),
                QString::fromLatin1(entry.imageUnSelect), entry.index, isSelectLeftTabIndex, this);
        if (!first)
            layout->addSpacing(defaultSpacing);
        first = false;
        layout->addWidget(item);
        m_items.append(item);
    }
    layout->addStretch();
}
