// The canvas's undo history: snapshots of the whole canvas and an index.
(function () {
  'use strict';

  class CanvasHistory {
    constructor(takeSnapshot) {
      this.takeSnapshot = takeSnapshot;
      this.states = [];
      this.index = -1;
      this.lastMerge = null;
    }

    canUndo() { return this.index > 0; }
    canRedo() { return this.index < this.states.length - 1; }
    current() { return this.states[this.index]; }

    // Forget everything: the present state becomes the only one.
    reset() {
      this.states = [this.takeSnapshot()];
      this.index = 0;
      this.lastMerge = null;
    }

    // Records the present state as one step after the current one and drops
    // the redo tail. A step with the same merge key within the merge window
    // replaces the previous step instead.
    commit(mergeKey, mergeWindowMs) {
      const now = Date.now();
      const merging = mergeKey && this.lastMerge && this.lastMerge.key === mergeKey &&
        now - this.lastMerge.time <= mergeWindowMs && this.index > 0 &&
        this.index === this.states.length - 1;
      const state = this.takeSnapshot();
      if (merging) {
        this.states[this.index] = state;
      } else if (state !== this.current()) {
        // A change that changed nothing is no step.
        this.states.splice(this.index + 1);
        this.states.push(state);
        this.index = this.states.length - 1;
      }
      this.lastMerge = mergeKey ? { key: mergeKey, time: now } : null;
    }

    // Moves one step back or forward; the state to show, or null.
    back() {
      if (!this.canUndo()) return null;
      this.index -= 1;
      this.lastMerge = null;
      return this.current();
    }

    forward() {
      if (!this.canRedo()) return null;
      this.index += 1;
      this.lastMerge = null;
      return this.current();
    }
  }

  window.CanvasHistory = CanvasHistory;
})();
