#pragma once

// Renders a parameter dictionary or a header list as one log text, in the
// style ["uuid": "…", "page_no": 0, "styles_ids": [3]], keys in their order.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <nlohmann/json.hpp>

QString describeParameters(const nlohmann::ordered_json& parameters);
QString describeHeaders(const QList<QPair<QByteArray, QByteArray>>& headers);
