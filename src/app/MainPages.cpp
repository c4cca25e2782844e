#include "app/MainPages.h"

#include "ai/AILogoView.h"
#include "app/PageSelection.h"
#include "app/PlaceholderPage.h"
#include "app/SettingView.h"
#include "discovery/DiscoveryView.h"
#include "discovery/MyDesignView.h"
#include "pictures/AIPicsView.h"

QWidget* MainPages::makePage(int index, QWidget* parent)
{
    switch (index) {
    case PageSelection::Discovery:
        return new DiscoveryView(parent);
    case PageSelection::AILogo:
        return new AILogoView(parent);
    case PageSelection::MyDesign:
        return new MyDesignView(parent);
    case PageSelection::Settings:
        return new SettingView(parent);
    case PageSelection::AIPics:
        return new AIPicsView(parent);
    default:
        // An index outside the sidebar's pages shows an empty page.
        return new PlaceholderPage(parent);
    }
}
