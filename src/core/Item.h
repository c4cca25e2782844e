#pragma once

// The one entity of the local store.

#include <QDateTime>
#include <QString>
#include <optional>

struct ItemFetchRequest {
    QString entityName;
};

struct Item {
    static QString entityName() { return QStringLiteral("Item"); }

    qint64 objectId = 0; // assigned by the store
    std::optional<QDateTime> timestamp;

    static ItemFetchRequest fetchRequest() { return { entityName() }; }
};
