#include "symbology/code128.h"

#include <array>
#include <cassert>

#include "text/bytes.h"

namespace zolvane::symbology {

namespace {

// Values 0..106; 103 and 104 (Start A, Start B) are never drawn.
constexpr std::array<std::string_view, 107> kPatterns = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312",  "132212",
    "221213", "221312", "231212", "112232", "122132", "122231", "113222", "123122",  "123221",
    "223211", "221132", "221231", "213212", "223112", "312131", "311222", "321122",  "321221",
    "312212", "322112", "322211", "212123", "212321", "232121", "111323", "131123",  "131321",
    "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331",  "132131",
    "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311",  "213131",
    "311123", "311321", "331121", "312113", "312311", "332111", "314111", "221411",  "431111",
    "111224", "111422", "121124", "121421", "141122", "141221", "112214", "112412",  "122114",
    "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",  "111242",
    "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211",  "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113",  "411311",
    "113141", "114131", "311141", "411131", "",       "",       "211232", "2331112",
};

constexpr int kStartC = 105;

bool IsSetCDigits(std::string_view digits) {
    return digits.size() % 2 == 0 && text::AllDigits(digits);
}

}  // namespace

std::string_view Code128Pattern(std::string_view code) {
    if (code.size() != 2 || !text::IsDigit(code[1])) return {};
    int low = code[1] - '0';
    if (text::IsDigit(code[0])) return kPatterns[(code[0] - '0') * 10 + low];
    if (code[0] == 'H' && 100 + low < static_cast<int>(kPatterns.size())) {
        return kPatterns[100 + low];
    }
    return {};
}

std::string Code128Code(int value) {
    assert(value >= 0 && value <= 109);
    if (value < 0 || value > 109) return {};
    if (value >= 100) return {'H', static_cast<char>('0' + value - 100)};
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

int Code128CCheckValue(std::string_view digits) {
    assert(IsSetCDigits(digits));
    if (!IsSetCDigits(digits)) return -1;
    int sum = kStartC % 103;
    for (std::size_t i = 0, k = 1; i < digits.size(); i += 2, ++k) {
        int pair = (digits[i] - '0') * 10 + (digits[i + 1] - '0');
        sum = (sum + static_cast<int>(k % 103) * pair) % 103;
    }
    return sum;
}

std::string Code128CText(std::string_view digits) {
    int check = Code128CCheckValue(digits);
    if (check < 0) return {};
    std::string text;
    text.reserve(digits.size() + 6);
    text.append("H5");
    text.append(digits);
    text.append(Code128Code(check));
    text.append("H6");
    return text;
}

std::string Code128CWidths(std::string_view digits) {
    std::string codes = Code128CText(digits);
    std::string widths;
    widths.reserve(codes.size() * 3 + 1);
    for (std::size_t i = 0; i < codes.size(); i += 2) {
        widths.append(Code128Pattern(std::string_view(codes).substr(i, 2)));
    }
    return widths;
}

}  // namespace zolvane::symbology
