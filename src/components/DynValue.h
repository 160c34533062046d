#pragma once

#include <QString>

#include <cstdint>
#include <variant>

// A value whose kind follows what was stored in it: nothing yet (the state at program start), a 16-bit or
// a 32-bit whole number, or a truth value. Empty and false count as 0 and true as -1 in arithmetic and
// comparisons; as text, empty gives the empty text and a number its digits without a leading blank.
class DynValue {
public:
    DynValue() = default;

    static DynValue int16(std::int16_t value) { return DynValue(Storage(value)); }
    static DynValue truth(bool value) { return DynValue(Storage(value)); }
    // The smallest whole-number kind that holds the value: 16 bits where it fits, else 32 bits.
    static DynValue whole(long long value);

    bool isEmpty() const { return std::holds_alternative<std::monostate>(m_value); }
    bool isInt16() const { return std::holds_alternative<std::int16_t>(m_value); }
    long long toInt() const;
    QString toText() const;

    // Adds a whole number, keeping the value a whole number (an empty value starts from 0).
    DynValue& operator+=(long long amount);

    friend bool operator==(const DynValue& a, long long b) { return a.toInt() == b; }

private:
    using Storage = std::variant<std::monostate, std::int16_t, std::int32_t, bool>;
    explicit DynValue(Storage value) : m_value(value) {}
    Storage m_value;
};
