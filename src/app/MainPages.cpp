#include "app/MainPages.h"

#include "app/PageSelection.h"
#include "app/PlaceholderPage.h"
#include "app/SettingView.h"

// The Discovery and My Design pages come from their own library; until a
// build carries them, their slots hold empty pages of the same size.
#if __has_include("discovery/DiscoveryView.h")
#include "discovery/LogoDetailView.h" // DiscoveryView.h's inline accessor needs the complete type
#include "discovery/DiscoveryView.h"
#define TESSALY_HAS_DISCOVERY_VIEW 1
#endif
#if __has_include("discovery/MyDesignView.h")
#include "discovery/MyDesignView.h"
#define TESSALY_HAS_MY_DESIGN_VIEW 1
#endif

QWidget* MainPages::makePage(int index, QWidget* parent)
{
    switch (index) {
    case PageSelection::Discovery:
#ifdef TESSALY_HAS_DISCOVERY_VIEW
        return new DiscoveryView(parent);
#else
        break;
#endif
    case PageSelection::MyDesign:
#ifdef TESSALY_HAS_MY_DESIGN_VIEW
        return new MyDesignView(parent);
#else
        break;
#endif
    case PageSelection::Settings:
        return new SettingView(parent);
    default:
        break;
    }
    // The AI logo and picture-to-logo pages are not part of this build.
    return new PlaceholderPage(parent);
}
