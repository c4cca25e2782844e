#pragma once

// The base of the models that JsonUtil converts. A plain XBaseModel stands for
// "no model". Subclasses read and write their fields by JSON key; a key that
// is missing keeps the field's default.

#include <QJsonObject>
#include <memory>

class XBaseModel {
public:
    XBaseModel() = default;
    XBaseModel(const XBaseModel&) = default;
    XBaseModel& operator=(const XBaseModel&) = default;
    virtual ~XBaseModel() = default;

    virtual void decode(const QJsonObject& object);
    virtual QJsonObject encode() const;
};

using XBaseModelPtr = std::shared_ptr<XBaseModel>;
