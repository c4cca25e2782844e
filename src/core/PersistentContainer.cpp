#include "core/PersistentContainer.h"

#include "core/Log.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>

namespace {
const QString inMemoryDatabase = QStringLiteral(":memory:");
}

PersistentContainer::PersistentContainer(const QString& name, bool inMemory, const QString& storePath)
    : m_name(name)
    , m_connectionName(QStringLiteral("tessaly-store-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
    , m_inMemory(inMemory)
{
    if (inMemory) {
        open(inMemoryDatabase);
        return;
    }
    const QString path = storePath.isEmpty() ? defaultStorePath(name) : storePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (open(path))
        return;
    // Go on with an empty store in memory rather than without one.
    QSqlDatabase::removeDatabase(m_connectionName);
    m_inMemory = true;
    open(inMemoryDatabase);
}

PersistentContainer::~PersistentContainer()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

QString PersistentContainer::defaultStorePath(const QString& name)
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/' + name + QStringLiteral(".sqlite");
}

QSqlDatabase PersistentContainer::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

bool PersistentContainer::open(const QString& databaseName)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(databaseName);
    if (!db.open()) {
        reportError(db.lastError().text(), databaseName);
        return false;
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS Item ("
                                   "id INTEGER PRIMARY KEY AUTOINCREMENT, timestamp TEXT)"))) {
        reportError(query.lastError().text(), databaseName);
        db.close();
        return false;
    }
    return true;
}

void PersistentContainer::reportError(const QString& error, const QString& userInfo)
{
    m_lastError = QStringLiteral("Unresolved error ") + error + QStringLiteral(", ") + userInfo;
    printLine(m_lastError);
}

std::optional<qint64> PersistentContainer::insert(const Item& item)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("INSERT INTO Item (timestamp) VALUES (?)"));
    query.addBindValue(item.timestamp ? QVariant(item.timestamp->toUTC().toString(Qt::ISODateWithMs))
                                      : QVariant(QMetaType(QMetaType::QString)));
    if (!query.exec()) {
        reportError(query.lastError().text(), m_name);
        return std::nullopt;
    }
    return query.lastInsertId().toLongLong();
}

QList<Item> PersistentContainer::fetch(const ItemFetchRequest& request) const
{
    QList<Item> items;
    if (request.entityName != Item::entityName())
        return items;
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("SELECT id, timestamp FROM Item ORDER BY id")))
        return items;
    while (query.next()) {
        Item item;
        item.objectId = query.value(0).toLongLong();
        if (!query.value(1).isNull())
            item.timestamp = QDateTime::fromString(query.value(1).toString(), Qt::ISODateWithMs);
        items.append(item);
    }
    return items;
}
