#pragma once

// Bus events that several layers post or handle. Each screen's namespace may
// be reopened by the library that owns the rest of its events.

#include "core/DesignId.h"

#include <QString>
#include <QtGlobal>

namespace ContentViewEventBus {
// Shows a message at the bottom of the main window for the toast duration.
struct ToastEvent {
    static constexpr const char* name = "ToastEvent";
    QString text;
};
} // namespace ContentViewEventBus

namespace EditLogoViewEvent {
// A design could not be loaded into the editor. `token` names the design load
// it ends; 0 for a failed download that no design load is waiting for.
struct loadSvgFail {
    static constexpr const char* name = "loadSvgFail";
    qint64 token = 0;
};
// The quit alert's "Save": the editor saves the design and says how it ended.
struct QuitSaveLogoEvent {
    static constexpr const char* name = "QuitSaveLogoEvent";
};
// The save that QuitSaveLogoEvent started stored the design (or found nothing
// to store). Posted before the editor closes, so that the program settles
// the quit or the session end before it hears that the save flow is gone.
struct QuitSaveSucceededEvent {
    static constexpr const char* name = "QuitSaveSucceededEvent";
};
// The save that QuitSaveLogoEvent started ended without storing the design:
// its upload or the page failed, or its editor was replaced first.
struct QuitSaveEndedEvent {
    static constexpr const char* name = "QuitSaveEndedEvent";
};
// Posted by every "Retry" of a LoadSvgFailView, after its own action ran.
struct RetryEvent {
    static constexpr const char* name = "RetryEvent";
};
} // namespace EditLogoViewEvent

namespace MyDesignEventBus {
// The user asked to create a design from the empty saved-designs page.
struct addDesignEvent {
    static constexpr const char* name = "addDesignEvent";
};
// Asks My Design to reload its list.
struct getDataEvent {
    static constexpr const char* name = "getDataEvent";
};
} // namespace MyDesignEventBus

namespace GeneratingViewEventBus {
// A new design was saved by the generator or the picture-to-logo flow.
struct ToMyDesignPageEvent {
    static constexpr const char* name = "ToMyDesignPageEvent";
    bool formAIPics = false;
};
} // namespace GeneratingViewEventBus

// Posted by the editor after a successful save with the id of the design it
// saved over; a detail page showing that design reloads it.
namespace LogoDetailViewEventBus {
struct refreshEvent {
    static constexpr const char* name = "refreshEvent";
    DesignId id = 0;
};
} // namespace LogoDetailViewEventBus
