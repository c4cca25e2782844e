#pragma once

// The process-wide event bus. Events are small structs with a
// `static constexpr const char* name` equal to their unqualified type name,
// nested in namespaces named after the screen that owns them:
//
//   namespace ContentViewEventBus {
//   struct ToastEvent { static constexpr const char* name = "ToastEvent"; QString text; };
//   }
//
// Delivery is synchronous on the posting thread, higher priorities first.

#include "core/NotificationCenter.h"
#include "core/Reactive.h"
#include "core/SynchronizedValues.h"

#include <QObject>
#include <QString>
#include <any>
#include <concepts>
#include <functional>
#include <mutex>
#include <optional>
#include <typeinfo>

template <class T>
concept BusEvent = requires {
    {
        T::name
    } -> std::convertible_to<const char*>;
};

class RxBus {
public:
    static RxBus& shared();

    template <BusEvent T> void post(const T& event, bool sticky = false)
    {
        const QString name = QString::fromLatin1(T::name);
        if (sticky)
            m_stickyMap.set(name, std::any(event));
        for (const std::any& subject : subjectsMatching(name)) {
            if (auto* typed = std::any_cast<std::shared_ptr<rx::PublishSubject<T>>>(&subject))
                (*typed)->onNext(event);
        }
    }

    template <BusEvent T> rx::Observable<T> asObservable(bool sticky = false, int priority = 0)
    {
        const QString key = subscriptionKey(QString::fromLatin1(T::name), priority);
        {
            std::lock_guard lock(m_locker);
            if (!m_subjects.get(key))
                m_subjects.set(key, std::any(rx::PublishSubject<T>::create()));
        }
        auto subject = std::any_cast<std::shared_ptr<rx::PublishSubject<T>>>(*m_subjects.get(key));
        rx::Observable<T> counted = countedObservable<T>(key, subject);
        if (!sticky)
            return counted;
        std::optional<T> stored = removeSticky<T>();
        if (!stored)
            return counted;
        return withStickyEvent<T>(QString::fromLatin1(T::name), counted, *stored);
    }

    template <BusEvent T> std::optional<T> removeSticky()
    {
        std::optional<std::any> value = m_stickyMap.removeValue(QString::fromLatin1(T::name));
        if (!value)
            return std::nullopt;
        if (auto* typed = std::any_cast<T>(&*value))
            return *typed;
        return std::nullopt;
    }

    template <BusEvent T> std::optional<T> stickyEvent() const
    {
        std::optional<std::any> value = m_stickyMap.get(QString::fromLatin1(T::name));
        if (!value)
            return std::nullopt;
        if (auto* typed = std::any_cast<T>(&*value))
            return *typed;
        return std::nullopt;
    }

    void removeAllStickyEvents();

    // Notification flavour, over the bus's own notification centre.
    rx::Observable<Notification> asObservable(const QString& notificationName, bool sticky = false, int priority = 0);
    void post(const QString& notificationName, const QVariantMap& userInfo = {}, bool sticky = false);
    void post(const Notification& notification, bool sticky = false);
    std::optional<Notification> removeSticky(const QString& notificationName);
    std::optional<Notification> stickyNotification(const QString& notificationName) const;

    QString description() const;

    // Literal comparison in which digit runs compare by numeric value.
    static int compareNumeric(const QString& a, const QString& b);
    static int priorityOfKey(const QString& key);

    RxBus();
    RxBus(const RxBus&) = delete;
    RxBus& operator=(const RxBus&) = delete;

private:
    static constexpr QChar separator = QLatin1Char('_');
    static QString subscriptionKey(const QString& name, int priority);
    // The event or notification name of a subscription key.
    static QString nameOfKey(const QString& key);

    // Subjects whose key begins with `name`, highest key first.
    std::vector<std::any> subjectsMatching(const QString& name) const;

    template <class T>
    rx::Observable<T> countedObservable(const QString& key, std::shared_ptr<rx::PublishSubject<T>> subject)
    {
        return rx::Observable<T>([this, key, subject](rx::Observer<T> observer) {
            m_subscriptionCounts.modify(key, [](std::optional<int> count) { return count.value_or(0) + 1; });
            rx::DisposablePtr inner = subject->subscribe(std::move(observer));
            return rx::makeDisposable([this, key, inner] {
                inner->dispose();
                unsubscribe(key);
            });
        });
    }

    // `live` merged with one delivery of the stored sticky `event`. A
    // subscription disposed before that delivery puts the event back, unless
    // a newer one has been stored since.
    template <class T> rx::Observable<T> withStickyEvent(const QString& name, rx::Observable<T> live, T event)
    {
        return rx::Observable<T>([this, name, live, event](rx::Observer<T> observer) -> rx::DisposablePtr {
            auto pending = std::make_shared<std::atomic<bool>>(true);
            const rx::Observable<T> once([pending, event](rx::Observer<T> onNext) -> rx::DisposablePtr {
                rx::CurrentThreadScheduler::schedule([pending, onNext, event] {
                    if (pending->exchange(false))
                        onNext(event);
                });
                return rx::makeDisposable([] {});
            });
            rx::DisposablePtr inner = rx::Observable<T>::merge(live, once).subscribe(std::move(observer));
            return rx::makeDisposable([this, name, inner, pending, event] {
                inner->dispose();
                if (pending->exchange(false))
                    m_stickyMap.modify(name,
                        [&event](std::optional<std::any> current) { return current ? *current : std::any(event); });
            });
        });
    }

    void unsubscribe(const QString& key);
    int subscriptionTotalCount() const;
    void deliverNotification(const Notification& notification);

    std::mutex m_locker;
    SynchronizedValues<QString, std::any> m_subjects;
    SynchronizedValues<QString, int> m_subscriptionCounts;
    SynchronizedValues<QString, std::any> m_stickyMap;
    SynchronizedValues<QString, NotificationCenter::Token> m_nsObservers;
};

// The program-wide dispose bag; never emptied.
rx::DisposeBag& disposeBag();

// Subscribes for the rest of the run (priority 0, not sticky).
template <BusEvent T> void subscribeEvent(std::function<void(const T&)> handler)
{
    disposeBag().insert(RxBus::shared().asObservable<T>(false, 0).subscribe(std::move(handler)));
}

// Subscribes until `bag` is disposed.
template <BusEvent T> void subscribeEvent(rx::DisposeBag& bag, std::function<void(const T&)> handler)
{
    bag.insert(RxBus::shared().asObservable<T>(false, 0).subscribe(std::move(handler)));
}

// Subscribes until `context` is destroyed, so a handler never runs on a dead
// object. Views subscribe through this form, once per instance.
rx::DisposablePtr bindToContext(QObject* context, rx::DisposablePtr subscription);

template <BusEvent T> rx::DisposablePtr subscribeEvent(QObject* context, std::function<void(const T&)> handler)
{
    return bindToContext(context, RxBus::shared().asObservable<T>(false, 0).subscribe(std::move(handler)));
}

template <BusEvent T> void removeStickyEvent()
{
    RxBus::shared().removeSticky<T>();
}
