#include "components/PrintFields.h"

void PrintFields::SetField(const QString& key, const QVariant& value)
{
    for (Field& field : m_fields) {
        if (field.key == key) {
            field.value = value;
            return;
        }
    }
    m_fields.append({key, value});
}
