#include "core/RxBus.h"

#include <algorithm>

RxBus& RxBus::shared()
{
    static RxBus* bus = new RxBus; // lives until the process ends
    return *bus;
}

RxBus::RxBus() = default;

rx::DisposeBag& disposeBag()
{
    static auto* bag = new rx::DisposeBag; // never emptied
    return *bag;
}

QString RxBus::subscriptionKey(const QString& name, int priority)
{
    return name + separator + QString::number(priority);
}

QString RxBus::nameOfKey(const QString& key)
{
    return key.left(key.lastIndexOf(separator));
}

int RxBus::compareNumeric(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            // Compare whole digit runs by value: skip leading zeros, then the
            // longer run is larger, then the first differing digit decides.
            qsizetype si = i;
            qsizetype sj = j;
            while (si < a.size() && a[si] == QLatin1Char('0'))
                ++si;
            while (sj < b.size() && b[sj] == QLatin1Char('0'))
                ++sj;
            qsizetype ei = si;
            qsizetype ej = sj;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            if (ei - si != ej - sj)
                return ei - si < ej - sj ? -1 : 1;
            for (qsizetype k = 0; k < ei - si; ++k) {
                if (a[si + k] != b[sj + k])
                    return a[si + k] < b[sj + k] ? -1 : 1;
            }
            i = ei;
            j = ej;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j] ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

int RxBus::priorityOfKey(const QString& key)
{
    const QStringList pieces = key.split(separator, Qt::SkipEmptyParts);
    if (pieces.isEmpty())
        return 0;
    bool ok = false;
    const int value = pieces.last().toInt(&ok, 10);
    return ok ? value : 0;
}

std::vector<std::any> RxBus::subjectsMatching(const QString& name) const
{
    std::vector<std::pair<QString, std::any>> matching;
    for (auto& [key, subject] : m_subjects.snapshot()) {
        if (key.startsWith(name))
            matching.emplace_back(key, subject);
    }
    std::sort(matching.begin(), matching.end(),
        [](const auto& a, const auto& b) { return compareNumeric(a.first, b.first) > 0; });
    std::vector<std::any> subjects;
    subjects.reserve(matching.size());
    for (auto& entry : matching)
        subjects.push_back(std::move(entry.second));
    return subjects;
}

void RxBus::unsubscribe(const QString& key)
{
    const std::optional<int> count = m_subscriptionCounts.get(key);
    if (!count)
        return;
    if (*count != 1) {
        m_subscriptionCounts.set(key, *count - 1);
        return;
    }
    QStringList pieces = key.split(separator, Qt::SkipEmptyParts);
    if (!pieces.isEmpty())
        pieces.removeLast();
    const QString name = pieces.join(separator);

    m_subjects.removeValue(key);
    m_subscriptionCounts.removeValue(key);

    const auto counts = m_subscriptionCounts.snapshot();
    const bool nameStillUsed
        = std::any_of(counts.begin(), counts.end(), [&](const auto& entry) { return entry.first.startsWith(name); });
    if (nameStillUsed)
        return;
    if (std::optional<NotificationCenter::Token> token = m_nsObservers.removeValue(name))
        NotificationCenter::defaultCenter().removeObserver(*token);
}

int RxBus::subscriptionTotalCount() const
{
    int total = 0;
    for (const auto& [key, count] : m_subscriptionCounts.snapshot())
        total += count;
    return total;
}

void RxBus::removeAllStickyEvents()
{
    m_stickyMap.removeAll();
}

// --- notification flavour ---------------------------------------------------

void RxBus::deliverNotification(const Notification& notification)
{
    for (const std::any& subject : subjectsMatching(notification.name)) {
        if (auto* typed = std::any_cast<std::shared_ptr<rx::PublishSubject<Notification>>>(&subject))
            (*typed)->onNext(notification);
    }
}

rx::Observable<Notification> RxBus::asObservable(const QString& notificationName, bool sticky, int priority)
{
    const QString key = subscriptionKey(notificationName, priority);
    {
        std::lock_guard lock(m_locker);
        if (!m_subjects.get(key))
            m_subjects.set(key, std::any(rx::PublishSubject<Notification>::create()));
        if (!m_nsObservers.get(notificationName)) {
            const auto token = NotificationCenter::defaultCenter().addObserver(
                notificationName, [this](const Notification& n) { deliverNotification(n); });
            m_nsObservers.set(notificationName, token);
        }
    }
    auto subject = std::any_cast<std::shared_ptr<rx::PublishSubject<Notification>>>(*m_subjects.get(key));
    rx::Observable<Notification> counted = countedObservable<Notification>(key, subject);
    if (!sticky)
        return counted;
    std::optional<Notification> stored = removeSticky(notificationName);
    if (!stored)
        return counted;
    return withStickyEvent<Notification>(notificationName, counted, *stored);
}

