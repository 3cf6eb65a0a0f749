#include "address/streetpoint.h"

#include "address/scratch.h"
#include "symbology/postnet.h"
#include "text/bytes.h"

namespace zolvane::address {

namespace {

using text::IsDigit;
using text::IsUpperLetter;

constexpr DeliveryPoint kNone = {'9', '9'};
constexpr auto npos = std::string_view::npos;

// Post-office box, rural route, highway contract route, military and others.
// clang-format off
constexpr std::string_view kBoxPrefixes[] = {
    "PO ", "P O ", "P.O. ", "P. O. ", "POST OFFICE ",
    "RR", "R R", "R.R.", "R. R.", "RURAL ROUTE ", "RURAL RTE ",
    "HC", "H C", "H.C.", "H. C.", "HIGHWAY CONTRACT ROUTE ", "HIGHWAY CONTRACT RTE ",
    "CMR ", "PSC ", "UNIT ", "BOX "};
// clang-format on

bool IsBoxType(std::string_view w) {
    for (std::string_view prefix : kBoxPrefixes)
        if (w.starts_with(prefix)) return true;
    return false;
}

bool HasDigit(std::string_view s) {
    for (char c : s)
        if (IsDigit(c)) return true;
    return false;
}

// Non-digits, then digits to the end, at least one: "123", "W12", "#5".
bool EndsInNumber(std::string_view word) {
    std::size_t i = 0;
    while (i < word.size() && !IsDigit(word[i])) ++i;
    if (i == word.size()) return false;
    return text::AllDigits(word.substr(i));
}

bool IsOrdinal(std::string_view piece) {
    constexpr std::string_view kShort[] = {"1ST", "2ND", "3RD", "4TH", "5TH",
                                           "6TH", "7TH", "8TH", "9TH", "0TH"};
    constexpr std::string_view kLong[] = {"11TH", "12TH", "13TH"};
    for (std::string_view o : kShort)
        if (piece.ends_with(o)) return true;
    for (std::string_view o : kLong)
        if (piece.ends_with(o)) return true;
    return false;
}

// The primary number: the first word, or a second word that ends in a number.
std::string_view Candidate(std::string_view w, bool boxType) {
    const std::size_t blank = w.find(' ');
    if (blank == npos) return HasDigit(w) ? w : std::string_view{};

    std::string_view candidate = w.substr(0, blank);
    const std::size_t end = w.find(' ', blank + 1);
    const std::string_view second = w.substr(blank + 1, end == npos ? npos : end - blank - 1);
    if (EndsInNumber(second)) {
        // "123 45 ST": two characters after the second word are a street type.
        const bool streetType = !boxType && end != npos && w.size() - end - 1 == 2;
        if (!streetType) candidate = second;
    }
    if (HasDigit(candidate)) return candidate;

    const std::string_view rest = w.substr(blank + 1);
    if (rest.empty() || !IsDigit(rest.front())) return candidate;
    const std::string_view piece = rest.substr(0, rest.find(' '));
    if (IsOrdinal(piece) || piece.find('/') != npos) return candidate;
    return piece;
}

// f(zip + dp), the joined digits kept off the heap.
template <typename F>
auto WithDigits(std::string_view zip, std::string_view dp, F&& f) {
    detail::ScratchText digits(zip.size() + dp.size());
    digits.append(zip);
    digits.append(dp);
    return f(digits.view());
}

}  // namespace

DeliveryPoint StreetpointDeliveryPoint(std::string_view address) {
    while (!address.empty() && address.back() == ' ') address.remove_suffix(1);
    detail::ScratchText upper(address.size());
    for (char c : address) upper.push_back(text::AsciiUpper(c));
    std::string_view w = upper.view();

    const bool boxType = IsBoxType(w);
    if (boxType) {
        const std::size_t box = w.find("BOX ");
        if (box == npos) return kNone;
        w.remove_prefix(box + 4);
    }

    std::string_view candidate = Candidate(w, boxType);
    while (!candidate.empty() && IsUpperLetter(candidate.back())) candidate.remove_suffix(1);

    char collected[2];
    int count = 0;
    for (std::size_t i = candidate.size(); i-- > 0 && count < 2;) {
        const char c = candidate[i];
        if (IsDigit(c)) {
            collected[1 - count++] = c;
        } else if (c == '/') {
            return kNone;
        } else {
            break;
        }
    }
    if (count == 2) {
        // "1/23": a fraction is no house number.
        if (candidate.find('/') != npos) return kNone;
        return {collected[0], collected[1]};
    }
    if (count == 1) return {'0', collected[1]};
    return kNone;
}

std::string Streetpoint(std::string_view address, std::string_view zip, std::string_view dp,
                        std::string_view frameBar) {
    DeliveryPoint derived = kNone;
    if (dp.empty()) {
        if (!address.empty()) derived = StreetpointDeliveryPoint(address);
        dp = AsText(derived);
    }
    return WithDigits(
        zip, dp, [&](std::string_view digits) { return symbology::PostnetText(digits, frameBar); });
}

std::optional<DeliveryPoint> NormalizeGivenDeliveryPoint(std::string_view field,
                                                         std::string_view zip9) {
    field = text::TrimControl(field);
    if (field.empty() || field.size() > 3 || !text::AllDigits(field)) return std::nullopt;
    if (field.size() == 1) return DeliveryPoint{'0', field[0]};
    const DeliveryPoint dp = {field[0], field[1]};
    if (field.size() == 2) return dp;

    // The third digit is the check digit of the ZIP+4 and the first two.
    if (zip9.empty() || !text::AllDigits(zip9)) return std::nullopt;
    const char check = WithDigits(zip9, AsText(dp), [](std::string_view digits) {
        return symbology::PostnetCheckDigit(digits);
    });
    if (check != field[2]) return std::nullopt;
    return dp;
}

}  // namespace zolvane::address
