#pragma once
// Searching text sixteen or eight bytes at a time. The value lists of tree files are long
// runs of short values, and the lines of product-data files are some hundred bytes each: a
// library call per value or line costs more than the search itself, and a byte-by-byte loop
// spends most of its time on bytes that need nothing.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace armakon::bytesearch {

inline constexpr std::uint64_t kEveryByte = 0x0101010101010101ULL;
inline constexpr std::uint64_t kLowSevenBits = 0x7F7F7F7F7F7F7F7FULL;
inline constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

inline std::uint64_t eightBytesAt(const char* p) {
  std::uint64_t word = 0;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// The high bit of every byte of word that equals c, and no other bit.
inline std::uint64_t bytesEqualTo(std::uint64_t word, char c) {
  const std::uint64_t x = word ^ (kEveryByte * static_cast<unsigned char>(c));
  return ~(((x & kLowSevenBits) + kLowSevenBits) | x | kLowSevenBits);
}

// The high bit of every byte of word below limit (at most 0x80), and no other bit.
inline std::uint64_t bytesBelow(std::uint64_t word, unsigned char limit) {
  const std::uint64_t x = word & kLowSevenBits;
  // A byte of x at or above limit gets its high bit set by the addition; the top bit of
  // word itself marks bytes of 0x80 and more, which are never below limit.
  return ~((x + kEveryByte * (0x80U - limit)) | word) & kHighBits;
}

// The index of the first marked byte of a nonzero mask of high bits.
inline std::size_t firstMarked(std::uint64_t mask) {
  const int bit = std::endian::native == std::endian::little ? std::countr_zero(mask) : std::countl_zero(mask);
  return static_cast<std::size_t>(bit / 8);
}

// How often c occurs in text.
inline std::size_t countOf(std::string_view text, char c) {
  std::size_t count = 0;
  std::size_t i = 0;
#if defined(__SSE2__)
  // Sixteen bytes a step where the processor has them (every x86-64 does): per-byte tallies
  // again, summed every 255 steps before a byte could overflow.
  const __m128i wanted = _mm_set1_epi8(c);
  while (i + 16 <= text.size()) {
    __m128i tallies = _mm_setzero_si128();
    for (int steps = 0; steps < 255 && i + 16 <= text.size(); ++steps, i += 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
      tallies = _mm_sub_epi8(tallies, _mm_cmpeq_epi8(bytes, wanted));
    }
    const __m128i sums = _mm_sad_epu8(tallies, _mm_setzero_si128());
    count += static_cast<std::size_t>(_mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4));
  }
#endif
  while (i + 8 <= text.size()) {
    // Per-byte tallies, summed across the word by one multiplication: 31 words hold at most
    // 248 matches, so the sum cannot pass a byte.
    std::uint64_t tallies = 0;
    for (int words = 0; words < 31 && i + 8 <= text.size(); ++words, i += 8) {
      tallies += bytesEqualTo(eightBytesAt(text.data() + i), c) >> 7;
    }
    count += static_cast<std::size_t>((tallies * kEveryByte) >> 56);
  }
  const std::size_t rest = text.size() - i;
  if (rest == 0 || text.size() < 8) {
    for (; i < text.size(); ++i) count += text[i] == c ? 1 : 0;
    return count;
  }
  // The last bytes as part of the text's last eight, those already counted masked off: one
  // more word instead of a loop that ends at a different byte for every text.
  std::uint64_t tail = bytesEqualTo(eightBytesAt(text.data() + text.size() - 8), c);
  const int counted = static_cast<int>(8 - rest) * 8;
  tail = std::endian::native == std::endian::little ? tail >> counted << counted : tail << counted >> counted;
  return count + static_cast<std::size_t>(((tail >> 7) * kEveryByte) >> 56);
}

// Position of the first c at or after from; the text's size when there is none.
inline std::size_t findFrom(std::string_view text, std::size_t from, char c) {
  std::size_t i = from;
#if defined(__SSE2__)
  const __m128i wanted = _mm_set1_epi8(c);
  for (; i + 16 <= text.size(); i += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
    const auto found = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted)));
    if (found != 0) return i + static_cast<std::size_t>(std::countr_zero(found));
  }
#endif
  for (; i + 8 <= text.size(); i += 8) {
    const std::uint64_t found = bytesEqualTo(eightBytesAt(text.data() + i), c);
    if (found != 0) return i + firstMarked(found);
  }
  while (i < text.size() && text[i] != c) ++i;
  return i;
}

// Hands the next count values of text to take(start, end), in order: the values start at
// from and are cut at c, the last one of the text ending at its end. Returns where the value
// after them starts. A run of short values shares each sixteen bytes searched instead of
// searching them again for every value, as findFrom would.
template <class Take>
std::size_t forEachValue(std::string_view text, std::size_t from, char c, std::size_t count, Take take) {
  std::size_t start = from;
#if defined(__SSE2__)
  const __m128i wanted = _mm_set1_epi8(c);
  for (std::size_t block = from; count > 0 && block + 16 <= text.size(); block += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + block));
    for (auto found = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted)));
         found != 0 && count > 0; found &= found - 1, --count) {
      const std::size_t end = block + static_cast<std::size_t>(std::countr_zero(found));
      take(start, end);
      start = end + 1;
    }
  }
#endif
  for (; count > 0; --count) {
    const std::size_t end = findFrom(text, start, c);
    take(start, end);
    start = end + 1;
  }
  return start;
}

}  // namespace armakon::bytesearch
