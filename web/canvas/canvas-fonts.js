// The page's fonts: font locations as CSS (absolute paths become file URLs,
// every URL escaped for use inside url("…")), the faces of a font file, and
// the font loads the native side asks for.
(function () {
  'use strict';

  const { isText } = TessalyObjects;

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

  // Fetches a registered family's face, the normal one unless `face` names
  // a weight and style; never rejects.
  function loadFamily(family, face) {
    const name = '"' + String(family).replace(/["\\]/g, '') + '"';
    const font = (face ? face.style + ' ' + face.weight + ' ' : '') + '16px ' + name;
    return document.fonts.load(font).catch(function () { return []; });
  }

  // The weight and style of a font file, as FontFace descriptors; what
  // isn't a CSS weight or style is the normal one.
  function faceStyle(weight, style) {
    const w = String(weight);
    return {
      weight: /^(normal|bold|[1-9]00)$/.test(w) ? w : 'normal',
      style: /^(normal|italic|oblique)$/.test(String(style)) ? String(style) : 'normal'
    };
  }

  // A Fontsource file holds one script subset. Its "latin" file has a
  // "latin-ext" sibling with the accented letters; both become faces of one
  // family, split by the ranges of the package's own CSS.
  const LATIN_RANGE = 'U+0000-00FF,U+0131,U+0152-0153,U+02BB-02BC,U+02C6,U+02DA,U+02DC,U+0304,U+0308,U+0329,' +
    'U+2000-206F,U+20AC,U+2122,U+2191,U+2193,U+2212,U+2215,U+FEFF,U+FFFD';
  const LATIN_EXT_RANGE = 'U+0100-02BA,U+02BD-02C5,U+02C7-02CC,U+02CE-02D7,U+02DD-02FF,U+0304,U+0308,U+0329,' +
    'U+1D00-1DBF,U+1E00-1E9F,U+1EF2-1EFF,U+2020,U+20A0-20AB,U+20AD-20C0,U+2113,U+2C60-2C7F,U+A720-A7FF';
  const LATIN_SUBSET = /-latin-(?=\d+-(?:normal|italic)\.woff2?$)/;

  // The main face of a font file, and its latin-ext sibling when it has one,
  // as the weight and style `face` (faceStyle) gives, the normal one without.
  function fontFaces(family, location, face) {
    const main = String(location);
    const descriptors = face ? { weight: face.weight, style: face.style } : {};
    if (!LATIN_SUBSET.test(main))
      return { main: new FontFace(family, cssUrl(fontUrl(main)), descriptors), extra: null };
    const sibling = main.replace(LATIN_SUBSET, '-latin-ext-');
    return {
      main: new FontFace(family, cssUrl(fontUrl(main)), Object.assign({ unicodeRange: LATIN_RANGE }, descriptors)),
      extra: new FontFace(family, cssUrl(fontUrl(sibling)),
        Object.assign({ unicodeRange: LATIN_EXT_RANGE }, descriptors))
    };
  }

  // Whether `family` has a normal face among the page's web fonts.
  function hasNormalFace(family) {
    return Array.from(document.fonts).some(function (f) {
      return f.family.replace(/^"|"$/g, '') === family && (f.weight === 'normal' || f.weight === '400') &&
        f.style === 'normal' && f.status !== 'error';
    });
  }

  // The installed normal face of `family`, loaded, or null where the system
  // has none. Once a family has a web font, only its web fonts draw it: a
  // family with a bold face alone would draw its normal text bold.
  function installedNormalFace(family) {
    const name = String(family).replace(/["\\]/g, '');
    try {
      const source = 'local("' + name + '"), local("' + name + ' Regular")';
      return new FontFace(family, source, { weight: 'normal', style: 'normal' }).load().catch(function () {
        return null;
      });
    } catch (error) {
      return Promise.resolve(null);
    }
  }

  // Font loads asked for by the native side, by request number: the ids of
  // the texts selected when each was asked for. `latestFontLoadOf` holds the
  // latest load asked for each text; only that one changes the text.
  // `registered` maps each family to its latest face; `rerenderFamily`
  // draws a family's texts again.
  class FontLoads {
    constructor(canvas, post, registered, rerenderFamily) {
      this.canvas = canvas;
      this.post = post;
      this.registered = registered;
      this.rerenderFamily = rerenderFamily;
      this.fontLoadTargets = new Map();
      this.latestFontLoadOf = new Map();
    }

    // The texts still there that font load `request` was asked for and that
    // no later load was asked for since; the load is forgotten.
    takeTexts(request) {
      const ids = new Set((this.fontLoadTargets.get(request) || []).filter((id) => {
        return this.latestFontLoadOf.get(id) === request;
      }));
      this.fontLoadTargets.delete(request);
      ids.forEach((id) => { this.latestFontLoadOf.delete(id); });
      return this.canvas.getObjects().filter(function (object) { return isText(object) && ids.has(object.id); });
    }

    // The canvas is cleared or a design loaded: the loads still pending
    // change no text when their fonts arrive.
    forget() {
      this.fontLoadTargets.clear();
      this.latestFontLoadOf.clear();
    }

    // The file is registered as the face `weight` and `style` of `family`,
    // beside its other faces; a `request` notes the texts selected now as the
    // ones it is for.
    load(family, location, weight, style, request) {
      const answer = { family: family, location: location, request: Number(request) || 0 };
      const wanted = faceStyle(weight, style);
      let face;
      let extra;
      try {
        ({ main: face, extra: extra } = fontFaces(family, location, wanted));
      } catch (error) {
        this.post('loadFontFail', Object.assign({ error: String(error.message || error) }, answer));
        return;
      }
      if (answer.request > 0) {
        const ids = this.canvas.getActiveObjects().filter(isText).map(function (t) { return t.id; }).filter(Boolean);
        this.fontLoadTargets.set(answer.request, ids);
        ids.forEach((id) => { this.latestFontLoadOf.set(id, answer.request); });
      }
      // The sibling is optional: a file that isn't there leaves the main face alone.
      if (extra) extra.load().then(function (loaded) { document.fonts.add(loaded); }, function () {});
      // The family's normal text keeps its installed face until the family's
      // own normal face comes.
      const plain = wanted.weight === 'normal' && wanted.style === 'normal';
      const standIn = plain || hasNormalFace(family) ? null : installedNormalFace(family);
      Promise.all([face.load(), standIn]).then(([loaded, installed]) => {
        if (installed) document.fonts.add(installed);
        document.fonts.add(loaded);
        this.registered.set(family, loaded);
        this.rerenderFamily(family);
        this.post('loadFontSuccess', answer);
      }, (error) => {
        this.takeTexts(answer.request);
        this.post('loadFontFail', Object.assign({ error: String(error && error.message || error) }, answer));
      });
    }
  }

  window.TessalyFonts = {
    fontUrl: fontUrl, cssUrl: cssUrl, loadFamily: loadFamily, faceStyle: faceStyle, fontFaces: fontFaces,
    hasNormalFace: hasNormalFace, installedNormalFace: installedNormalFace, FontLoads: FontLoads
  };
})();
