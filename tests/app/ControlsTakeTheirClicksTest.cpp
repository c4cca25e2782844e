// Every control a user sees in the main window takes the click at its
// centre, on each page: nothing lies on top of it.

#include "app/ContentView.h"
#include "app/LeftTab.h"
#include "app/PageFrame.h"
#include "app/PageSelection.h"
#include "app/RightTab.h"
#include "discovery/DiscoveryView.h"
#include "support/StandinHarness.h"
#include "support/TestSupport.h"
#include "support/UserClick.h"

#include <gtest/gtest.h>

namespace {

TEST(MainWindowControlsTest, EveryPageCoversNoControl)
{
    StandinHarness harness;
    ContentView view;
    view.show();
    ASSERT_TRUE(waitUntil([&] { return view.rightTab()->findChildren<PageFrame*>().size() == 5; }, 10000));
    for (int index : { PageSelection::Discovery, PageSelection::AILogo, PageSelection::AIPics, PageSelection::MyDesign,
             PageSelection::Settings }) {
        view.selection()->setIndex(index);
        pumpEvents(1000); // what the page loads
        // The other pages stay shown underneath the selected one, out of reach.
        expectNoneCovered(view.leftTab(), QStringLiteral("sidebar on page %1").arg(index));
        expectNoneCovered(view.rightTab()->page(index), QStringLiteral("page %1").arg(index));
    }

    // A design's detail page, over the grid.
    view.selection()->setIndex(PageSelection::Discovery);
    auto* discovery = qobject_cast<DiscoveryView*>(view.rightTab()->page(PageSelection::Discovery));
    ASSERT_NE(discovery, nullptr);
    ASSERT_TRUE(waitUntil([&] { return !discovery->items().isEmpty(); }, 10000));
    discovery->openTemplate(0);
    ASSERT_TRUE(waitUntil([&] { return discovery->detailView() && discovery->detailView()->isVisible(); }, 5000));
    pumpEvents(1000); // what the page loads
    expectNoneCovered(discovery->detailView(), QStringLiteral("detail page"));
}

} // namespace
