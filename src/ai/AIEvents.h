#pragma once

// Bus events of AI logo generation. The hand-over to My Design,
// GeneratingViewEventBus::ToMyDesignPageEvent, lives in core/SharedEvents.h
// because the picture-to-logo page and My Design use it too.

#include <QString>

namespace AILogoViewEvent {
// Asks the wizard's lists and the free creator to load again.
struct AILogoViewRefreshDataEvent {
    static constexpr const char* name = "AILogoViewRefreshDataEvent";
};

// The wizard's lists, whose loads the AI page's failure view follows.
enum class AILogoList { Industries, Styles, Symbols };

// Outcome of the latest load of one list.
struct AILogoViewNetWorkEvent {
    static constexpr const char* name = "AILogoViewNetWorkEvent";
    bool isSuccess = false;
    AILogoList list = AILogoList::Industries;
};
} // namespace AILogoViewEvent

namespace Step3ViewEventBus {
// The chip at `index` of a symbol list was chosen; `isFree` tells the free
// creator's list from the wizard's.
struct Step3ViewSelectEvent {
    static constexpr const char* name = "Step3ViewSelectEvent";
    int index = 0;
    bool isFree = false;
};
// A Create button committed its choices: a generation starts.
struct GeneratingEvent {
    static constexpr const char* name = "GeneratingEvent";
};
} // namespace Step3ViewEventBus

namespace Step1ViewEventBus {
// An industry was chosen; `letter` carries its name.
struct SelectEvent {
    static constexpr const char* name = "SelectEvent";
    QString letter;
};
// The wizard's industry is ready for the symbol step.
struct LoadDataSuccess {
    static constexpr const char* name = "LoadDataSuccess";
};
} // namespace Step1ViewEventBus

namespace FreeViewEventBus {
// The free creator's industry at `index` (0 or 1), with id `step1SelectId2`.
struct step1SelectId2Event {
    static constexpr const char* name = "step1SelectId2Event";
    QString step1SelectId2;
    int index = 0;
};
// Asks the free creator to load its choices again.
struct RefeashDataEvent {
    static constexpr const char* name = "RefeashDataEvent";
};
} // namespace FreeViewEventBus
