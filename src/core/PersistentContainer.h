#pragma once

// A SQLite store holding the Item table. A store that can't be opened is
// reported and replaced by an in-memory one, so callers always get a store.

#include "core/Item.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

class PersistentContainer {
public:
    // `storePath` empty: "<name>.sqlite" in the application data folder.
    PersistentContainer(const QString& name, bool inMemory, const QString& storePath = {});
    ~PersistentContainer();
    PersistentContainer(const PersistentContainer&) = delete;
    PersistentContainer& operator=(const PersistentContainer&) = delete;

    const QString& name() const { return m_name; }
    bool isInMemory() const { return m_inMemory; }
    // The last failure ("Unresolved error …"), empty when there was none.
    const QString& lastError() const { return m_lastError; }
    QSqlDatabase database() const;

    std::optional<qint64> insert(const Item& item);
    QList<Item> fetch(const ItemFetchRequest& request) const;

    static QString defaultStorePath(const QString& name);

private:
    bool open(const QString& databaseName);
    void reportError(const QString& error, const QString& userInfo);

    QString m_name;
    QString m_connectionName;
    bool m_inMemory;
    QString m_lastError;
};
