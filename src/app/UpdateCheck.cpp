#include "app/UpdateCheck.h"

std::optional<UpdatePrompt> UpdateCheck::promptFor(const CheckUpdateModel& reply, const QString& appVersion)
{
    const CheckUpdateModelData& data = reply.data;
    // A reply without a version is no offer of one.
    if (data.version.isEmpty() || data.version == appVersion)
        return std::nullopt;
    return UpdatePrompt { data.description, data.url_base + data.url };
}
