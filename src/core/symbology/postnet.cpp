#include "symbology/postnet.h"

#include <cassert>

#include "text/bytes.h"

namespace zolvane::symbology {

char PostnetCheckDigit(std::string_view digits) {
    assert(text::AllDigits(digits));
    unsigned sum = 0;
    for (char c : digits) sum += static_cast<unsigned>(c - '0');
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

std::string PostnetText(std::string_view digits, std::string_view frameBar) {
    std::string out;
    out.reserve(digits.size() + 1 + 2 * frameBar.size());
    out.append(frameBar);
    out.append(digits);
    out.push_back(PostnetCheckDigit(digits));
    out.append(frameBar);
    return out;
}

}  // namespace zolvane::symbology
