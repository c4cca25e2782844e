#pragma once

#include <QString>

// Where an installed row's file lies: a Fontsource package file (relative to
// the npm font folder) or a Debian package's absolute path. Empty for a row
// that neither source carries.
QString installedFontFileFor(const QString& fileName);
