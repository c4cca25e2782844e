#pragma once

// Scripts injected into the canvas page before its own scripts run.

#include <QString>

namespace InjectedScripts {

// Forwards console.log lines (and uncaught errors) to the native side.
QString consoleForwarder();
// Defines window.webkit.messageHandlers.<name>.postMessage(body) and
// window.__tessalyPost(name, body) over the web channel, queues posts until
// the channel is open, and posts "pageReady" once the page has loaded.
QString bridgeBootstrap();
// window.tessalyBaseUrl as a JavaScript string literal.
QString baseUrlAssignment(const QString& baseUrl);

} // namespace InjectedScripts
