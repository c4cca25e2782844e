#pragma once

#include <string>

namespace standin {

// The SVG rewritten so QSvgRenderer draws it as a browser would: QtSvg
// ignores the x/y of <tspan> (which is how fabric.js places every text run)
// and reads percentage lengths as plain numbers. Each positioned tspan
// becomes a <text> of its own at that position with the parent's attributes,
// and percentages on rects and images are resolved against the root viewport.
// Returns the input unchanged when it needs no rewrite or does not parse.
std::string svgForQtRenderer(const std::string& svg);

} // namespace standin
