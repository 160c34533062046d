#include "components/DynValue.h"

#include <limits>

DynValue DynValue::whole(long long value)
{
    if (value >= std::numeric_limits<std::int16_t>::min() &&
        value <= std::numeric_limits<std::int16_t>::max())
        return int16(static_cast<std::int16_t>(value));
    return DynValue(Storage(static_cast<std::int32_t>(value)));
}

long long DynValue::toInt() const
{
    return std::visit(
        [](auto v) -> long long {
            using T = decltype(v);
            if constexpr (std::is_same_v<T, std::monostate>)
                return 0;
            else if constexpr (std::is_same_v<T, bool>)
                return v ? -1 : 0;
            else
                return v;
        },
        m_value);
}

QString DynValue::toText() const
{
    if (isEmpty())
        return {};
    if (const bool* b = std::get_if<bool>(&m_value))
        return *b ? QStringLiteral("True") : QStringLiteral("False");
    return QString::number(toInt());
}

DynValue& DynValue::operator+=(long long amount)
{
    *this = whole(toInt() + amount);
    return *this;
}
