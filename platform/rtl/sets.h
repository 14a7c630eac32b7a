// The runtime's set type over a small enumeration (stands for Pascal's `set of`):
// `TSet<TFontStyle> s{fsBold}; s.Contains(fsBold); s + fsItalic`.
#pragma once

#include <cstdint>
#include <initializer_list>

template <typename E>
class TSet {
public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> items) {
    for (E e : items) bits_ |= Bit(e);
  }

  constexpr bool Contains(E e) const { return (bits_ & Bit(e)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr void Include(E e) { bits_ |= Bit(e); }
  constexpr void Exclude(E e) { bits_ &= ~Bit(e); }

  constexpr TSet operator+(E e) const { TSet r = *this; r.Include(e); return r; }
  constexpr TSet operator-(E e) const { TSet r = *this; r.Exclude(e); return r; }
  constexpr TSet operator+(TSet o) const { TSet r; r.bits_ = bits_ | o.bits_; return r; }
  constexpr TSet operator-(TSet o) const { TSet r; r.bits_ = bits_ & ~o.bits_; return r; }
  constexpr TSet operator*(TSet o) const { TSet r; r.bits_ = bits_ & o.bits_; return r; }
  constexpr TSet& operator+=(E e) { Include(e); return *this; }
  constexpr TSet& operator-=(E e) { Exclude(e); return *this; }
  constexpr bool operator==(const TSet&) const = default;

  constexpr uint64_t Bits() const { return bits_; }

private:
  static constexpr uint64_t Bit(E e) { return uint64_t{1} << static_cast<unsigned>(e); }
  uint64_t bits_ = 0;
};
