#include "symbology/imb.h"

#include <cstdint>
#include <cstring>

namespace zolvane::symbology {
namespace {

constexpr int kTableSize = 1365;
constexpr int kFiveOfThirteen = 1287;
constexpr std::uint16_t kCharMask = 0x1FFF;

constexpr std::uint16_t Reverse13(std::uint16_t v) {
    std::uint16_t r = 0;
    for (int b = 0; b < 13; ++b) r = static_cast<std::uint16_t>(r << 1 | (v >> b & 1));
    return r;
}

constexpr int OneBits(unsigned v) {
    int n = 0;
    for (; v; v &= v - 1) ++n;
    return n;
}

// Each value with `ones` one-bits goes next to its mirror image from the front of its sub-table;
// the values that read the same both ways fill it from the back.
constexpr void FillCharacters(std::array<std::uint16_t, kTableSize>& table, int lower, int upper,
                              int ones) {
    for (unsigned j = 0; j <= kCharMask; ++j) {
        if (OneBits(j) != ones) continue;
        const auto value = static_cast<std::uint16_t>(j);
        const std::uint16_t mirror = Reverse13(value);
        if (mirror == value) {
            table[upper--] = value;
        } else if (value < mirror) {
            table[lower++] = value;
            table[lower++] = mirror;
        }
    }
}

constexpr std::array<std::uint16_t, kTableSize> kCharacters = [] {
    std::array<std::uint16_t, kTableSize> table{};
    FillCharacters(table, 0, kFiveOfThirteen - 1, 5);
    FillCharacters(table, kFiveOfThirteen, kTableSize - 1, 2);
    return table;
}();
static_assert(kCharacters[0] == 0x001F && kCharacters[1] == 0x1F00);
static_assert(kCharacters[1286] == 0x01F0 && kCharacters[1287] == 0x0003);

// Frame check sequence: 11-bit register, polynomial 0xF35, fed most significant bit first.
constexpr std::uint16_t kCrcPolynomial = 0xF35;
constexpr std::uint16_t kCrcMask = 0x7FF;

constexpr std::uint16_t CrcFeed(std::uint16_t reg, unsigned data, int bits) {
    for (int b = bits - 1; b >= 0; --b) {
        const bool top = ((reg >> 10) ^ (data >> b)) & 1;
        reg = static_cast<std::uint16_t>(((reg << 1) ^ (top ? kCrcPolynomial : 0)) & kCrcMask);
    }
    return reg;
}

constexpr std::uint16_t CrcZeroByte(std::uint16_t reg) {
    return CrcFeed(reg, 0, 8);
}

// The register is linear in the message, and the message always has the same length: the FCS is
// a constant XOR one independent table entry per byte, with no chain from byte to byte.
// kCrcBytes[k] is the contribution of the byte holding value bits 8k..8k+7 (k = 0..11).
constexpr std::array<std::array<std::uint16_t, 256>, 12> kCrcBytes = [] {
    std::array<std::array<std::uint16_t, 256>, 12> table{};
    for (unsigned b = 0; b < 256; ++b) {
        std::uint16_t reg = CrcFeed(0, b, 8);
        for (int k = 0; k < 12; ++k) {
            table[k][b] = reg;
            reg = CrcZeroByte(reg);
        }
    }
    return table;
}();

// The first byte: value bits 96..101, six bits only.
constexpr std::array<std::uint16_t, 64> kCrcFirst = [] {
    std::array<std::uint16_t, 64> table{};
    for (unsigned b = 0; b < 64; ++b) {
        std::uint16_t reg = CrcFeed(0, b, 6);
        for (int k = 0; k < 12; ++k) reg = CrcZeroByte(reg);
        table[b] = reg;
    }
    return table;
}();

constexpr std::uint16_t kCrcConstant = [] {
    std::uint16_t reg = CrcFeed(kCrcMask, 0, 6);
    for (int k = 0; k < 12; ++k) reg = CrcZeroByte(reg);
    return reg;
}();

// Where each bar's two extensions come from: character (A = 0 .. J = 9) and bit.
struct BarSource {
    std::uint8_t descChar, descBit, ascChar, ascBit;
};
enum : std::uint8_t { A, B, C, D, E, F, G, H, I, J };
// clang-format off
constexpr BarSource kBars[kImbBarCount] = {
    {H, 2, E, 3},   {B, 10, A, 0},  {J, 12, C, 8},  {F, 5, G, 11},  {I, 9, D, 1},
    {A, 1, F, 12},  {C, 5, B, 8},   {E, 4, J, 11},  {G, 3, I, 10},  {D, 9, H, 6},
    {F, 11, B, 4},  {I, 5, C, 12},  {J, 10, A, 2},  {H, 1, G, 7},   {D, 6, E, 9},
    {A, 3, I, 6},   {G, 4, C, 7},   {B, 1, J, 9},   {H, 10, F, 2},  {E, 0, D, 8},
    {G, 2, A, 4},   {I, 11, B, 0},  {J, 8, D, 12},  {C, 6, H, 7},   {F, 1, E, 10},
    {B, 12, G, 9},  {H, 3, I, 0},   {F, 8, J, 7},   {E, 6, C, 10},  {D, 4, A, 5},
    {I, 4, F, 7},   {H, 11, B, 9},  {G, 0, J, 6},   {A, 6, E, 8},   {C, 1, D, 2},
    {F, 9, I, 12},  {E, 11, G, 1},  {J, 5, H, 4},   {D, 3, B, 2},   {A, 7, C, 0},
    {B, 3, E, 1},   {G, 10, D, 5},  {I, 7, J, 4},   {C, 11, F, 6},  {A, 8, H, 12},
    {E, 2, I, 1},   {F, 10, D, 0},  {J, 3, A, 9},   {G, 5, C, 4},   {H, 8, B, 7},
    {F, 0, E, 5},   {C, 3, A, 10},  {G, 12, J, 2},  {D, 11, B, 6},  {I, 8, H, 9},
    {F, 4, A, 11},  {B, 5, C, 2},   {J, 1, E, 12},  {I, 3, G, 6},   {H, 0, D, 7},
    {E, 7, H, 5},   {A, 12, B, 11}, {C, 9, J, 0},   {G, 8, F, 3},   {D, 10, I, 2},
};
// clang-format on

constexpr bool IsDigit(char c) {
    return static_cast<unsigned char>(c - '0') < 10;
}
constexpr unsigned Digit(char c) {
    return static_cast<unsigned>(c - '0');
}

// The data value, below 2^102, as four 32-bit limbs, least significant first.
using Limbs = std::array<std::uint32_t, 4>;

void MulAdd(Limbs& v, std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (auto& limb : v) {
        const std::uint64_t x = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(x);
        carry = x >> 32;
    }
}

// Divides in place and returns the remainder. With the divisor a constant below 2^32, every
// step is a 64-bit division the compiler turns into a multiplication.
template <std::uint32_t kDivisor>
std::uint32_t DivMod(Limbs& v) {
    std::uint64_t r = 0;
    for (int i = 3; i >= 0; --i) {
        const std::uint64_t cur = r << 32 | v[i];
        v[i] = static_cast<std::uint32_t>(cur / kDivisor);
        r = cur % kDivisor;
    }
    return static_cast<std::uint32_t>(r);
}

std::uint32_t NineDigits(const char* p) {
    std::uint32_t n = 0;
    for (int i = 0; i < 9; ++i) n = n * 10 + Digit(p[i]);
    return n;
}

std::uint16_t FrameCheck(const Limbs& v) {
    std::uint16_t fcs = kCrcConstant ^ kCrcFirst[v[3] & 0x3F];
    for (int k = 0; k < 12; ++k) fcs ^= kCrcBytes[k][v[k / 4] >> (8 * (k % 4)) & 0xFF];
    return fcs;
}

// Bars 1 to 64 as two masks, bit b for bar b + 1: one for the descenders, one for the ascenders.
// Each character's contribution is looked up in three pieces, bits 0-4, 5-8 and 9-12.
struct BarMasks {
    std::uint64_t down = 0, up = 0;
};
constexpr int kPieceStart[3] = {0, 5, 9};
constexpr int kPieceBits[3] = {5, 4, 4};
constexpr int kPieceSlot[3] = {0, 32, 48};

constexpr std::array<std::array<BarMasks, 64>, 10> kBarPieces = [] {
    std::array<std::array<BarMasks, 64>, 10> table{};
    for (int c = 0; c < 10; ++c) {
        for (int p = 0; p < 3; ++p) {
            for (unsigned x = 0; x < (1u << kPieceBits[p]); ++x) {
                BarMasks& m = table[c][kPieceSlot[p] + x];
                for (int b = 0; b < 64; ++b) {
                    const BarSource& s = kBars[b];
                    const int down = s.descBit - kPieceStart[p], up = s.ascBit - kPieceStart[p];
                    if (s.descChar == c && down >= 0 && down < kPieceBits[p] && (x >> down & 1))
                        m.down |= std::uint64_t{1} << b;
                    if (s.ascChar == c && up >= 0 && up < kPieceBits[p] && (x >> up & 1))
                        m.up |= std::uint64_t{1} << b;
                }
            }
        }
    }
    return table;
}();

constexpr char kLetters[] = {'T', 'D', 'A', 'F'};

// Four bars' letters, indexed by their four descender bits and, above them, four ascender bits.
constexpr std::array<std::array<char, 4>, 256> kFourBars = [] {
    std::array<std::array<char, 4>, 256> table{};
    for (unsigned i = 0; i < 256; ++i)
        for (unsigned b = 0; b < 4; ++b)
            table[i][b] = kLetters[(i >> b & 1) | (i >> (b + 4) & 1) << 1];
    return table;
}();

void WriteBars(const std::uint16_t (&chars)[10], char* out) {
    BarMasks m;
    for (int c = 0; c < 10; ++c) {
        const unsigned ch = chars[c];
        const auto& pieces = kBarPieces[c];
        const BarMasks& p0 = pieces[ch & 0x1F];
        const BarMasks& p1 = pieces[32 + (ch >> 5 & 0xF)];
        const BarMasks& p2 = pieces[48 + (ch >> 9)];
        m.down |= p0.down | p1.down | p2.down;
        m.up |= p0.up | p1.up | p2.up;
    }
    for (int n = 0; n < 16; ++n) {
        const unsigned i = (m.down >> (4 * n) & 0xF) | (m.up >> (4 * n) & 0xF) << 4;
        std::memcpy(out + 4 * n, kFourBars[i].data(), 4);
    }
    const BarSource& last = kBars[64];
    out[64] = kLetters[(chars[last.descChar] >> last.descBit & 1) |
                       (chars[last.ascChar] >> last.ascBit & 1) << 1];
}

}  // namespace

std::string_view ImbErrorMessage(ImbError error) {
    switch (error) {
        case ImbError::None:
            return "";
        case ImbError::TrackingTooShort:
            return "The tracking code is shorter than 20 digits.";
        case ImbError::TrackingNotDigits:
            return "The first 20 characters of the tracking code must all be digits.";
        case ImbError::SecondDigitAbove4:
            return "The second digit of the tracking code (the barcode identifier) must be 0 to 4.";
        case ImbError::RoutingNotDigits:
            return "The routing code (ZIP code and delivery point) may only contain digits.";
        case ImbError::NoServiceType:
            return "These mail settings have no service type identifier: choose another class of "
                   "mail, service or address correction option.";
    }
    return "";
}

const std::array<std::string, 1365>& InitImbTables() {
    static const std::array<std::string, 1365> table = [] {
        std::array<std::string, 1365> t;
        auto fill = [&t](int lower, int upper, int ones) {
            for (int j = 0; j <= kCharMask; ++j) {
                std::string text(13, '0');
                int count = 0;
                for (int b = 0; b < 13; ++b) {
                    if (j >> (12 - b) & 1) {
                        text[b] = '1';
                        ++count;
                    }
                }
                if (count != ones) continue;
                const std::string reversed(text.rbegin(), text.rend());
                // Texts of equal length over '0' and '1' compare as their binary values.
                if (reversed == text) {
                    t[upper--] = text;
                } else if (text < reversed) {
                    t[lower++] = text;
                    t[lower++] = reversed;
                }
            }
        };
        fill(0, kFiveOfThirteen - 1, 5);
        fill(kFiveOfThirteen, kTableSize - 1, 2);
        return t;
    }();
    return table;
}

ImbError EncodeIMB(std::string_view routing, std::string_view tracking, char* out) {
    if (tracking.size() < 20) return ImbError::TrackingTooShort;
    for (std::size_t i = 0; i < 20; ++i)
        if (!IsDigit(tracking[i])) return ImbError::TrackingNotDigits;
    if (tracking[1] > '4') return ImbError::SecondDigitAbove4;

    std::uint64_t head = 0;
    const std::size_t n = routing.size();
    if (n == 5 || n == 9 || n == 11) {
        for (char c : routing) {
            if (!IsDigit(c)) return ImbError::RoutingNotDigits;
            head = head * 10 + Digit(c);
        }
        head += n == 5 ? 1 : n == 9 ? 100001 : 1000100001;
    }
    head = (head * 10 + Digit(tracking[0])) * 5 + Digit(tracking[1]);

    Limbs v{static_cast<std::uint32_t>(head), static_cast<std::uint32_t>(head >> 32), 0, 0};
    MulAdd(v, 1000000000, NineDigits(tracking.data() + 2));
    MulAdd(v, 1000000000, NineDigits(tracking.data() + 11));

    const std::uint16_t fcs = FrameCheck(v);

    // Codewords A..J as cw[0..9]. Dividing by products of the radixes needs fewer wide divisions;
    // each remainder splits into its codewords in plain 32-bit arithmetic.
    unsigned cw[10];
    std::uint32_t r = DivMod<636u * 1365 * 1365>(v);
    cw[9] = r % 636;
    r /= 636;
    cw[8] = r % 1365;
    cw[7] = r / 1365;
    r = DivMod<1365u * 1365 * 1365>(v);
    cw[6] = r % 1365;
    r /= 1365;
    cw[5] = r % 1365;
    cw[4] = r / 1365;
    std::uint64_t rest = std::uint64_t{v[1]} << 32 | v[0];
    for (int i = 3; i >= 1; --i) {
        cw[i] = static_cast<unsigned>(rest % 1365);
        rest /= 1365;
    }
    cw[0] = static_cast<unsigned>(rest);  // at most 658 for any 20-digit tracking code

    cw[9] *= 2;
    if (fcs & 0x400) cw[0] += 659;

    std::uint16_t chars[10];
    for (int i = 0; i < 10; ++i) {
        const auto flip = static_cast<std::uint16_t>((fcs >> i & 1) ? kCharMask : 0);
        chars[i] = kCharacters[cw[i]] ^ flip;
    }

    WriteBars(chars, out);
    return ImbError::None;
}

ImbResult EncodeIMB(std::string_view routing, std::string_view tracking) {
    ImbResult r;
    r.bars.resize(kImbBarCount);
    r.error = EncodeIMB(routing, tracking, r.bars.data());
    if (!r.ok()) r.bars.clear();
    return r;
}

}  // namespace zolvane::symbology
