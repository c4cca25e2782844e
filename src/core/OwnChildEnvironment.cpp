#include "core/OwnChildEnvironment.h"

#include <map>
#include <optional>

namespace OwnChildEnvironment {

namespace {

using Value = std::optional<QByteArray>;

Value current(const char* name)
{
    return qEnvironmentVariableIsSet(name) ? Value(qgetenv(name)) : std::nullopt;
}

void put(const QByteArray& name, const Value& value)
{
    if (value)
        qputenv(name.constData(), *value);
    else
        qunsetenv(name.constData());
}

// Each variable we set, with the value the program was given.
std::map<QByteArray, Value>& givenValues()
{
    static std::map<QByteArray, Value> values;
    return values;
}

} // namespace

void set(const char* name, const QByteArray& value)
{
    givenValues().try_emplace(QByteArray(name), current(name));
    qputenv(name, value);
}

void whileUsersOwn(const std::function<void()>& open)
{
    std::map<QByteArray, Value> ours;
    for (const auto& [name, given] : givenValues()) {
        ours[name] = current(name.constData());
        put(name, given);
    }
    open();
    for (const auto& [name, value] : ours)
        put(name, value);
}

} // namespace OwnChildEnvironment
