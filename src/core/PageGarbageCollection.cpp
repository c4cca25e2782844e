#include "core/PageGarbageCollection.h"

#include "core/OwnChildEnvironment.h"

#include <QtGlobal>

namespace {
constexpr const char* chromiumFlags = "QTWEBENGINE_CHROMIUM_FLAGS";
constexpr const char* scriptEngineFlags = "--js-flags";
} // namespace

QByteArray PageGarbageCollection::flagsExposingGc(const QByteArray& flags)
{
    if (flags.contains(scriptEngineFlags))
        return flags;
    const QByteArray exposeGc = QByteArray(scriptEngineFlags) + "=--expose-gc";
    return flags.trimmed().isEmpty() ? exposeGc : flags + ' ' + exposeGc;
}

void PageGarbageCollection::exposeBeforeApplication()
{
    OwnChildEnvironment::set(chromiumFlags, flagsExposingGc(qgetenv(chromiumFlags)));
}
