#pragma once

// Which field of a list holds what: eight 0-based positions, -1 for none.

#include <algorithm>

namespace zolvane::lists {

struct FieldAssignment {
    int address = -1;
    int zip5 = -1;
    int zip4 = -1;
    int zip9 = -1;
    int barcode = -1;
    int dp = -1;
    int oel = -1;
    int serial = -1;

    int Highest() const { return std::max({address, zip5, zip4, zip9, barcode, dp, oel, serial}); }
    bool operator==(const FieldAssignment&) const = default;
};

// b when b equals c; otherwise a when a equals b or c; otherwise -1.
constexpr int MajorityOfThree(int a, int b, int c) {
    if (b == c) return b;
    if (a == b || a == c) return a;
    return -1;
}

}  // namespace zolvane::lists
