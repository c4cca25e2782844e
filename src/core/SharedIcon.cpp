#include "core/SharedIcon.h"

#include <QHash>

QIcon sharedIcon(const QString& path)
{
    // Kept to the end of the process: icons must not outlive the application
    // object in a static's destructor.
    static auto* icons = new QHash<QString, QIcon>;
    auto found = icons->constFind(path);
    if (found == icons->constEnd())
        found = icons->insert(path, QIcon(path));
    return *found;
}
