#include "canvas/InjectedScripts.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace InjectedScripts {

QString consoleForwarder()
{
    return QStringLiteral(R"JS((function () {
  const orig = console.log.bind(console);
  const queue = [];
  window.__tessalyLogQueue = queue;
  const forward = function (line) {
    if (window.__tessalyPost) window.__tessalyPost('log', line); else queue.push(line);
  };
  console.log = function (...args) {
    orig(...args);
    const line = args.map(a => {
      try { return typeof a === 'string' ? a : JSON.stringify(a); } catch (e) { return String(a); }
    }).join(' ');
    forward(line);
  };
  window.addEventListener('error', function (e) {
    forward('error: ' + e.message + ' (' + e.filename + ':' + e.lineno + ')');
  });
  window.addEventListener('unhandledrejection', function (e) {
    forward('unhandled rejection: ' + (e.reason && e.reason.message ? e.reason.message : String(e.reason)));
  });
})();)JS");
}

QString bridgeBootstrap()
{
    return QStringLiteral(R"JS((function () {
  let bridge = null;
  const waiting = [];
  const whenOpen = [];
  const send = function (name, body) {
    let text;
    if (typeof body === 'string') text = body;
    else { try { text = JSON.stringify(body === undefined ? {} : body); } catch (e) { text = String(body); } }
    if (bridge) bridge.postMessage(String(name), text); else waiting.push([String(name), text]);
  };
  window.__tessalyPost = send;
  window.webkit = window.webkit || {};
  window.webkit.messageHandlers = new Proxy({}, {
    get: function (target, name) {
      return { postMessage: function (body) { send(name, body); } };
    }
  });
  // The design of a load comes over the channel, never inside script text.
  // The host offers it ahead of the load's call, but channel messages and
  // calls travel apart: without the offer, the load asks the host for it.
  // Resolves to {} when the host holds none for `token`.
  let offered = null;
  let lastAsked = 0;
  const offer = function (design) {
    if (Number(design.token) > lastAsked) offered = design;
  };
  window.__tessalyTakeDesign = function (token) {
    token = Number(token) || 0;
    lastAsked = Math.max(lastAsked, token);
    const design = offered;
    if (design && Number(design.token) <= token) offered = null;
    if (design && Number(design.token) === token) {
      bridge.designTaken(token);
      return Promise.resolve(design);
    }
    return new Promise(function (resolve) {
      const take = function () { bridge.takeDesign(token, resolve); };
      if (bridge) take(); else whenOpen.push(take);
    });
  };
  const logs = window.__tessalyLogQueue || [];
  logs.splice(0).forEach(function (line) { send('log', line); });
  const open = function () {
    if (!(window.qt && qt.webChannelTransport)) { setTimeout(open, 5); return; }
    new QWebChannel(qt.webChannelTransport, function (channel) {
      bridge = channel.objects.bridge;
      if (bridge.designOffered) bridge.designOffered.connect(offer);
      waiting.splice(0).forEach(function (m) { bridge.postMessage(m[0], m[1]); });
      whenOpen.splice(0).forEach(function (take) { take(); });
    });
  };
  open();
  const ready = function () { send('pageReady', { canvas: typeof window.loadDesignFromHost === 'function' }); };
  if (document.readyState === 'complete') ready(); else window.addEventListener('load', ready);
})();)JS");
}

QString baseUrlAssignment(const QString& baseUrl)
{
    // A JSON string is a valid JavaScript string literal, except for the two
    // line separators, which JSON leaves raw.
    QString literal = QString::fromUtf8(QJsonDocument(QJsonArray { baseUrl }).toJson(QJsonDocument::Compact));
    literal = literal.mid(1, literal.size() - 2);
    literal.replace(QChar(0x2028), QStringLiteral("\\u2028"));
    literal.replace(QChar(0x2029), QStringLiteral("\\u2029"));
    return QStringLiteral("window.tessalyBaseUrl = ") + literal + QLatin1Char(';');
}

} // namespace InjectedScripts
