#include "canvas/WebViewViewController.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

// The shared canvas view lives for the whole run; its web page must be gone
// before the application object is, as the application's own quit does.
namespace {

class SharedCanvasEnvironment : public ::testing::Environment {
public:
    void TearDown() override
    {
        if (sharedWebViewController().isViewLoaded())
            delete sharedWebViewController().view();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

[[maybe_unused]] const ::testing::Environment* const environment
    = ::testing::AddGlobalTestEnvironment(new SharedCanvasEnvironment);

} // namespace
