#pragma once

#include "globals/EditorModule.h"

// The editor as linked into a program: what the module hands out, and what
// programs that link the editor themselves (tests, tools) use. Linking it
// installs it with EditorModule::useLinked() before main().
EditorModuleInterface* linkedEditor();
