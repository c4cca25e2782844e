// Designs as SVG: decoding, parsing into editable fabric objects, and
// placing them on the canvas.
(function () {
  'use strict';

  const { CUSTOM_PROPS, isText, hasPaint, leaves } = TessalyObjects;

  function decodeBase64Utf8(base64) {
    const binary = atob(String(base64).replace(/\s+/g, ''));
    const bytes = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; i += 1) bytes[i] = binary.charCodeAt(i);
    return new TextDecoder('utf-8').decode(bytes);
  }

  // The parsed SVG document, or null when the text is not one.
  function svgDocument(text) {
    if (typeof text !== 'string' || !text.trim()) return null;
    const doc = new DOMParser().parseFromString(text, 'image/svg+xml');
    const ok = !doc.getElementsByTagName('parsererror').length &&
      doc.documentElement && doc.documentElement.localName === 'svg';
    return ok ? doc : null;
  }

  // fabric's parser places a text by the text element's own x/y and ignores
  // tspan positions, which is how exported texts carry theirs: move the
  // first tspan's position onto the text and join the lines.
  function flattenTextSpans(doc) {
    Array.from(doc.getElementsByTagName('text')).forEach(function (text) {
      const spans = Array.from(text.children).filter(function (child) { return child.localName === 'tspan'; });
      if (!spans.length || spans.length !== text.children.length) return;
      const first = spans[0];
      if (first.hasAttribute('x')) text.setAttribute('x', first.getAttribute('x'));
      if (first.hasAttribute('y')) text.setAttribute('y', first.getAttribute('y'));
      let content = '';
      let lineY = first.getAttribute('y');
      spans.forEach(function (span, index) {
        const y = span.getAttribute('y');
        if (index > 0 && y !== null && y !== lineY) {
          content += '\n';
          lineY = y;
        }
        content += span.textContent;
      });
      text.textContent = content;
    });
  }

  // A rect at the origin covering the whole design is the design's background.
  function backgroundRectOf(element, object, options) {
    if (!element || element.localName !== 'rect' || !(object instanceof fabric.Rect)) return null;
    if (element.parentNode !== element.ownerDocument.documentElement) return null;
    const width = element.getAttribute('width');
    const height = element.getAttribute('height');
    const full = (width === '100%' && height === '100%') ||
      (options.width > 0 && Math.abs(object.width * object.scaleX - options.width) < 0.5 &&
       options.height > 0 && Math.abs(object.height * object.scaleY - options.height) < 0.5);
    const atOrigin = !Number(element.getAttribute('x') || 0) && !Number(element.getAttribute('y') || 0);
    if (!full || !atOrigin || object.angle || typeof object.fill !== 'string' || !hasPaint(object.fill)) return null;
    if (hasPaint(object.stroke) && object.strokeWidth > 0) return null;
    return object.fill;
  }

  function toEditableText(object) {
    if (!isText(object) || object instanceof fabric.IText) return object;
    const options = object.toObject(CUSTOM_PROPS);
    delete options.type;
    return new fabric.IText(object.text, options);
  }

  // Parses SVG text into fabric objects; null when it is not an SVG.
  // SVG text can't carry a text object's lines, letter spacing or our own
  // properties back into fabric, so the export keeps each text's record on
  // its group and the import rebuilds the text from it.
  const TEXT_RECORD = 'data-tessaly-text';

  function withTextRecords(svg, objects) {
    const texts = objects.filter(function (object) { return isText(object) && object.id; });
    if (!texts.length) return svg;
    const doc = svgDocument(svg);
    if (!doc) return svg;
    const groups = new Map();
    Array.from(doc.getElementsByTagName('g')).forEach(function (group) {
      if (group.hasAttribute('id')) groups.set(group.getAttribute('id'), group);
    });
    texts.forEach(function (text) {
      const group = groups.get(String(text.id));
      if (group) group.setAttribute(TEXT_RECORD, JSON.stringify(text.toObject(CUSTOM_PROPS)));
    });
    return new XMLSerializer().serializeToString(doc);
  }

  // The properties a text record may give back, with the kinds the page
  // itself writes; anything else in a record is ignored.
  const TEXT_RECORD_FIELDS = {
    text: ['string'], id: ['string', 'number'], originalText: ['string'],
    fontFamily: ['string'], fontWeight: ['string', 'number'], fontStyle: ['string'], fontSize: ['number'],
    textAlign: ['string'], lineHeight: ['number'], charSpacing: ['number'],
    underline: ['boolean'], overline: ['boolean'], linethrough: ['boolean'],
    isUpper: ['boolean'], isVertical: ['boolean'],
    fill: ['string'], stroke: ['string'], strokeWidth: ['number'], textBackgroundColor: ['string'],
    opacity: ['number'], left: ['number'], top: ['number'], originX: ['string'], originY: ['string'],
    scaleX: ['number'], scaleY: ['number'], angle: ['number'], skewX: ['number'], skewY: ['number'],
    flipX: ['boolean'], flipY: ['boolean']
  };

  function plainTextOptions(record) {
    const options = {};
    Object.keys(TEXT_RECORD_FIELDS).forEach(function (key) {
      if (!Object.prototype.hasOwnProperty.call(record, key)) return;
      const value = record[key];
      const kind = typeof value;
      if (TEXT_RECORD_FIELDS[key].indexOf(kind) < 0) return;
      if (kind === 'number' && !Number.isFinite(value)) return;
      options[key] = value;
    });
    return options;
  }

  // The text as the page wrote it, from the record on its group; `parsed`
  // is what the SVG itself says, which gives a gradient paint back.
  function textFromRecord(element, parsed) {
    const holder = element.parentNode;
    if (!holder || !holder.getAttribute || !holder.hasAttribute(TEXT_RECORD)) return null;
    let record;
    try {
      record = JSON.parse(holder.getAttribute(TEXT_RECORD));
    } catch (error) {
      return null;
    }
    if (!record || typeof record !== 'object' || typeof record.text !== 'string') return null;
    const options = plainTextOptions(record);
    ['fill', 'stroke'].forEach(function (key) {
      if (!(key in options) && parsed && parsed[key] instanceof fabric.Gradient) options[key] = parsed[key];
    });
    return new fabric.IText(options.text, options);
  }

  // The properties the parser takes from style rules, as the browser
  // computes them; text-decoration is read by its line. (It never took a
  // transform from them, and the copy, not laid out, has none to give.)
  const RULED_PROPERTIES = [
    'display', 'visibility', 'opacity', 'clip-path',
    'fill', 'fill-opacity', 'fill-rule', 'stroke', 'stroke-opacity', 'stroke-width', 'stroke-dasharray',
    'stroke-dashoffset', 'stroke-linecap', 'stroke-linejoin', 'stroke-miterlimit', 'paint-order', 'vector-effect',
    'stop-color', 'stop-opacity',
    'font-family', 'font-size', 'font-weight', 'font-style', 'letter-spacing', 'text-anchor', 'text-decoration-line'
  ];
  const WRITTEN_NAMES = { 'text-decoration-line': 'text-decoration' };

  function documentElements(root) {
    return [root].concat(Array.from(root.getElementsByTagName('*')));
  }

  // What in a copy of the design could load or run. The copy is made inert
  // where nothing loads, inside the parsed document, before it enters the
  // page: an element such as <use href="file:…"> starts loading the moment
  // it is imported. The page's security policy is the second wall, not the
  // one this relies on.
  const RESOURCE_ATTRIBUTES = new Set(['src', 'srcset', 'srcdoc', 'data', 'poster', 'background', 'action',
    'formaction']);
  const REFERENCE_ATTRIBUTES = new Set(['fill', 'stroke', 'clip-path', 'mask', 'filter', 'marker-start',
    'marker-mid', 'marker-end', 'cursor']);
  const ANIMATIONS = new Set(['animate', 'animateColor', 'animateMotion', 'animateTransform', 'set', 'discard']);

  // Whether CSS as the browser writes it back names anything outside the
  // document. A custom property keeps its text as written, escapes and
  // all, and a var() may still make a url() of it: one that could is out.
  function namesOutside(css, custom) {
    return /url\(\s*(?!["']?#)|image-set\(/i.test(css) || (!!custom && /url|image|\\/i.test(css));
  }

  // A reference to an element of another file becomes one to the element of
  // the same id here, as the parser reads it; any other declaration that
  // names something outside goes.
  function inertDeclarations(style) {
    for (let i = style.length - 1; i >= 0; i -= 1) {
      const name = style[i];
      if (!name) continue;
      const value = style.getPropertyValue(name);
      const local = value.replace(/url\("(?:[^"\\]|\\.)*?(#(?:[^"\\]|\\.)*)"\)/g, 'url("$1")');
      if (namesOutside(local, name.startsWith('--'))) style.removeProperty(name);
      else if (local !== value) style.setProperty(name, local, style.getPropertyPriority(name));
    }
  }

  // fabric took a bare number for a rule's font-size or letter-spacing as
  // px, as SVG's own attributes do; CSS drops the declaration.
  const BARE_SIZE = new RegExp('((?:^|[{;\\s])(?:font-size|letter-spacing)\\s*:\\s*)' +
    '([+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:e[+-]?\\d+)?)(?=\\s*(?:[;}!]|$))', 'gi');

  // A style sheet's text as the browser reads it, without the rules that
  // fetch (@import, @font-face) and the declarations that name a file. A
  // constructed sheet fetches nothing and drops @import itself; what it
  // writes back has every escape resolved and every url() quoted.
  function inertSheetText(text) {
    const sheet = new CSSStyleSheet();
    sheet.replaceSync(String(text).replace(BARE_SIZE, '$1$2px'));
    inertRules(sheet);
    return Array.from(sheet.cssRules, function (rule) { return rule.cssText; }).join('\n');
  }

  function inertRules(group) {
    for (let i = group.cssRules.length - 1; i >= 0; i -= 1) {
      const rule = group.cssRules[i];
      if (rule instanceof CSSGroupingRule) {
        inertRules(rule);
        continue;
      }
      if (rule.style) inertDeclarations(rule.style);
      // A keyframes rule's frames.
      Array.from(rule.cssRules || []).forEach(function (frame) { if (frame.style) inertDeclarations(frame.style); });
      // A namespace's URL is a name, never fetched.
      const fetches = rule instanceof CSSImportRule || rule instanceof CSSFontFaceRule ||
        (!(rule instanceof CSSNamespaceRule) && namesOutside(rule.cssText));
      if (fetches) group.deleteRule(i);
    }
  }

  // A presentation attribute that may name a file, read as CSS by `probe`:
  // its value as the browser reads it without the file, or null.
  function inertReference(probe, name, value) {
    if (!/[(\\]/.test(value)) return value;
    probe.removeAttribute('style');
    probe.style.setProperty(name, value);
    inertDeclarations(probe.style);
    return probe.style.getPropertyValue(name) || null;
  }

  const SVG_NAMESPACE = 'http://www.w3.org/2000/svg';
  const XLINK_NAMESPACE = 'http://www.w3.org/1999/xlink';

  // What an element outside SVG (a foreignObject's content) keeps: what
  // selectors match it by and its own style, which is all the cascade reads
  // of it. A list of what loads would miss the next attribute a browser
  // learns to load by.
  const FOREIGN_ATTRIBUTES = new Set(['id', 'class', 'style']);

  function keepsForeign(element, attribute) {
    const name = attribute.localName;
    return attribute.namespaceURI === null && FOREIGN_ATTRIBUTES.has(name) && (name !== 'style' || !!element.style);
  }

  // No attribute of `element` names a resource or runs: none but a fragment
  // reference, no handler, no javascript: value, no animation of another
  // attribute; its sheets and styles name nothing outside; scripts are empty.
  function makeInert(element, probe) {
    const foreign = element.namespaceURI !== SVG_NAMESPACE;
    Array.from(element.attributes).forEach(function (attribute) {
      const name = attribute.localName;
      const value = attribute.value;
      const loads = foreign ? !keepsForeign(element, attribute) :
        /^on/i.test(name) || RESOURCE_ATTRIBUTES.has(name) || /^\s*javascript:/i.test(value) ||
        (name === 'href' && !/^#/.test(value.trim())) ||
        (name === 'attributeName' && ANIMATIONS.has(element.localName));
      const local = loads ? null : REFERENCE_ATTRIBUTES.has(name) ? inertReference(probe, name, value) : value;
      if (local === null) element.removeAttributeNode(attribute);
      else if (local !== value) attribute.value = local;
    });
    if (element.style && element.hasAttribute('style')) inertDeclarations(element.style);
    if (element.localName === 'style') element.textContent = inertSheetText(element.textContent);
    else if (element.localName === 'script') element.textContent = '';
  }

  // A copy of the design that loads and runs nothing, made in the parsed
  // document and only then imported into the page.
  function inertCopy(doc) {
    const clone = doc.documentElement.cloneNode(true);
    const probe = doc.createElementNS(SVG_NAMESPACE, 'g');
    documentElements(clone).forEach(function (element) { makeInert(element, probe); });
    return document.importNode(clone, true);
  }

  function computedValues(element) {
    const style = getComputedStyle(element);
    return RULED_PROPERTIES.map(function (property) { return style.getPropertyValue(property); });
  }

  // A computed value as the parser reads a style attribute: a reference by
  // its fragment alone, one family unquoted.
  function declaredValue(property, value) {
    if (property === 'font-family') {
      const single = /^"([^",]*)"$/.exec(value);
      return single ? single[1] : value;
    }
    return value.replace(/url\(\s*["']?[^"')]*?(#[^"')]+)["']?\s*\)/g, 'url($1)');
  }

  // The parser matches style rules its own way (a descendant rule reaches
  // every element of its last type, selector lists merge without
  // specificity, @media blocks are skipped, a list the browser drops is
  // kept): the browser resolves them instead. A copy of the design, in a
  // closed shadow root of its own, is read with its sheets on and off; what
  // the rules change is written into each element's style attribute, and the
  // rules are taken out of the design.
  function inlineStyleRules(doc) {
    const styles = Array.from(doc.getElementsByTagName('style'));
    if (!styles.length) return;
    const originals = documentElements(doc.documentElement);
    const copy = inertCopy(doc);
    const copies = documentElements(copy);
    const host = document.createElement('div');
    host.style.display = 'none';
    host.attachShadow({ mode: 'closed' }).appendChild(copy);
    document.body.appendChild(host);
    try {
      const sheets = Array.from(copy.getElementsByTagName('style')).map(function (style) {
        return style.sheet;
      }).filter(Boolean);
      const ruled = copies.map(computedValues);
      sheets.forEach(function (sheet) { sheet.disabled = true; });
      originals.forEach(function (element, index) {
        const plain = computedValues(copies[index]);
        const declarations = [];
        RULED_PROPERTIES.forEach(function (property, k) {
          if (ruled[index][k] === plain[k]) return;
          declarations.push((WRITTEN_NAMES[property] || property) + ': ' + declaredValue(property, ruled[index][k]));
        });
        if (!declarations.length) return;
        const own = (element.getAttribute('style') || '').trim().replace(/;\s*$/, '');
        element.setAttribute('style', (own ? own + '; ' : '') + declarations.join('; '));
      });
    } finally {
      document.body.removeChild(host);
    }
    styles.forEach(function (style) { style.parentNode.removeChild(style); });
  }

  // The side a text from the file is placed by: its own x is the start of
  // the line, its end, or its middle, as its (or an enclosing element's)
  // text-anchor says; start when none does. Style rules are inline by now.
  const ANCHOR_SIDES = { start: 'left', middle: 'center', end: 'right' };

  // The last text-anchor among CSS declarations ("a: b; c: d"), or null.
  function declaredAnchor(declarations) {
    const last = Array.from(declarations.matchAll(/(?:^|;)\s*text-anchor\s*:\s*([a-z]+)/gi)).pop();
    return last ? last[1] : null;
  }

  function anchorSideOf(element) {
    for (let node = element; node && node.getAttribute; node = node.parentNode) {
      const value = declaredAnchor(node.getAttribute('style') || '') || node.getAttribute('text-anchor');
      if (value) return ANCHOR_SIDES[value.trim().toLowerCase()] || 'left';
    }
    return 'left';
  }

  // fabric names a gradient read from a file after its id there plus a
  // counter, and writes it back with "SVGID_" in front, so a design's ids
  // would grow with every save (undo steps add a counter too). The export
  // numbers the gradients afresh instead: a design keeps the ids of its
  // first save however often it is saved, and no two gradients share one.
  function numberGradients(objects) {
    let count = 0;
    objects.forEach(function (object) {
      leaves(object).forEach(function (leaf) {
        ['fill', 'stroke'].forEach(function (key) {
          if (leaf[key] instanceof fabric.Gradient) leaf[key].id = 'gradient-' + (count += 1);
        });
      });
    });
  }

  // The first picture of the design is its background when it covers the
  // whole design: the page exports its background picture that way, and
  // designs saved earlier carry it the same way.
  function backgroundPictureOf(pairs, options) {
    if (!(options.width > 0 && options.height > 0)) return null;
    const first = pairs.find(function (pair) { return pair[1] instanceof fabric.FabricImage; });
    if (!first) return null;
    const box = first[1].getBoundingRect();
    const covers = box.left <= 0.5 && box.top <= 0.5 &&
      box.left + box.width >= options.width - 0.5 && box.top + box.height >= options.height - 0.5;
    return covers ? first[1] : null;
  }

  async function decodes(source) {
    if (!/^data:image\//i.test(source)) return false;
    const picture = new Image();
    picture.src = source;
    try {
      await picture.decode();
      return true;
    } catch (error) {
      return false;
    }
  }

  // A left-out picture is an empty group, never null: fabric's parser fails
  // the whole design on a null.
  const leftOutPictures = new WeakSet();

  function leftOutPicture(source) {
    console.log('design picture left out: ' + source.slice(0, 80));
    const hole = new fabric.Group();
    leftOutPictures.add(hole);
    return hole;
  }

  // fabric reads every picture of a design, whatever its tag's case, prefix
  // or namespace, through the class registered for <image>. This one loads
  // only a picture carried in the file that decodes, by the element's own
  // address as a browser shows it (the href when the xlink:href is broken),
  // made its own xlink:href, which fabric reads before anything inherited or
  // in its style.
  class CarriedPicture extends fabric.FabricImage {
    static async fromElement(element, options, cssRules) {
      const sources = [element.getAttribute('xlink:href'), element.getAttribute('href')].map(function (source) {
        return (source || '').trim();
      });
      let kept = null;
      for (const source of sources) {
        if (await decodes(source)) {
          kept = source;
          break;
        }
      }
      if (!kept) return leftOutPicture(sources[0] || sources[1]);
      Array.from(element.attributes).forEach(function (attribute) {
        if (attribute.localName === 'href') element.removeAttributeNode(attribute);
      });
      element.setAttributeNS(XLINK_NAMESPACE, 'xlink:href', kept);
      // fabric writes a <use>'s style over its copy of a picture with the
      // picture's attributes in it, the address too, whose ";" leaves a
      // declaration without a colon: fabric's style reader throws on one.
      const style = element.getAttribute('style');
      const readable = (style || '').split(';').filter(function (part) { return part.includes(':'); });
      if (style) element.setAttribute('style', readable.join(';'));
      return (await super.fromElement(element, options, cssRules)) || leftOutPicture(kept);
    }
  }
  fabric.classRegistry.setSVGClass(CarriedPicture, 'image');

  // Whether `element` is or lies in a <use>, which fabric's expansion of
  // that <use> takes out of the document.
  function inUse(element) {
    for (let node = element; node && node.nodeType === Node.ELEMENT_NODE; node = node.parentNode) {
      if (node.namespaceURI === SVG_NAMESPACE && node.localName === 'use') return true;
    }
    return false;
  }

  // fabric expands <use> elements in document order and stops at the first
  // whose target it can't find, dropping every later one. A <use> whose
  // address is not "#id" of an element of the file (a browser draws nothing
  // for it either), or whose target is or lies in a <use> (gone once that
  // one is expanded), goes first, so that it costs only itself.
  function dropUnresolvedUses(doc) {
    Array.from(doc.getElementsByTagNameNS(SVG_NAMESPACE, 'use')).forEach(function (use) {
      const addresses = {};
      Array.from(use.attributes).forEach(function (attribute) {
        if (attribute.value) addresses[attribute.name] = attribute.value;
      });
      const address = addresses['xlink:href'] || addresses.href || '';
      const target = address.startsWith('#') ? doc.getElementById(address.slice(1)) : null;
      if (target && !inUse(target)) return;
      console.log('design reference left out: ' + address.slice(0, 80));
      use.remove();
    });
  }

  async function parseSvg(text) {
    const doc = svgDocument(text);
    if (!doc) return null;
    dropUnresolvedUses(doc);
    inlineStyleRules(doc);
    flattenTextSpans(doc);
    const pairs = [];
    const result = await fabric.parseSVGDocument(doc, function (element, object) {
      pairs.push([element, object]);
    });
    if (!result) return null;
    const rebuilt = new Map();
    const anchorSides = new Map();
    for (const pair of pairs) {
      if (pair[0].localName !== 'text') continue;
      let text = null;
      try {
        text = textFromRecord(pair[0], pair[1]);
      } catch (error) {
        text = null;
      }
      if (text) rebuilt.set(pair[1], text);
      else anchorSides.set(pair[1], anchorSideOf(pair[0]));
    }
    const options = result.options || {};
    let background = null;
    const backgroundObjects = new Set();
    const firstElement = (result.elements || [])[0];
    const first = pairs.find(function (pair) { return pair[0] === firstElement; });
    if (first) {
      background = backgroundRectOf(first[0], first[1], options);
      if (background) backgroundObjects.add(first[1]);
    }
    const backgroundImage = backgroundPictureOf(pairs, options);
    if (backgroundImage) backgroundObjects.add(backgroundImage);
    const anchored = [];
    const objects = (result.objects || []).filter(function (object) {
      return object && !backgroundObjects.has(object) && !leftOutPictures.has(object);
    }).map(function (object) {
      if (rebuilt.has(object)) return rebuilt.get(object);
      const editable = toEditableText(object);
      const side = anchorSides.get(object);
      if (side && side !== 'center') anchored.push({ text: editable, side: side });
      return editable;
    });
    return {
      objects: objects, options: options, background: background, backgroundImage: backgroundImage,
      anchored: anchored
    };
  }

  // The point of each text's anchored side, to keep when it is measured again.
  function anchorPoints(anchored) {
    return anchored.map(function (entry) {
      return { text: entry.text, side: entry.side, point: entry.text.getPositionByOrigin(entry.side, 'center') };
    });
  }

  function keepAnchorPoints(points) {
    points.forEach(function (entry) {
      entry.text.setPositionByOrigin(entry.point, entry.side, 'center');
      entry.text.setCoords();
    });
  }

  // Scales and centres the design's viewport (or its content) into the canvas.
  function placeDesign(canvas, objects, options) {
    const width = canvas.getWidth();
    const height = canvas.getHeight();
    if (options.width > 0 && options.height > 0) {
      const scale = Math.min(width / options.width, height / options.height);
      const dx = (width - options.width * scale) / 2;
      const dy = (height - options.height * scale) / 2;
      objects.forEach(function (object) {
        fabric.util.addTransformToObject(object, [scale, 0, 0, scale, dx, dy]);
        object.setCoords();
      });
      return objects;
    }
    const group = new fabric.Group(objects);
    group.scale(Math.min(width / group.width, height / group.height));
    canvas.add(group);
    canvas.centerObject(group);
    group.setCoords();
    const placed = group.removeAll();
    canvas.remove(group);
    return placed;
  }

  window.TessalySvg = {
    decodeBase64Utf8: decodeBase64Utf8,
    parse: parseSvg,
    place: placeDesign,
    withTextRecords: withTextRecords,
    numberGradients: numberGradients,
    anchorPoints: anchorPoints,
    keepAnchorPoints: keepAnchorPoints
  };
})();
