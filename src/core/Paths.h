#pragma once

#include <QString>

// The folder of run-time files read from disk (canvas page, shipped fonts).
// The environment variable TESSALY_SHARE_DIR overrides the build's folder.
QString shareDirectory();
