#include "core/XBaseModel.h"

void XBaseModel::decode(const QJsonObject& /*object*/) { }

QJsonObject XBaseModel::encode() const
{
    return {};
}
