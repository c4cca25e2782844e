// The editor's canvas: every function the native side calls is a global of
// the same name; answers go back as script messages.
(function () {
  'use strict';

  const {
    CUSTOM_PROPS, isText, isGroupLike, hasPaint, colorText, textModel, pathModel, refresh, leaves
  } = TessalyObjects;
  const { loadFamily, faceStyle, fontFaces, FontLoads } = TessalyFonts;
  const DEFAULT_BACKGROUND = '#ffffff';
  const COLOR_MERGE_MS = 500;
  const FONT_WAIT_MS = 3000;
  const NEW_TEXT_FAMILY = 'Mitr';

  // Drawing through per-object cache canvases is a hundred times slower than
  // drawing directly in a software-rendered page; designs are small enough
  // to draw in full every frame.
  fabric.BaseFabricObject.ownDefaults.objectCaching = false;

  const canvas = new fabric.Canvas('canvas', {
    width: 460,
    height: 460,
    preserveObjectStacking: true,
    backgroundColor: DEFAULT_BACKGROUND
  });

  // Ctrl+wheel, and a touchpad's pinch, which reaches the page as one, would
  // zoom the page that carries the canvas: the canvas keeps its size.
  window.addEventListener('wheel', function (event) {
    if (event.ctrlKey) event.preventDefault();
  }, { passive: false });

  const history = new CanvasHistory(function () {
    // Gradients carry the ids an export gives them, so that an export alone
    // changes no state and a restored state reads as the one it came from.
    TessalySvg.numberGradients(canvas.getObjects());
    return JSON.stringify(canvas.toObject(CUSTOM_PROPS));
  });
  // A preview (isAddToUndo true) has changed the canvas since the last step.
  let previewOpen = false;
  // The colours the active object had when the running brightness or
  // saturation drag began. Every call of the drag starts from them: grey and
  // black carry no hue, so building on the previous preview would lose it.
  let dragStart = null;
  // Set while history states are being restored, so their events record nothing.
  let restoring = false;
  const registeredFonts = new Map();
  const fontLoads = new FontLoads(canvas, post, registeredFonts, rerenderFamily);

  // ---- messages ----------------------------------------------------------

  function post(name, body) {
    const handlers = window.webkit && window.webkit.messageHandlers;
    if (handlers && handlers[name]) handlers[name].postMessage(body);
    else console.log('message ' + name + ' has no handler');
  }

  // The text being edited and its text when editing began or last recorded a
  // step. Typing records its step only when editing ends, but a text that
  // differs is already a change: Undo lights from the first key, so that
  // every way out of the editor knows there is something to save.
  let textEdit = null;

  function typedChange() {
    return !!textEdit && textEdit.target.isEditing && textEdit.target.text !== textEdit.startText;
  }

  function postUndoState() {
    const typed = typedChange();
    post('undoRedoState', { canUndo: typed || history.canUndo(), canRedo: !typed && history.canRedo() });
  }

  let idCounter = 0;
  function newId() {
    idCounter += 1;
    return 'obj-' + Date.now().toString(36) + '-' + idCounter + '-' + Math.random().toString(36).slice(2, 8);
  }

  // Native calls run one after another, also when one of them waits for a
  // Promise (loading a design, undo).
  let chain = Promise.resolve();
  function serial(fn) {
    return function () {
      const args = arguments;
      chain = chain.then(function () { return fn.apply(null, args); }).catch(function (error) {
        console.log('canvas call failed: ' + (error && error.message ? error.message : String(error)));
      });
    };
  }

  // ---- objects -------------------------------------------------------------

  function activeObject() {
    return canvas.getActiveObject() || null;
  }

  function activeTexts() {
    return canvas.getActiveObjects().filter(isText);
  }

  function postSelection() {
    const object = activeObject();
    if (!object) post('clickCanvasBlank', {});
    else if (isText(object)) post('clickCanvasTextItem', textModel(object));
    else post('clickCanvasPathItem', pathModel(object));
  }

  function ensureIds(objects) {
    objects.forEach(function (object) {
      if (!object.id) object.id = newId();
      if (isGroupLike(object)) ensureIds(object.getObjects());
    });
  }

  // ---- history -------------------------------------------------------------

  function commit(mergeKey) {
    previewOpen = false;
    dragStart = null;
    history.commit(mergeKey, COLOR_MERGE_MS);
    // The step holds what has been typed so far.
    if (textEdit) {
      textEdit.startText = textEdit.target.text;
      textEdit.posted = false;
    }
    postUndoState();
  }

  // What has been typed into `text`, as one step.
  function commitTyping(text) {
    refresh(text);
    commit();
  }

  // isAddToUndo true is a preview; false records one step.
  function applyChange(isAddToUndo, change) {
    const object = activeObject();
    if (!object) return;
    change(object);
    refresh(object);
    canvas.requestRenderAll();
    if (isAddToUndo === false) commit();
    else previewOpen = true;
  }

  async function restore(state) {
    restoring = true;
    try {
      canvas.discardActiveObject();
      await canvas.loadFromJSON(JSON.parse(state));
      canvas.requestRenderAll();
    } finally {
      restoring = false;
    }
    previewOpen = false;
    dragStart = null;
    postUndoState();
    post('clickCanvasBlank', {});
  }

  canvas.on('object:modified', function () {
    if (restoring) return;
    commit();
    // The native side keeps the selected object's angle and attributes.
    postSelection();
  });
  canvas.on('text:editing:entered', function (event) {
    textEdit = event.target ? { target: event.target, startText: event.target.text, posted: false } : null;
  });
  canvas.on('text:changed', function (event) {
    if (!textEdit || event.target !== textEdit.target) return;
    const typed = typedChange();
    if (typed !== textEdit.posted) {
      textEdit.posted = typed;
      postUndoState();
    }
  });
  canvas.on('text:editing:exited', function (event) {
    textEdit = null;
    if (!restoring && event.target) commitTyping(event.target);
  });
  canvas.on('selection:created', function () { if (!restoring) postSelection(); });
  canvas.on('selection:updated', function () { if (!restoring) postSelection(); });
  canvas.on('selection:cleared', function () { if (!restoring) post('clickCanvasBlank', {}); });

  // ---- fonts ---------------------------------------------------------------

  function rerenderFamily(family) {
    fabric.cache.clearFontCache(family);
    canvas.getObjects().forEach(function (object) {
      leaves(object).forEach(function (leaf) {
        if (isText(leaf) && (!family || leaf.fontFamily === family)) refresh(leaf);
      });
      object.setCoords();
    });
    canvas.requestRenderAll();
  }

  function usedFamilies() {
    const families = new Set();
    canvas.getObjects().forEach(function (object) {
      leaves(object).forEach(function (leaf) {
        if (isText(leaf) && leaf.fontFamily) families.add(leaf.fontFamily);
      });
    });
    return Array.from(families);
  }

  async function loadUsedFonts() {
    const families = usedFamilies();
    if (!families.length) return;
    const loads = families.map(function (family) { return loadFamily(family); });
    const timeout = new Promise(function (resolve) { setTimeout(resolve, FONT_WAIT_MS); });
    await Promise.race([Promise.all(loads), timeout]);
    families.forEach(rerenderFamily);
  }

  // ---- SVG -----------------------------------------------------------------

  // `token` names the design load; both answers carry it back.
  function fail(error, token) {
    post('loadSvgFail', { error: String(error && error.message ? error.message : error), token: Number(token) || 0 });
  }

  // The background picture stretched to cover the whole canvas, centred.
  function coverCanvas(image) {
    const width = canvas.getWidth();
    const height = canvas.getHeight();
    const scale = Math.max(width / image.width, height / image.height);
    image.set({
      scaleX: scale, scaleY: scale, angle: 0, skewX: 0, skewY: 0, flipX: false, flipY: false,
      originX: 'center', originY: 'center', left: width / 2, top: height / 2
    });
    return image;
  }

  async function loadDesignText(text, token) {
    fontLoads.forget();
    let parsed = null;
    try {
      parsed = await TessalySvg.parse(text);
    } catch (error) {
      fail(error, token);
      return;
    }
    if (!parsed) {
      fail('not an SVG document', token);
      return;
    }
    restoring = true;
    try {
      canvas.discardActiveObject();
      canvas.remove.apply(canvas, canvas.getObjects());
      // A design replaces the whole canvas, its background included.
      canvas.backgroundColor = parsed.background || DEFAULT_BACKGROUND;
      canvas.backgroundImage = parsed.backgroundImage ? coverCanvas(parsed.backgroundImage) : undefined;
      const placed = TessalySvg.place(canvas, parsed.objects, parsed.options);
      ensureIds(placed);
      placed.forEach(function (object) { canvas.add(object); });
    } finally {
      restoring = false;
    }
    // Texts were measured in a fallback if their fonts weren't there yet; the
    // file placed those from its own x by their start or end, which must stay
    // where it is when they are measured in their own font.
    const anchors = TessalySvg.anchorPoints(parsed.anchored);
    await loadUsedFonts();
    TessalySvg.keepAnchorPoints(anchors);
    canvas.requestRenderAll();
    history.reset();
    previewOpen = false;
    post('svgLoadSuccess', {
      width: parsed.options.width || 0, height: parsed.options.height || 0, token: Number(token) || 0
    });
    postUndoState();
  }

  // ---- the calls -----------------------------------------------------------

  const api = {};

  api.activeAttributes = function () {
    const object = activeObject();
    if (!object) return;
    const painted = leaves(object).find(function (leaf) { return hasPaint(leaf.fill); });
    if (!painted) return;
    const fill = painted.fill;
    const gradient = fill instanceof fabric.Gradient;
    const source = TessalyColor.parse(colorText(fill)) || [0, 0, 0, 1];
    const hsl = TessalyColor.rgbToHsl(source[0], source[1], source[2]);
    post('getBrightnessAndSaturation', {
      id: object.id || newId(),
      saturation: hsl.s,
      brightness: 100 - hsl.l,
      hue: hsl.h,
      fill: { id: newId(), gradientUnits: gradient ? String(fill.gradientUnits || '') : '' }
    });
  };

  api.hsltorgb = function (h, s, x, tag) {
    const rgb = TessalyColor.hslToRgb(h, s, 100 - Number(x));
    post('hsltorgb', { id: newId(), r: rgb.r, g: rgb.g, b: rgb.b, type: tag });
  };

  api.getFontAttributes = function () {
    const text = activeTexts()[0];
    if (!text) return;
    const weight = text.fontWeight;
    post('fontAttributes', {
      id: text.id || newId(),
      isBold: weight === 'bold' || Number(weight) >= 600,
      isItalic: text.fontStyle === 'italic',
      isUnderLine: !!text.underline,
      isUpper: !!text.isUpper,
      isVertical: !!text.isVertical
    });
  };

  function changeTexts(change, texts = activeTexts()) {
    if (!texts.length) return;
    texts.forEach(function (text) {
      change(text);
      refresh(text);
    });
    const object = activeObject();
    if (object) object.setCoords();
    canvas.requestRenderAll();
    commit();
  }

  api.setTextFontBold = function () {
    changeTexts(function (t) {
      const bold = t.fontWeight === 'bold' || Number(t.fontWeight) >= 600;
      t.set('fontWeight', bold ? 'normal' : 'bold');
    });
  };

  api.setTextFontItalic = function () {
    changeTexts(function (t) { t.set('fontStyle', t.fontStyle === 'italic' ? 'normal' : 'italic'); });
  };

  api.setTextFontUnderLine = function () {
    changeTexts(function (t) { t.set('underline', !t.underline); });
  };

  // The text as it reads without the vertical layout.
  function horizontalText(t) {
    return t.isVertical ? t.text.split('\n').join('') : t.text;
  }

  function verticalText(text) {
    return Array.from(text).filter(function (c) { return c !== '\n'; }).join('\n');
  }

  api.setTextFontUppercase = function () {
    changeTexts(function (t) {
      const shown = horizontalText(t);
      let next;
      if (!t.isUpper) {
        t.originalText = shown;
        t.isUpper = true;
        next = shown.toUpperCase();
      } else {
        t.isUpper = false;
        // Edits made while upper-cased are kept as they are.
        const unchanged = typeof t.originalText === 'string' && t.originalText.toUpperCase() === shown;
        next = unchanged ? t.originalText : shown;
      }
      t.set('text', t.isVertical ? verticalText(next) : next);
    });
  };

  api.setTextFontDirection = function () {
    changeTexts(function (t) {
      const shown = horizontalText(t);
      t.isVertical = !t.isVertical;
      t.set('text', t.isVertical ? verticalText(shown) : shown);
    });
  };

  // The family and face go to the texts of font load `request` as one step,
  // whatever is selected now; without a request, to the selected texts.
  api.setTextFontFamily = function (family, weight, style, request) {
    const face = weight === undefined ? null : faceStyle(weight, style);
    const texts = Number(request) > 0 ? fontLoads.takeTexts(Number(request)) : activeTexts();
    fabric.cache.clearFontCache(family);
    changeTexts(function (t) {
      t.set('fontFamily', family);
      if (face) t.set({ fontWeight: face.weight, fontStyle: face.style });
    }, texts);
    // A registered font that hasn't been fetched yet measures with a
    // fallback until it arrives.
    loadFamily(family, face).then(function () { rerenderFamily(family); });
  };

  api.pushLocalFont = function (jsonText) {
    let list;
    try {
      list = JSON.parse(jsonText);
    } catch (error) {
      console.log('pushLocalFont: the list is not JSON');
      return;
    }
    if (!Array.isArray(list)) return;
    list.forEach(function (entry) {
      if (!entry || typeof entry.fontFamily !== 'string' || typeof entry.path !== 'string') return;
      if (registeredFonts.has(entry.fontFamily)) return;
      try {
        const faces = fontFaces(entry.fontFamily, entry.path);
        document.fonts.add(faces.main);
        if (faces.extra) document.fonts.add(faces.extra);
        registeredFonts.set(entry.fontFamily, faces.main);
      } catch (error) {
        console.log('pushLocalFont: ' + entry.fontFamily + ': ' + error.message);
      }
    });
  };

  api.canvasClear = function (keepHistory) {
    fontLoads.forget();
    restoring = true;
    try {
      canvas.clear();
    } finally {
      restoring = false;
    }
    canvas.backgroundColor = DEFAULT_BACKGROUND;
    canvas.backgroundImage = undefined;
    canvas.requestRenderAll();
    previewOpen = false;
    if (keepHistory) commit();
    else {
      history.reset();
      postUndoState();
    }
  };

  // Runs `produce` with nothing selected, so no selection state leaks into
  // an export; a single selected object is selected again afterwards.
  function withoutSelection(produce) {
    const active = activeObject();
    const reselect = active && !(active instanceof fabric.ActiveSelection) && !active.isEditing;
    if (!reselect) {
      canvas.discardActiveObject();
      return produce();
    }
    restoring = true;
    try {
      canvas.discardActiveObject();
      return produce();
    } finally {
      canvas.setActiveObject(active);
      canvas.requestRenderAll();
      restoring = false;
    }
  }

  api.getSvgAsBase64ForResult = function (form) {
    const svg = withoutSelection(function () {
      TessalySvg.numberGradients(canvas.getObjects());
      return TessalySvg.withTextRecords(canvas.toSVG(), canvas.getObjects());
    });
    post('getSvgAsBase64', { id: newId(), base64: btoa(encodeURIComponent(svg)), form: form });
  };

  api.getLogoJpgPngBase64 = function (name, kind, width, height, opaque) {
    const jpeg = Number(kind) === 1;
    const target = Number(width) > 0 ? Number(width) : canvas.getWidth();
    const dataUrl = withoutSelection(function () {
      const previousBackground = canvas.backgroundColor;
      if (jpeg && opaque && !hasPaint(previousBackground)) canvas.backgroundColor = '#ffffff';
      try {
        return canvas.toDataURL({ format: jpeg ? 'jpeg' : 'png', multiplier: target / canvas.getWidth(), quality: 1 });
      } finally {
        canvas.backgroundColor = previousBackground;
      }
    });
    post('imageBase64', dataUrl);
  };

  function paintObject(object, color) {
    if (isText(object)) {
      object.set('fill', color);
      return;
    }
    leaves(object).forEach(function (leaf) {
      if (hasPaint(leaf.fill)) leaf.set('fill', color);
      leaf.dirty = true;
    });
    object.dirty = true;
  }

  api.setObjColor = function (color) {
    const object = activeObject();
    if (!object) return;
    paintObject(object, color);
    canvas.requestRenderAll();
    commit('color:' + (object.id || ''));
  };

  // The colours of `object`'s leaves: each plain fill, each gradient's stops.
  function paintOf(object) {
    return leaves(object).filter(function (leaf) { return hasPaint(leaf.fill); }).map(function (leaf) {
      if (leaf.fill instanceof fabric.Gradient) {
        return { leaf: leaf, stops: leaf.fill.colorStops.map(function (stop) { return stop.color; }) };
      }
      return { leaf: leaf, fill: leaf.fill };
    });
  }

  function recolor(object, kind, change) {
    if (!dragStart || dragStart.object !== object || dragStart.kind !== kind) {
      dragStart = { object: object, kind: kind, paint: paintOf(object) };
    }
    dragStart.paint.forEach(function (saved) {
      if (saved.stops) {
        saved.leaf.fill.colorStops.forEach(function (stop, index) {
          stop.color = TessalyColor.withHsl(saved.stops[index], change);
        });
        saved.leaf.dirty = true;
      } else {
        saved.leaf.set('fill', TessalyColor.withHsl(saved.fill, change));
      }
    });
    object.dirty = true;
  }

  api.setActiveBrightness = function (value, isAddToUndo) {
    applyChange(isAddToUndo, function (object) { recolor(object, 'brightness', { l: Number(value) }); });
  };

  api.setActiveSaturation = function (value, isAddToUndo) {
    applyChange(isAddToUndo, function (object) { recolor(object, 'saturation', { s: Number(value) }); });
  };

  // A multi-selection passes the opacity on to each of its objects and
  // stays opaque itself: its own opacity would be lost when it ends.
  api.setObjOpacity = function (percent, isAddToUndo) {
    const value = Number(percent);
    if (!Number.isFinite(value)) return;
    const opacity = Math.min(100, Math.max(0, value)) / 100;
    applyChange(isAddToUndo, function (object) {
      const targets = object instanceof fabric.ActiveSelection ? object.getObjects() : [object];
      targets.forEach(function (target) {
        target.set('opacity', opacity);
        target.dirty = true;
      });
    });
  };

  api.charSpacing = function (value, isAddToUndo) {
    if (!activeTexts().length) return;
    applyChange(isAddToUndo, function () {
      activeTexts().forEach(function (t) {
        t.set('charSpacing', Number(value));
        refresh(t);
      });
    });
  };

  api.changeRotate = function (degrees, isAddToUndo) {
    applyChange(isAddToUndo, function (object) { object.rotate(Number(degrees)); });
  };

  api.setFlipObjX = function () {
    applyChange(false, function (object) { object.set('flipX', !object.flipX); });
  };

  api.setFlipObjY = function () {
    applyChange(false, function (object) { object.set('flipY', !object.flipY); });
  };

  api.setCanvasBKGroundColor = function (color) {
    canvas.backgroundColor = color;
    canvas.backgroundImage = undefined;
    canvas.requestRenderAll();
    commit();
  };

  api.undoItem = async function () {
    // Typing not yet recorded becomes its step first, as leaving the text
    // does, so that Redo can bring it back.
    if (typedChange()) {
      commitTyping(textEdit.target);
    } else if (previewOpen) {
      // An unfinished preview is dropped.
      await restore(history.current());
      return;
    }
    const state = history.back();
    if (state !== null) await restore(state);
    else postUndoState();
  };

  api.redoItem = async function () {
    // Typing not yet recorded has already dropped what there was to redo.
    if (typedChange()) {
      postUndoState();
      return;
    }
    const state = history.forward();
    if (state !== null) await restore(state);
    else postUndoState();
  };

  api.copyItem = async function () {
    const object = activeObject();
    if (!object) return;
    const copy = await object.clone(CUSTOM_PROPS);
    copy.set({ left: copy.left + 10, top: copy.top + 10 });
    canvas.discardActiveObject();
    if (copy instanceof fabric.ActiveSelection) {
      copy.canvas = canvas;
      copy.forEachObject(function (child) {
        child.id = newId();
        canvas.add(child);
      });
      copy.setCoords();
    } else {
      copy.id = newId();
      if (isGroupLike(copy)) ensureIds(copy.getObjects());
      canvas.add(copy);
    }
    canvas.setActiveObject(copy);
    canvas.requestRenderAll();
    commit();
  };

  api.deleteItem = function () {
    const objects = canvas.getActiveObjects();
    if (!objects.length) return;
    canvas.discardActiveObject();
    canvas.remove.apply(canvas, objects);
    canvas.requestRenderAll();
    commit();
    post('clickCanvasBlank', {});
  };

  api.addText = function (text) {
    const item = new fabric.IText(String(text), {
      fontFamily: NEW_TEXT_FAMILY,
      fontSize: 48,
      fill: '#000000'
    });
    item.id = newId();
    canvas.add(item);
    canvas.centerObject(item);
    item.setCoords();
    canvas.setActiveObject(item);
    canvas.requestRenderAll();
    commit();
    // Until its font arrives the text is measured and drawn with a fallback.
    loadFamily(NEW_TEXT_FAMILY).then(function () { rerenderFamily(NEW_TEXT_FAMILY); });
  };

  api.setCanvasSize = function (width, height) {
    const size = { width: Number(width), height: Number(height) };
    // Sizing a canvas element, even to the size it has, drops its pixels and
    // allocates new ones; every design load asks for the size it already has.
    if (size.width !== canvas.getWidth() || size.height !== canvas.getHeight()) canvas.setDimensions(size);
    canvas.requestRenderAll();
  };

  api.loadSvgString = loadDesignText;

  api.loadSvgBase64 = async function (base64, token) {
    let text;
    try {
      text = TessalySvg.decodeBase64Utf8(base64);
    } catch (error) {
      fail('the design is not Base64', token);
      return;
    }
    await loadDesignText(text, token);
  };

  // The design of the load `token`, taken from the host over the channel.
  api.loadDesignFromHost = async function (token) {
    let design = null;
    try {
      design = await window.__tessalyTakeDesign(token);
    } catch (error) {
      design = null;
    }
    if (!design || typeof design.svg !== 'string') {
      fail('the host holds no design for this load', token);
      return;
    }
    if (design.base64) await api.loadSvgBase64(design.svg, token);
    else await loadDesignText(design.svg, token);
  };

  api.addSvgBase64 = async function (base64) {
    let parsed = null;
    try {
      parsed = await TessalySvg.parse(TessalySvg.decodeBase64Utf8(base64));
    } catch (error) {
      parsed = null;
    }
    if (!parsed || !parsed.objects.length) {
      console.log('addSvgBase64: the graphic is not an SVG');
      return;
    }
    const group = new fabric.Group(parsed.objects);
    ensureIds([group]);
    const side = Math.min(canvas.getWidth(), canvas.getHeight()) / 3;
    group.scale(side / Math.max(group.width, group.height, 1));
    canvas.add(group);
    canvas.centerObject(group);
    group.setCoords();
    canvas.setActiveObject(group);
    canvas.requestRenderAll();
    commit();
  };

  api.setCanvasBKGroundImage = async function (dataUrl) {
    if (!/^data:image\//i.test(String(dataUrl))) {
      console.log('setCanvasBKGroundImage: only pictures carried as data are taken');
      return;
    }
    let image;
    try {
      image = await fabric.FabricImage.fromURL(dataUrl);
    } catch (error) {
      console.log('setCanvasBKGroundImage: the picture did not load');
      return;
    }
    canvas.backgroundImage = coverCanvas(image);
    canvas.requestRenderAll();
    commit();
  };

  // gc() is there when the application exposes it to pages.
  api.collectGarbage = function () {
    if (typeof gc === 'function') gc();
  };

  Object.keys(api).forEach(function (name) {
    window[name] = serial(api[name]);
  });
  // Not serialised: a slow font must not hold up other calls.
  window.LoadFont = fontLoads.load.bind(fontLoads);

  // For tests and diagnostics.
  window.tessalyCanvas = canvas;
  window.tessalyHistory = history;
  window.tessalyIdle = function () { return chain; };

  history.reset();
})();
