#pragma once

#include <QString>
#include <QVariantMap>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

struct Notification {
    QString name;
    QVariantMap userInfo;
};

// A small in-process notification centre: observers register for a name and
// run on the posting thread.
class NotificationCenter {
public:
    using Token = std::uint64_t;
    using Block = std::function<void(const Notification&)>;

    static NotificationCenter& defaultCenter();

    Token addObserver(const QString& name, Block block);
    void removeObserver(Token token);
    void post(const Notification& notification);
    std::size_t observerCount() const;

private:
    struct Entry {
        QString name;
        std::shared_ptr<Block> block;
    };
    mutable std::mutex m_mutex;
    std::map<Token, Entry> m_observers;
    Token m_nextToken = 1;
};
