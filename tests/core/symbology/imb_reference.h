#pragma once

// A slow, literal Intelligent Mail encoder for differential tests: the data value lives in an
// array of 104 binary digits and every step works digit by digit, characters and FCS as
// '0'/'1' texts. Inputs must be valid (20 digits, second digit 0..4, digit-only routing).

#include <array>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "symbology/imb.h"

namespace zolvane::symbology::reference {

using Binary = std::array<int, 104>;  // least significant digit first

inline void AddShifted(Binary& sum, const Binary& x, int shift) {
    int carry = 0;
    for (int i = 0; i < 104; ++i) {
        const int s = sum[i] + (i >= shift ? x[i - shift] : 0) + carry;
        sum[i] = s & 1;
        carry = s >> 1;
    }
}

inline void MultiplyBy10(Binary& v) {
    Binary sum{};
    AddShifted(sum, v, 1);
    AddShifted(sum, v, 3);
    v = sum;
}

inline void MultiplyBy5(Binary& v) {
    const Binary copy = v;
    AddShifted(v, copy, 2);
}

inline void AddDigit(Binary& v, int digit) {
    Binary d{};
    for (int b = 0; b < 4; ++b) d[b] = digit >> b & 1;
    AddShifted(v, d, 0);
}

inline int DivideBy(Binary& v, int divisor) {
    int remainder = 0;
    for (int i = 103; i >= 0; --i) {
        remainder = remainder * 2 + v[i];
        v[i] = remainder >= divisor ? 1 : 0;
        if (v[i]) remainder -= divisor;
    }
    return remainder;
}

inline std::string FrameCheckText(const Binary& v) {
    int reg = 0x7FF;
    auto feed = [&reg](int bit) {
        const int top = ((reg >> 10) ^ bit) & 1;
        reg = ((reg << 1) ^ (top ? 0xF35 : 0)) & 0x7FF;
    };
    for (int i = 101; i >= 96; --i) feed(v[i]);
    for (int byte = 1; byte < 13; ++byte)
        for (int b = 7; b >= 0; --b) feed(v[(12 - byte) * 8 + b]);
    std::string text(11, '0');
    for (int b = 0; b < 11; ++b) text[10 - b] = (reg >> b & 1) ? '1' : '0';
    return text;
}

// Bar n: descender character and bit, then ascender character and bit.
inline constexpr std::string_view kBarTable =
    "H2 E3 B10 A0 J12 C8 F5 G11 I9 D1 A1 F12 C5 B8 E4 J11 G3 I10 D9 H6 "
    "F11 B4 I5 C12 J10 A2 H1 G7 D6 E9 A3 I6 G4 C7 B1 J9 H10 F2 E0 D8 "
    "G2 A4 I11 B0 J8 D12 C6 H7 F1 E10 B12 G9 H3 I0 F8 J7 E6 C10 D4 A5 "
    "I4 F7 H11 B9 G0 J6 A6 E8 C1 D2 F9 I12 E11 G1 J5 H4 D3 B2 A7 C0 "
    "B3 E1 G10 D5 I7 J4 C11 F6 A8 H12 E2 I1 F10 D0 J3 A9 G5 C4 H8 B7 "
    "F0 E5 C3 A10 G12 J2 D11 B6 I8 H9 F4 A11 B5 C2 J1 E12 I3 G6 H0 D7 "
    "E7 H5 A12 B11 C9 J0 G8 F3 D10 I2";

inline std::string Encode(std::string_view routing, std::string_view tracking) {
    std::uint64_t routingValue = 0;
    if (routing.size() == 5 || routing.size() == 9 || routing.size() == 11) {
        for (char c : routing) routingValue = routingValue * 10 + static_cast<unsigned>(c - '0');
        routingValue += routing.size() == 5 ? 1 : routing.size() == 9 ? 100001 : 1000100001;
    }
    Binary v{};
    for (int i = 0; i < 64; ++i) v[i] = static_cast<int>(routingValue >> i & 1);

    MultiplyBy10(v);
    AddDigit(v, tracking[0] - '0');
    MultiplyBy5(v);
    AddDigit(v, tracking[1] - '0');
    for (int i = 2; i < 20; ++i) {
        MultiplyBy10(v);
        AddDigit(v, tracking[i] - '0');
    }

    const std::string fcs = FrameCheckText(v);

    int codeword[10];  // A..J
    codeword[9] = DivideBy(v, 636);
    for (int i = 8; i >= 1; --i) codeword[i] = DivideBy(v, 1365);
    codeword[0] = 0;
    for (int b = 0; b < 10; ++b) codeword[0] |= v[b] << b;
    codeword[9] *= 2;
    if (fcs[0] == '1') codeword[0] += 659;

    const auto& table = InitImbTables();
    std::string characters[10];
    for (int i = 0; i < 10; ++i) {
        characters[i] = table[codeword[i]];
        if (fcs[10 - i] == '1')
            for (char& c : characters[i]) c = c == '0' ? '1' : '0';
    }

    struct Source {
        int character, bit;
    };
    static const std::vector<Source> sources = [] {
        std::vector<Source> v;
        std::istringstream in{std::string(kBarTable)};
        for (std::string s; in >> s;) v.push_back({s[0] - 'A', std::stoi(s.substr(1))});
        return v;
    }();
    auto isSet = [&characters](const Source& s) {
        return characters[s.character][12 - s.bit] == '1';
    };
    std::string result;
    for (std::size_t bar = 0; bar < 65; ++bar) {
        const bool down = isSet(sources[2 * bar]), up = isSet(sources[2 * bar + 1]);
        result += down ? (up ? 'F' : 'D') : (up ? 'A' : 'T');
    }
    return result;
}

}  // namespace zolvane::symbology::reference
