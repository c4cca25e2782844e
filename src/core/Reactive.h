#pragma once

// A small reactive layer: disposables, dispose bags, publish subjects and
// observables that deliver synchronously on the posting thread.

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace rx {

class Disposable {
public:
    virtual ~Disposable() = default;
    virtual void dispose() = 0;
    virtual bool isDisposed() const = 0;
};
using DisposablePtr = std::shared_ptr<Disposable>;

// Runs its action once, on the first dispose().
class ActionDisposable final : public Disposable {
public:
    explicit ActionDisposable(std::function<void()> action)
        : m_action(std::move(action))
    {
    }
    void dispose() override;
    bool isDisposed() const override { return m_disposed.load(); }

private:
    std::function<void()> m_action;
    std::atomic<bool> m_disposed { false };
    std::mutex m_mutex;
};

DisposablePtr makeDisposable(std::function<void()> action);

// Holds disposables and disposes them together, at dispose() or destruction.
// Inserting into a bag that was already disposed disposes the item at once.
class DisposeBag {
public:
    DisposeBag() = default;
    DisposeBag(const DisposeBag&) = delete;
    DisposeBag& operator=(const DisposeBag&) = delete;
    ~DisposeBag();

    void insert(DisposablePtr disposable);
    void dispose();
    std::size_t size() const;

private:
    mutable std::mutex m_mutex;
    std::vector<DisposablePtr> m_items;
    bool m_disposed = false;
};

inline void disposed(const DisposablePtr& d, DisposeBag& bag)
{
    bag.insert(d);
}

// Work scheduled on the current thread runs at once, unless the thread is
// already running scheduled work: then it runs as soon as that work ends.
class CurrentThreadScheduler {
public:
    static void schedule(std::function<void()> work);
    static bool isScheduleRequired();
};

template <class T> using Observer = std::function<void(const T&)>;

template <class T> class Observable {
public:
    using SubscribeFn = std::function<DisposablePtr(Observer<T>)>;

    explicit Observable(SubscribeFn fn)
        : m_subscribe(std::move(fn))
    {
    }

    DisposablePtr subscribe(Observer<T> onNext) const { return m_subscribe(std::move(onNext)); }

    // Emits `value` once to every subscriber, on the current-thread scheduler,
    // and never completes.
    static Observable just(T value)
    {
        return Observable([value](Observer<T> observer) -> DisposablePtr {
            auto alive = std::make_shared<std::atomic<bool>>(true);
            CurrentThreadScheduler::schedule([alive, observer, value] {
                if (*alive)
                    observer(value);
            });
            return makeDisposable([alive] { *alive = false; });
        });
    }

    // Subscribes to `first`, then to `second`; events of both reach the observer.
    static Observable merge(Observable first, Observable second)
    {
        return Observable([first, second](Observer<T> observer) -> DisposablePtr {
            auto alive = std::make_shared<std::atomic<bool>>(true);
            Observer<T> guarded = [alive, observer](const T& v) {
                if (*alive)
                    observer(v);
            };
            auto a = std::make_shared<DisposablePtr>();
            auto b = std::make_shared<DisposablePtr>();
            CurrentThreadScheduler::schedule([=] {
                // Disposed before this deferred work ran: subscribe to nothing.
                if (!*alive)
                    return;
                *a = first.subscribe(guarded);
                if (*alive)
                    *b = second.subscribe(guarded);
            });
            return makeDisposable([alive, a, b] {
                *alive = false;
                if (*a)
                    (*a)->dispose();
                if (*b)
                    (*b)->dispose();
            });
        });
    }

private:
    SubscribeFn m_subscribe;
};

// Forwards each onNext to the observers subscribed at that moment. An
// observer disposed during a delivery receives nothing more, not even the
// rest of that delivery.
template <class T> class PublishSubject : public std::enable_shared_from_this<PublishSubject<T>> {
public:
    static std::shared_ptr<PublishSubject> create() { return std::shared_ptr<PublishSubject>(new PublishSubject); }

    void onNext(const T& value)
    {
        std::vector<std::shared_ptr<Entry>> snapshot;
        {
            std::lock_guard lock(m_mutex);
            snapshot.reserve(m_observers.size());
            for (auto& [id, entry] : m_observers)
                snapshot.push_back(entry);
        }
        for (auto& entry : snapshot) {
            if (entry->alive)
                entry->observer(value);
        }
    }

    DisposablePtr subscribe(Observer<T> observer)
    {
        auto entry = std::make_shared<Entry>();
        entry->observer = std::move(observer);
        std::uint64_t id;
        {
            std::lock_guard lock(m_mutex);
            id = m_nextId++;
            m_observers.emplace(id, entry);
        }
        std::weak_ptr<PublishSubject> weak = this->shared_from_this();
        return makeDisposable([weak, id, entry] {
            entry->alive = false;
            if (auto self = weak.lock()) {
                std::lock_guard lock(self->m_mutex);
                self->m_observers.erase(id);
            }
        });
    }

    Observable<T> asObservable()
    {
        auto self = this->shared_from_this();
        return Observable<T>([self](Observer<T> o) { return self->subscribe(std::move(o)); });
    }

    std::size_t observerCount() const
    {
        std::lock_guard lock(m_mutex);
        return m_observers.size();
    }

private:
    PublishSubject() = default;
    struct Entry {
        Observer<T> observer;
        std::atomic<bool> alive { true };
    };
    mutable std::mutex m_mutex;
    std::map<std::uint64_t, std::shared_ptr<Entry>> m_observers;
    std::uint64_t m_nextId = 0;
};

} // namespace rx
