// What the page needs to know about fabric objects: kinds, paint, leaves,
// and the records it reports about a selection.
(function () {
  'use strict';

  // Our own properties, kept in history snapshots and copies.
  const CUSTOM_PROPS = ['id', 'isUpper', 'isVertical', 'originalText'];

  function isText(object) {
    return object instanceof fabric.FabricText;
  }

  function isGroupLike(object) {
    return object instanceof fabric.Group;
  }

  function hasPaint(fill) {
    return fill !== null && fill !== undefined && fill !== '' && fill !== 'none' && fill !== 'transparent';
  }

  // A gradient reads as its first stop, the one with the smallest offset
  // (fabric keeps the stops of a parsed SVG gradient in reverse).
  function colorText(fill) {
    if (fill instanceof fabric.Gradient) {
      const first = fill.colorStops.reduce(function (best, stop) {
        return !best || stop.offset < best.offset ? stop : best;
      }, null);
      return first ? first.color : '';
    }
    if (typeof fill === 'string') return fill;
    return '';
  }

  function textModel(object) {
    return {
      id: object.id || '',
      type: object.type,
      text: object.text,
      fill: colorText(object.fill),
      opacity: String(object.opacity),
      fontFamily: object.fontFamily || '',
      fontWeight: String(object.fontWeight || 'normal'),
      fontStyle: String(object.fontStyle || 'normal'),
      fontSize: String(object.fontSize),
      charSpacing: String(object.charSpacing || 0),
      lineHeight: String(object.lineHeight),
      angle: normalisedAngle(object.angle)
    };
  }

  // A multi-selection stays opaque itself; its objects carry the opacity.
  function shownOpacity(object) {
    if (object instanceof fabric.ActiveSelection && object.size() > 0) return object.item(0).opacity;
    return object.opacity;
  }

  function pathModel(object) {
    return {
      id: object.id || '',
      type: object.type,
      opacity: String(shownOpacity(object)),
      angle: normalisedAngle(object.angle)
    };
  }

  function normalisedAngle(angle) {
    return ((Math.round(angle || 0) % 360) + 360) % 360;
  }

  function refresh(object) {
    if (isText(object)) object.initDimensions();
    object.setCoords();
    object.dirty = true;
  }

  // Leaf objects of `object` (itself when it is not a group).
  function leaves(object) {
    if (!isGroupLike(object)) return [object];
    return object.getObjects().reduce(function (all, child) { return all.concat(leaves(child)); }, []);
  }

  window.TessalyObjects = {
    CUSTOM_PROPS: CUSTOM_PROPS,
    isText: isText,
    isGroupLike: isGroupLike,
    hasPaint: hasPaint,
    colorText: colorText,
    textModel: textModel,
    pathModel: pathModel,
    normalisedAngle: normalisedAngle,
    refresh: refresh,
    leaves: leaves
  };
})();
