#pragma once

#include "components/PrintFields.h"

#include <QStringList>

// The value of the field key; an invalid value when there is no such field.
inline QVariant fieldValue(const PrintFields& fields, const QString& key)
{
    for (const PrintFields::Field& field : fields.fields())
        if (field.key == key)
            return field.value;
    return {};
}

// Every field as "KEY=value", in their order.
inline QStringList fieldLines(const PrintFields& fields)
{
    QStringList lines;
    for (const PrintFields::Field& field : fields.fields())
        lines << field.key + u'=' + field.value.toString();
    return lines;
}
