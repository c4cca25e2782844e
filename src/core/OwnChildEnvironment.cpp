#include "core/OwnChildEnvironment.h"

#include <QDesktopServices>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <map>
#include <optional>

namespace OwnChildEnvironment {

namespace {

using Value = std::optional<QByteArray>;

// Each variable we set, with the value the program was given.
std::map<QByteArray, Value>& givenValues()
{
    static std::map<QByteArray, Value> values;
    return values;
}

// Ours, with each variable we set back at the value the program was given.
QProcessEnvironment usersOwnEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, given] : givenValues()) {
        const QString key = QString::fromLocal8Bit(name);
        if (given)
            environment.insert(key, QString::fromLocal8Bit(*given));
        else
            environment.remove(key);
    }
    return environment;
}

} // namespace

void set(const char* name, const QByteArray& value)
{
    const Value before = qEnvironmentVariableIsSet(name) ? Value(qgetenv(name)) : std::nullopt;
    givenValues().try_emplace(QByteArray(name), before);
    qputenv(name, value);
}

bool openInUsersProgram(const QUrl& url)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) {
        QProcess process;
        process.setProgram(opener);
        process.setArguments({ url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded) });
        process.setProcessEnvironment(usersOwnEnvironment());
        if (process.startDetached())
            return true;
    }
    // Qt's own opener takes no environment: the program it starts gets ours.
    // Putting the user's back around it would mean setenv() while the web
    // engine's threads read theirs.
    return QDesktopServices::openUrl(url);
}

} // namespace OwnChildEnvironment
