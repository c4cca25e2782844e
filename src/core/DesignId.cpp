#include "core/DesignId.h"

#include "core/DecimalId.h"

#include <ostream>

DesignId DesignId::fromText(const QString& text, Unreadable fallback)
{
    return decimalIdOr(text, static_cast<qint64>(fallback));
}

std::ostream& operator<<(std::ostream& out, DesignId id)
{
    return out << id.number();
}
