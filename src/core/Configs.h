#pragma once

// Fixed values that the network client and the help-page openers read.
// The base addresses default to the local stand-in server and can be moved
// with environment variables; tests assign them to reach an in-process server.
// Each address is one value for the whole process, defined in Configs.cpp.

#include <QString>

namespace Configs {

namespace detail {
// The variable's value, or `fallback` when it is unset or empty.
QString environmentOr(const char* variable, const char* fallback);
} // namespace detail

namespace Network {
// Main API; every operation except the update check.
extern QString apiBaseURL;
// Second API host, used by the update check only.
extern QString updateBaseURL;
// Scheme and host of the service's web host, no path.
extern QString webHostRoot;
// The maker's public web site; the help-page openers add a page path.
extern QString companySiteURL;
// The page where users review the application; when empty, "/review" on the company site.
extern QString reviewPageURL;
} // namespace Network

namespace Const {
inline constexpr int intOne = 1;
inline QString emptyText()
{
    return {};
}
inline QString dataInvalidText()
{
    return QStringLiteral("数据无效");
}
inline QString dataInvalid()
{
    return QStringLiteral("数据无效");
}
inline QString hudNetworkAnomaly()
{
    return QStringLiteral("HUD_NetworkAnomaly");
}
inline QString hudInvalidParameter()
{
    return QStringLiteral("HUD_InvalidParameter");
}
} // namespace Const

} // namespace Configs
