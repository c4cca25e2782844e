#pragma once

#include "model/CheckUpdateModel.h"

#include <QString>
#include <optional>

// What the update prompt shows and where "Upgrade" leads.
struct UpdatePrompt {
    QString content;
    QString url;
};

// Decides from the update check's reply whether to offer an update.
class UpdateCheck {
public:
    // A prompt when the server names a version other than `appVersion`
    // (plain text comparison), none when it names the same one or none at all.
    // The address is `url_base` and `url` joined as they stand.
    static std::optional<UpdatePrompt> promptFor(const CheckUpdateModel& reply, const QString& appVersion);
};