void RxBus::post(const QString& notificationName, const QVariantMap& userInfo, bool sticky)
{
    post(Notification { notificationName, userInfo }, sticky);
}

void RxBus::post(const Notification& notification, bool sticky)
{
    if (sticky)
        m_stickyMap.set(notification.name, std::any(notification));
    NotificationCenter::defaultCenter().post(notification);
}

std::optional<Notification> RxBus::removeSticky(const QString& notificationName)
{
    std::optional<std::any> value = m_stickyMap.removeValue(notificationName);
    if (!value)
        return std::nullopt;
    if (auto* typed = std::any_cast<Notification>(&*value))
        return *typed;
    return std::nullopt;
}

std::optional<Notification> RxBus::stickyNotification(const QString& notificationName) const
{
    std::optional<std::any> value = m_stickyMap.get(notificationName);
    if (!value)
        return std::nullopt;
    if (auto* typed = std::any_cast<Notification>(&*value))
        return *typed;
    return std::nullopt;
}

// --- description --------------------------------------------------------------

namespace {
// The stored values are type-erased; they are named by the event or
// notification name they are kept under.
QString describeSubject(const QString& name)
{
    return QStringLiteral("Optional(PublishSubject<%1>)").arg(name);
}

QString describeStored(const QString& name)
{
    return QStringLiteral("Optional(%1)").arg(name);
}
} // namespace

QString RxBus::description() const
{
    QString text;
    text += QStringLiteral("Subscription Total Count: %1\n").arg(subscriptionTotalCount());
    text += QStringLiteral("Subscription List:\n");
    auto subjects = m_subjects.snapshot();
    std::vector<QString> keys;
    for (const auto& [key, subject] : subjects)
        keys.push_back(key);
    std::sort(keys.begin(), keys.end(), [](const QString& a, const QString& b) { return compareNumeric(a, b) > 0; });
    for (const QString& key : keys) {
        text += QStringLiteral("\t%1\n").arg(key);
        text += QStringLiteral("\t\tPriority: %1, Subject: %2, Count: %3\n")
                    .arg(priorityOfKey(key))
                    .arg(describeSubject(nameOfKey(key)))
                    .arg(m_subscriptionCounts.get(key).value_or(0));
    }
    if (subjects.empty())
        text += QStringLiteral("\tEmpty\n");

    text += QStringLiteral("NSObserver List:\n");
    const auto observers = m_nsObservers.snapshot();
    for (const auto& [name, token] : observers) {
        text += QStringLiteral("\t%1\n").arg(name);
        text += QStringLiteral("\t\tNSObserver: %1\n").arg(token);
    }
    if (observers.empty())
        text += QStringLiteral("\tEmpty\n");

    text += QStringLiteral("Sticky List:\n");
    const auto sticky = m_stickyMap.snapshot();
    for (const auto& [name, value] : sticky) {
        text += QStringLiteral("\t%1\n").arg(name);
        text += QStringLiteral("\t\tSubject: %1\n").arg(describeStored(name));
    }
    if (sticky.empty())
        text += QStringLiteral("\tEmpty\n");
    return text;
}

// --- context-bound subscriptions ------------------------------------------------

namespace {
// A child of the context whose destruction ends the subscription; children
// go when their parent does, so the handler never outlives the context.
class SubscriptionGuard final : public QObject {
public:
    SubscriptionGuard(QObject* context, rx::DisposablePtr subscription)
        : QObject(context)
        , m_subscription(std::move(subscription))
    {
    }
    ~SubscriptionGuard() override { m_subscription->dispose(); }

private:
    rx::DisposablePtr m_subscription;
};
} // namespace

rx::DisposablePtr bindToContext(QObject* context, rx::DisposablePtr subscription)
{
    if (!context) {
        subscription->dispose();
        return subscription;
    }
    new SubscriptionGuard(context, subscription);
    return subscription;
}
