#pragma once

// Where a shipped font file lies. The font catalogue sits above the editor,
// so it installs its resolver here at start-up (it also registers the font).

#include <QString>
#include <functional>

using LocalFontPathResolver = std::function<QString(const QString& fontName)>;

void setLocalFontPathResolver(LocalFontPathResolver resolver);
// The absolute path of the shipped font `fontName`; empty when no resolver
// is installed or the font is unknown.
QString registerLocalFontReturningPath(const QString& fontName);
