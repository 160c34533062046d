#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// An ordered set of named fields, as the host and print services receive them. Fields keep the order in
// which they were first set; setting a key again replaces its value in place.
class PrintFields {
public:
    struct Field {
        QString key;
        QVariant value;
    };

    void SetField(const QString& key, const QVariant& value);
    const QList<Field>& fields() const { return m_fields; }

private:
    QList<Field> m_fields;
};
