#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

// A set of the members of an enumeration, as the stored layout's sets are ({foFillInner, foGrUseBitmap},
// [sdLeft, sdTop]). Member n is bit n, so bits() is the set's stored value.
template <class E>
class FlagSet {
    static_assert(std::is_enum_v<E>);

public:
    using Bits = std::uint32_t;

    constexpr FlagSet() = default;
    constexpr FlagSet(std::initializer_list<E> members) {
        for (E m : members) m_bits |= bit(m);
    }
    static constexpr FlagSet fromBits(Bits bits) {
        FlagSet set;
        set.m_bits = bits;
        return set;
    }

    constexpr Bits bits() const { return m_bits; }
    constexpr bool has(E m) const { return (m_bits & bit(m)) != 0; }
    constexpr bool isEmpty() const { return m_bits == 0; }
    constexpr FlagSet with(E m) const { return fromBits(m_bits | bit(m)); }
    constexpr FlagSet without(E m) const { return fromBits(m_bits & ~bit(m)); }

    friend constexpr FlagSet operator|(FlagSet a, FlagSet b) { return fromBits(a.m_bits | b.m_bits); }
    friend constexpr FlagSet operator&(FlagSet a, FlagSet b) { return fromBits(a.m_bits & b.m_bits); }
    friend constexpr bool operator==(FlagSet, FlagSet) = default;

private:
    static constexpr Bits bit(E m) { return Bits{1} << static_cast<unsigned>(m); }
    Bits m_bits = 0;
};
