// Font locations as CSS: absolute paths become file URLs, and every URL is
// escaped for use inside url("…").
(function () {
  'use strict';

  function fontUrl(location) {
    if (typeof location === 'string' && location.startsWith('/'))
      return 'file://' + location.split('/').map(encodeURIComponent).join('/');
    return location;
  }

  function cssUrl(url) {
    return 'url("' + String(url).replace(/["\\\n\r]/g, function (c) {
      return '\\' + c.charCodeAt(0).toString(16) + ' ';
    }) + '")';
  }

  // Fetches a registered family's face; never rejects.
  function loadFamily(family) {
    return document.fonts.load('16px "' + String(family).replace(/["\\]/g, '') + '"').catch(function () { return []; });
  }

  window.TessalyFonts = { fontUrl: fontUrl, cssUrl: cssUrl, loadFamily: loadFamily };
})();
