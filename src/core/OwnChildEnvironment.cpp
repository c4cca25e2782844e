#include "core/OwnChildEnvironment.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <map>
#include <memory>
#include <unistd.h>

namespace OwnChildEnvironment {

namespace {

using Value = std::optional<QByteArray>;

// Each variable we set, with the value the program was given.
std::map<QByteArray, Value>& givenValues()
{
    static std::map<QByteArray, Value> values;
    return values;
}

std::optional<QProcessEnvironment>& environmentForUsers()
{
    static std::optional<QProcessEnvironment> environment;
    return environment;
}

// Ours, with each variable we set back at the value the program was given.
QProcessEnvironment usersOwnEnvironment()
{
    if (environmentForUsers())
        return *environmentForUsers();
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

std::chrono::milliseconds& verdictDelay()
{
    static std::chrono::milliseconds delay { 5000 };
    return delay;
}

// Qt's own opener takes no environment: the program it starts gets ours.
// Putting the user's back around it would mean setenv() while the web
// engine's threads read theirs.
bool openWithQt(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace

void set(const char* name, const QByteArray& value)
{
    const Value before = qEnvironmentVariableIsSet(name) ? Value(qgetenv(name)) : std::nullopt;
    givenValues().try_emplace(QByteArray(name), before);
    qputenv(name, value);
}

std::chrono::milliseconds openerVerdictDelay()
{
    return verdictDelay();
}

void setOpenerVerdictDelay(std::chrono::milliseconds delay)
{
    verdictDelay() = delay;
}

void setUsersEnvironment(std::optional<QProcessEnvironment> environment)
{
    environmentForUsers() = std::move(environment);
}

void openInUsersProgram(const QUrl& url, std::function<void(bool opened)> answer)
{
    auto answered = std::make_shared<bool>(false);
    const auto answerOnce = [answer = std::move(answer), answered](bool opened) {
        if (*answered)
            return;
        *answered = true;
        if (answer)
            answer(opened);
    };
    const QProcessEnvironment environment = usersOwnEnvironment();
    const QString path = environment.value(QStringLiteral("PATH"));
    const QString opener = QStandardPaths::findExecutable(
        QStringLiteral("xdg-open"), path.isEmpty() ? QStringList() : path.split(QDir::listSeparator()));
    if (opener.isEmpty()) {
        answerOnce(openWithQt(url));
        return;
    }
    // Never deleted while xdg-open runs, which would kill it: it goes once
    // xdg-open has ended, or never, if this program ends first.
    auto* process = new QProcess;
    process->setProgram(opener);
    process->setArguments({ url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded) });
    process->setProcessEnvironment(environment);
    // Nothing ties it to this program: no pipe to it, and a session of its own.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setChildProcessModifier([] { ::setsid(); });
    QObject::connect(
        process, &QProcess::finished, process, [process, answerOnce](int exitCode, QProcess::ExitStatus status) {
            answerOnce(status == QProcess::NormalExit && exitCode == 0);
            process->deleteLater();
        });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, answered, answerOnce, url](auto error) {
        if (error != QProcess::FailedToStart)
            return;
        process->deleteLater();
        if (!*answered)
            answerOnce(openWithQt(url));
    });
    QTimer::singleShot(verdictDelay(), process, [answerOnce] { answerOnce(true); });
    process->start();
}

} // namespace OwnChildEnvironment
