#pragma once

#include <QString>

// The folder of run-time files read from disk (canvas page, shipped fonts,
// videos): ../share/tessaly from the program's folder. The environment
// variable TESSALY_SHARE_DIR names another one.
QString shareDirectory();
