#include "app/SoftwareRenderingPath.h"

#include "core/OwnChildEnvironment.h"

#include <QDir>

namespace {
constexpr const char* glIntegration = "QT_XCB_GL_INTEGRATION";
constexpr const char* quickBackend = "QT_QUICK_BACKEND";
} // namespace

SoftwareRenderingPath::Variables SoftwareRenderingPath::variablesFor(const Machine& machine)
{
    const bool hasGpu = machine.hasRenderNode && !machine.softwareGlForced;
    if (hasGpu || machine.userSetGlIntegration || machine.userSetQuickBackend)
        return {};
    return { { glIntegration, "none" }, { quickBackend, "software" } };
}

SoftwareRenderingPath::Machine SoftwareRenderingPath::thisMachine()
{
    Machine machine;
    // A GPU the process may render on shows up as a DRM render node.
    machine.hasRenderNode
        = !QDir(QStringLiteral("/dev/dri")).entryList({ QStringLiteral("renderD*") }, QDir::System).isEmpty();
    const QByteArray forced = qgetenv("LIBGL_ALWAYS_SOFTWARE");
    machine.softwareGlForced = !forced.isEmpty() && forced != "0" && forced.toLower() != "false";
    machine.userSetGlIntegration = qEnvironmentVariableIsSet(glIntegration);
    machine.userSetQuickBackend = qEnvironmentVariableIsSet(quickBackend);
    return machine;
}

void SoftwareRenderingPath::applyBeforeApplication()
{
    for (const auto& [name, value] : variablesFor(thisMachine()))
        OwnChildEnvironment::set(name.constData(), value);
}
