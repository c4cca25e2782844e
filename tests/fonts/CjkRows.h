#pragma once

#include "fonts/FontTables.h"

#include <QLatin1Char>
#include <QString>

// The CJK row whose file name begins with `stem` and its spaces.
inline QString cjkRow(const QString& stem)
{
    for (const char16_t* name : cjkFonts()) {
        const QString row = QString::fromUtf16(name);
        if (row.startsWith(stem + QLatin1Char(' ')))
            return row;
    }
    return {};
}
