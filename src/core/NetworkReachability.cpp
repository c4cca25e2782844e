#include "core/NetworkReachability.h"

#include "core/Log.h"

#include <QCoreApplication>

bool isNetworkReachable = false;

ReachabilityStatus reachabilityStatusFrom(
    QNetworkInformation::Reachability reachability, QNetworkInformation::TransportMedium medium)
{
    using R = QNetworkInformation::Reachability;
    using M = QNetworkInformation::TransportMedium;
    switch (reachability) {
    case R::Unknown:
        return ReachabilityStatus::unknown;
    case R::Disconnected:
        return ReachabilityStatus::notReachable;
    case R::Local:
    case R::Site:
    case R::Online:
        break;
    }
    if (medium == M::Cellular)
        return ReachabilityStatus::reachableCellular;
    if (medium == M::Ethernet || medium == M::WiFi)
        return ReachabilityStatus::reachableEthernetOrWiFi;
    return ReachabilityStatus::reachableOther;
}

void handleReachabilityStatus(ReachabilityStatus status, const std::function<void()>& onReachable)
{
    QString statusText;
    switch (status) {
    case ReachabilityStatus::unknown:
        statusText = QStringLiteral("未识别的网络");
        break;
    case ReachabilityStatus::notReachable:
        isNetworkReachable = false;
        statusText = QStringLiteral("不可用的网络(未连接)");
        break;
    case ReachabilityStatus::reachableCellular:
    case ReachabilityStatus::reachableEthernetOrWiFi:
    case ReachabilityStatus::reachableOther:
        isNetworkReachable = true;
        if (onReachable)
            onReachable();
        if (status == ReachabilityStatus::reachableCellular)
            statusText = QStringLiteral("2G,3G,4G...的网络");
        else if (status == ReachabilityStatus::reachableEthernetOrWiFi)
            statusText = QStringLiteral("wifi的网络");
        break;
    }
    printLine(QStringLiteral("statusStr = ") + statusText);
}

void startNetworkMonitoring(std::function<void()> onReachable)
{
    if (!QNetworkInformation::loadDefaultBackend())
        return;
    QNetworkInformation* information = QNetworkInformation::instance();
    if (!information)
        return;
    auto report = [information, onReachable] {
        handleReachabilityStatus(
            reachabilityStatusFrom(information->reachability(), information->transportMedium()), onReachable);
    };
    QObject::connect(information, &QNetworkInformation::reachabilityChanged, information, report);
    QObject::connect(information, &QNetworkInformation::transportMediumChanged, information, report);
    report();
}
