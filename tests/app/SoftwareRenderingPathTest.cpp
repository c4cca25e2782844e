// When the application starts on software rendering, and that it never
// switches off GL integration without Qt Quick's software backend.

#include "app/SoftwareRenderingPath.h"

#include <gtest/gtest.h>

namespace {

using Machine = SoftwareRenderingPath::Machine;

TEST(SoftwareRenderingPathTest, BothVariablesOnlyWhereThereIsNoGpuAndTheUserSetNeither)
{
    const SoftwareRenderingPath::Variables both { { "QT_XCB_GL_INTEGRATION", "none" },
        { "QT_QUICK_BACKEND", "software" } };
    const struct {
        const char* name;
        Machine machine;
        bool software;
    } cases[] = {
        { "no render node", { false, false, false, false }, true },
        { "render node", { true, false, false, false }, false },
        { "render node, software GL forced", { true, true, false, false }, true },
        { "no GPU, user's GL integration", { false, false, true, false }, false },
        { "no GPU, user's Quick backend", { false, false, false, true }, false },
    };
    for (const auto& c : cases) {
        const SoftwareRenderingPath::Variables set = SoftwareRenderingPath::variablesFor(c.machine);
        EXPECT_EQ(set, c.software ? both : SoftwareRenderingPath::Variables {}) << c.name;
    }
}

} // namespace
