#pragma once

// Bus events of the Discovery and My Design pages. `MyDesignEventBus` is
// reopened here; its addDesignEvent lives in core/SharedEvents.h.

#include "core/SharedEvents.h"

#include <QString>

namespace DiscoveryItemsEventBus {
// A delete of saved designs has finished; tiles drop their ticks.
struct DeleteEvent {
    static constexpr const char* name = "DeleteEvent";
};

// The saved design with this id (as the server wrote it) was ticked or unticked.
struct DeleteSelectEvent {
    static constexpr const char* name = "DeleteSelectEvent";
    QString id;
};
} // namespace DiscoveryItemsEventBus

namespace MyDesignEventBus {
// A list reload after picture-to-logo arrived and its first design was opened in the editor.
struct openEditLogoViewEvent {
    static constexpr const char* name = "openEditLogoViewEvent";
};
} // namespace MyDesignEventBus
