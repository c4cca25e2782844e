#include "globals/AppGlobals.h"

#include "core/DeviceIdentity.h"
#include "core/ReplyLimits.h"

#include <QCloseEvent>
#include <QCoreApplication>

const QString& deviceUUID()
{
    static const QString uuid = stableDeviceUUID();
    return uuid;
}

const QString& appVersion()
{
    static const QString version = [] {
        const QString v = QCoreApplication::applicationVersion();
        return v.isEmpty() ? QStringLiteral("Unknown") : v;
    }();
    return version;
}

std::chrono::milliseconds longestEditorSave()
{
    return saveSvgAnswerTimeout + ReplyLimits::boundsFor(ReplyKind::Upload).deadline
        + ReplyLimits::boundsFor(ReplyKind::Json).deadline + ReplyLimits::boundsFor(ReplyKind::DesignFile).deadline;
}

bool canQuitWithoutSaving = true;

namespace {
EditLogoWindowOpener& opener()
{
    static EditLogoWindowOpener instance;
    return instance;
}
} // namespace

void setEditLogoWindowOpener(EditLogoWindowOpener newOpener)
{
    opener() = std::move(newOpener);
}

void openEditLogoWindow(DesignId itemId, const QString& svg, bool fromMyDesignsView)
{
    if (opener())
        opener()(itemId, svg, fromMyDesignsView);
}

namespace {
std::function<bool()>& endingQuery()
{
    static std::function<bool()> instance;
    return instance;
}
} // namespace

void setApplicationEndingQuery(std::function<bool()> query)
{
    endingQuery() = std::move(query);
}

bool closesWithoutAsking(const QCloseEvent& close)
{
    return !close.spontaneous() && endingQuery() && endingQuery()();
}
