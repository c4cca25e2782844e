// Colour conversions on the scales the native side uses: hue in degrees
// 0…360, saturation and lightness in percent 0…100.
(function () {
  'use strict';

  function clamp(value, low, high) {
    return Math.min(high, Math.max(low, value));
  }

  // Unrounded: h in degrees, s and l in percent.
  function exactHsl(r, g, b) {
    r /= 255; g /= 255; b /= 255;
    const max = Math.max(r, g, b);
    const min = Math.min(r, g, b);
    const l = (max + min) / 2;
    let h = 0;
    let s = 0;
    if (max !== min) {
      const d = max - min;
      s = l > 0.5 ? d / (2 - max - min) : d / (max + min);
      if (max === r) h = (g - b) / d + (g < b ? 6 : 0);
      else if (max === g) h = (b - r) / d + 2;
      else h = (r - g) / d + 4;
      h *= 60;
    }
    return { h: h, s: s * 100, l: l * 100 };
  }

  function rgbToHsl(r, g, b) {
    const hsl = exactHsl(r, g, b);
    return { h: Math.round(hsl.h), s: Math.round(hsl.s), l: Math.round(hsl.l) };
  }

  function hslToRgb(h, s, l) {
    h = ((Number(h) % 360) + 360) % 360 / 360;
    s = clamp(Number(s), 0, 100) / 100;
    l = clamp(Number(l), 0, 100) / 100;
    if (s === 0) {
      const v = Math.round(l * 255);
      return { r: v, g: v, b: v };
    }
    const q = l < 0.5 ? l * (1 + s) : l + s - l * s;
    const p = 2 * l - q;
    const channel = function (t) {
      if (t < 0) t += 1;
      if (t > 1) t -= 1;
      if (t < 1 / 6) return p + (q - p) * 6 * t;
      if (t < 1 / 2) return q;
      if (t < 2 / 3) return p + (q - p) * (2 / 3 - t) * 6;
      return p;
    };
    return {
      r: Math.round(channel(h + 1 / 3) * 255),
      g: Math.round(channel(h) * 255),
      b: Math.round(channel(h - 1 / 3) * 255)
    };
  }

  // [r, g, b, a] of any colour text fabric understands, or null.
  function parse(text) {
    if (typeof text !== 'string' || text === '' || text === 'none' || text === 'transparent') return null;
    const source = new fabric.Color(text).getSource();
    return source ? source : null;
  }

  function hex2(value) {
    return clamp(Math.round(value), 0, 255).toString(16).padStart(2, '0');
  }

  function format(rgb, alpha) {
    if (alpha === undefined || alpha >= 1) return '#' + hex2(rgb.r) + hex2(rgb.g) + hex2(rgb.b);
    return 'rgba(' + rgb.r + ',' + rgb.g + ',' + rgb.b + ',' + alpha + ')';
  }

  // The same colour with its HSL lightness or saturation replaced. A whole
  // number equal to the colour's own rounded figure keeps the exact figure,
  // so a change back to where it started gives the very same colour.
  function withHsl(text, change) {
    const source = parse(text);
    if (!source) return text;
    const hsl = exactHsl(source[0], source[1], source[2]);
    Object.keys(change).forEach(function (key) {
      if (Math.round(hsl[key]) !== change[key]) hsl[key] = change[key];
    });
    return format(hslToRgb(hsl.h, hsl.s, hsl.l), source[3]);
  }

  window.TessalyColor = { rgbToHsl: rgbToHsl, hslToRgb: hslToRgb, parse: parse, format: format, withHsl: withHsl };
})();
