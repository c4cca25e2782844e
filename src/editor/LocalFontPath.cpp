#include "editor/LocalFontPath.h"

namespace {
LocalFontPathResolver& installedResolver()
{
    static LocalFontPathResolver resolver;
    return resolver;
}
} // namespace

void setLocalFontPathResolver(LocalFontPathResolver resolver)
{
    installedResolver() = std::move(resolver);
}

QString registerLocalFontReturningPath(const QString& fontName)
{
    return installedResolver() ? installedResolver()(fontName) : QString();
}
