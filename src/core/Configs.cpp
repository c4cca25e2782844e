#include "core/Configs.h"

#include <QtGlobal>

QString Configs::detail::environmentOr(const char* variable, const char* fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QString::fromLatin1(fallback) : value;
}

namespace Configs::Network {
using detail::environmentOr;

QString apiBaseURL = environmentOr("TESSALY_API_BASE", "http://127.0.0.1:8787/index.php");
QString updateBaseURL = environmentOr("TESSALY_UPDATE_BASE", "http://127.0.0.1:8787/update/index.php");
QString webHostRoot = environmentOr("TESSALY_WEB_BASE", "http://127.0.0.1:8787");
QString companySiteURL = environmentOr("TESSALY_SITE_BASE", "http://127.0.0.1:8787/site");
QString reviewPageURL = qEnvironmentVariable("TESSALY_REVIEW_URL");
} // namespace Configs::Network
