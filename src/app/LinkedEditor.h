#pragma once

#include "app/EditorModule.h"

// The editor as linked into a program: what the module hands out, and what
// programs that link the editor themselves (tests, tools) install with
// EditorModule::useLinked().
EditorModuleInterface* linkedEditor();
