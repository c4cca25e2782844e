#pragma once

#include <QByteArray>
#include <QList>
#include <utility>

// Where the machine has no GPU, creating Qt's shared OpenGL context on
// software GL costs more than the rest of the start-up together. There the
// application starts without GL integration and with Qt Quick's software
// backend. Both go together: without GL integration alone, the canvas's
// Qt Quick view gets no renderer and stays blank. A user's own setting of
// either variable is left as it stands and adds nothing.
class SoftwareRenderingPath {
public:
    using Variables = QList<std::pair<QByteArray, QByteArray>>;

    struct Machine {
        bool hasRenderNode = false;
        bool softwareGlForced = false;
        bool userSetGlIntegration = false;
        bool userSetQuickBackend = false;
    };

    // The environment variables to set for this machine, none or both.
    static Variables variablesFor(const Machine& machine);

    // Looks at this machine and this process's environment.
    static Machine thisMachine();

    // Sets the variables; call in main() before the application object.
    static void applyBeforeApplication();
};
