#pragma once

// Reachability monitoring over QNetworkInformation. Where no backend loads,
// monitoring stays off without a word.

#include <QNetworkInformation>
#include <functional>

// Written only by the monitor.
extern bool isNetworkReachable;

enum class ReachabilityStatus {
    unknown,
    notReachable,
    reachableCellular,
    reachableEthernetOrWiFi,
    reachableOther,
};

ReachabilityStatus reachabilityStatusFrom(
    QNetworkInformation::Reachability reachability, QNetworkInformation::TransportMedium medium);

// Applies one reported status: updates isNetworkReachable, calls onReachable
// when the network is reachable, and prints "statusStr = " with the status text.
void handleReachabilityStatus(ReachabilityStatus status, const std::function<void()>& onReachable);

// Reports the current status at once and every change for the rest of the run.
void startNetworkMonitoring(std::function<void()> onReachable);
