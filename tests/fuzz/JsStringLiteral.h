#pragma once

// An independent reader of JavaScript string literals, for checking the
// literals the native side writes into page scripts.

#include <QString>
#include <optional>
#include <string>

// Reads the string literal that starts at `pos` in `source` as a strict-mode
// ECMAScript parser does and moves `pos` past its closing quote. Gives the
// literal's value as UTF-16 code units, or nothing when no complete literal
// starts there. Raw U+2028 and U+2029, which engines before ES2019 refuse
// inside strings, are refused too.
std::optional<std::u16string> readJsStringLiteral(const QString& source, qsizetype& pos);
