#pragma once

// Fixed values that the network client and the help-page openers read.
// The base addresses default to the local stand-in server and can be moved
// with environment variables; tests assign them to reach an in-process server.

#include <QString>
#include <QtGlobal>

namespace Configs {

namespace detail {
inline QString environmentOr(const char* variable, const char* fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QString::fromLatin1(fallback) : value;
}
} // namespace detail

namespace Network {
// Main API; every operation except the update check.
inline QString apiBaseURL = detail::environmentOr("TESSALY_API_BASE", "http://127.0.0.1:8787/index.php");
// Second API host, used by the update check only.
inline QString updateBaseURL = detail::environmentOr("TESSALY_UPDATE_BASE", "http://127.0.0.1:8787/update/index.php");
// Scheme and host of the service's web host, no path.
inline QString webHostRoot = detail::environmentOr("TESSALY_WEB_BASE", "http://127.0.0.1:8787");
// The maker's public web site; the help-page openers add a page path.
inline QString companySiteURL = detail::environmentOr("TESSALY_SITE_BASE", "http://127.0.0.1:8787/site");
// The page where users review the application; when empty, "/review" on the company site.
inline QString reviewPageURL = qEnvironmentVariable("TESSALY_REVIEW_URL");
} // namespace Network

namespace Const {
inline const QString emptyText;
inline constexpr int intOne = 1;
inline const QString dataInvalidText = QStringLiteral("数据无效");
inline const QString dataInvalid = QStringLiteral("数据无效");
inline const QString hudNetworkAnomaly = QStringLiteral("HUD_NetworkAnomaly");
inline const QString hudInvalidParameter = QStringLiteral("HUD_InvalidParameter");
} // namespace Const

} // namespace Configs
