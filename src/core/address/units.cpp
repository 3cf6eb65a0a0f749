#include "address/units.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstdint>

#include "address/scratch.h"
#include "text/bytes.h"

namespace zolvane::address {

namespace {

using text::IsDigit;
using text::IsUpperLetter;

constexpr auto npos = std::string_view::npos;
constexpr DeliveryPoint kNone = {'9', '9'};

constexpr std::array<std::string_view, 41> kDesignators = {
    "APARTMENT", "APT",       "BASEMENT", "BSMT",  "BUILDING", "BLDG",   "DEPARTMENT",
    "DEPT",      "FLOOR",     "FL",       "FRONT", "FRNT",     "HANGER", "HNGR",
    "KEY",       "LOBBY",     "LBBY",     "LOT",   "LOWER",    "LOWR",   "OFFICE",
    "OFC",       "PENTHOUSE", "PH",       "PIER",  "REAR",     "ROOM",   "RM",
    "SIDE",      "SLIP",      "SPACE",    "SPC",   "STOP",     "SUITE",  "STE",
    "TRAILER",   "TRLR",      "UNIT",     "UPPER", "UPPR",     "#",
};
constexpr int kHash = 40;

// What may follow a designator, in the order tried: of those that occur, the
// last one wins.
constexpr std::array<std::string_view, 9> kSuffixes = {
    " ", ". ", "# ", " #", ". #", " NO. ", " NO ", ". NO. ", ". NO ",
};

// The word designators by first letter and length, for a lookup without
// comparing against all of them.
struct WordIndex {
    static constexpr std::size_t kMaxLength = 10;
    static constexpr std::size_t kPerSlot = 3;
    std::array<std::array<std::array<std::int8_t, kPerSlot>, kMaxLength + 1>, 26> slots{};
};

constexpr WordIndex MakeWordIndex() {
    WordIndex index{};
    for (auto& byLength : index.slots)
        for (auto& slot : byLength) slot.fill(-1);
    for (int i = 0; i < kHash; ++i) {
        const std::string_view d = kDesignators[i];
        if (d.size() > WordIndex::kMaxLength) throw "designator too long";
        auto& slot = index.slots[d[0] - 'A'][d.size()];
        std::size_t k = 0;
        while (k < slot.size() && slot[k] >= 0) ++k;
        if (k == slot.size()) throw "slot full";
        slot[k] = static_cast<std::int8_t>(i);
    }
    return index;
}

constexpr WordIndex kWordIndex = MakeWordIndex();

// The designator spelled by word (capital letters only), or -1.
int DesignatorOf(std::string_view word) {
    if (word.size() > WordIndex::kMaxLength) return -1;
    for (std::int8_t i : kWordIndex.slots[word[0] - 'A'][word.size()]) {
        if (i < 0) break;
        if (kDesignators[i] == word) return i;
    }
    return -1;
}

// The text after " " + designator + suffix, for the last suffix that occurs
// anywhere, taken at its first occurrence.
std::string_view RawUnit(std::string_view designator, std::string_view text) {
    int best = -1;
    std::size_t unitStart = 0;
    const std::size_t n = text.size();
    for (std::size_t at = text.find(' '); at != npos; at = text.find(' ', at + 1)) {
        if (text.compare(at + 1, designator.size(), designator) != 0) continue;
        const std::string_view after = text.substr(std::min(n, at + 1 + designator.size()));
        for (int k = static_cast<int>(kSuffixes.size()) - 1; k > best; --k) {
            if (after.starts_with(kSuffixes[k])) {
                best = k;
                unitStart =
                    static_cast<std::size_t>(after.data() - text.data()) + kSuffixes[k].size();
                break;
            }
        }
    }
    return best < 0 ? std::string_view{} : text.substr(unitStart);
}

// Blanks trimmed; at most two words.
std::string_view TidyUnit(std::string_view unit) {
    if (unit.size() > 1) {
        while (unit.size() > 1 && unit.front() == ' ') unit.remove_prefix(1);
        while (unit.size() > 1 && unit.back() == ' ') unit.remove_suffix(1);
    }
    std::size_t blanks = 0;
    for (char c : unit) blanks += c == ' ';
    if (blanks > 1 || unit == " ") return {};
    return unit;
}

std::string_view UnitAfter(std::string_view designator, std::string_view text) {
    if (designator == "#") {
        const std::size_t at = text.find(" #");
        return at == npos ? std::string_view{} : TidyUnit(text.substr(at + 2));
    }
    return TidyUnit(RawUnit(designator, text));
}

// The unit of the first designator, in list order, that yields one. Every
// designator pattern is a blank, the designator and a suffix that starts with
// ' ', '.' or '#', so one pass over the words that follow a blank tells which
// designators can occur at all.
std::string_view FirstUnit(std::string_view text) {
    std::uint64_t present = 0;
    std::size_t afterHash = npos;
    const std::size_t n = text.size();
    for (std::size_t at = 0; at + 1 < n; ++at) {
        if (text[at] != ' ') continue;
        std::size_t end = at + 1;
        while (end < n && IsUpperLetter(text[end])) ++end;
        if (end == n) break;
        const char next = text[end];
        if (end == at + 1) {
            if (next == '#' && afterHash == npos) afterHash = end + 1;
        } else if (next == ' ' || next == '.' || next == '#') {
            const int d = DesignatorOf(text.substr(at + 1, end - at - 1));
            if (d >= 0) present |= std::uint64_t{1} << d;
        }
        at = end - 1;
    }
    for (; present != 0; present &= present - 1) {
        const int d = std::countr_zero(present);
        const std::string_view unit = TidyUnit(RawUnit(kDesignators[d], text));
        if (!unit.empty()) return unit;
    }
    return afterHash == npos ? std::string_view{} : TidyUnit(text.substr(afterHash));
}

int LetterValue(char letter) {
    int v = letter - 'A' + 1;
    if (v == 10) v = 0;
    if (v > 10) v += 10;
    if (v > 30) v += 10;
    return v;
}

DeliveryPoint TwoDigits(int v) {
    return {char('0' + v / 10), char('0' + v % 10)};
}

DeliveryPoint Fold(int hi, int lo) {
    if (hi == 0) return TwoDigits(lo);
    return TwoDigits(hi % 4 * 25 + lo % 25);
}

// The delivery point of a unit. Signs such as '.', '-' and blanks are neither
// digits nor letters, so they never change the result.
DeliveryPoint UnitDeliveryPoint(std::string_view unit) {
    const std::size_t blank = unit.find(' ');
    if (blank != npos && unit.substr(blank + 1).find('/') != npos) unit = unit.substr(0, blank);
    if (unit.find('/') != npos) return {'0', '0'};

    int digits = 0;
    int lastFour = 0;
    char firstLetter = 0, lastLetter = 0, lastDigit = 0, digitBeforeLastLetter = 0;
    bool endsInLetter = false;
    for (char c : unit) {
        if (IsDigit(c)) {
            ++digits;
            lastFour = (lastFour * 10 + (c - '0')) % 10000;
            lastDigit = c;
            endsInLetter = false;
        } else if (IsUpperLetter(c)) {
            if (firstLetter == 0) firstLetter = c;
            lastLetter = c;
            digitBeforeLastLetter = lastDigit;
            endsInLetter = true;
        }
    }

    if (firstLetter == 0) {
        if (digits == 0) return kNone;
        if (digits <= 2) return TwoDigits(lastFour);
        return Fold(lastFour / 100, lastFour % 100);
    }
    if (digits == 0) return TwoDigits(static_cast<unsigned char>(lastLetter) + 8);
    if (!endsInLetter) return {char('0' + LetterValue(firstLetter) % 10), lastDigit};
    return TwoDigits((10 * (digitBeforeLastLetter - '0') + LetterValue(lastLetter)) % 100);
}

}  // namespace

const std::vector<std::string>& UnitDesignators() {
    static const std::vector<std::string> designators(kDesignators.begin(), kDesignators.end());
    return designators;
}

std::string UnitAfterDesignator(std::string_view designator, std::string_view text) {
    return std::string(UnitAfter(designator, text));
}

std::string FoldUnitNumber(std::string_view fourDigits) {
    assert(fourDigits.size() == 4 && text::AllDigits(fourDigits));
    const auto value = [&](std::size_t i) {
        return (fourDigits[i] - '0') * 10 + fourDigits[i + 1] - '0';
    };
    return std::string(AsText(Fold(value(0), value(2))));
}

std::string LetterCode(char letter) {
    if (!IsUpperLetter(letter)) return {};
    return std::to_string(LetterValue(letter));
}

DeliveryPoint HighriseDeliveryPoint(std::string_view address) {
    detail::ScratchText normal(address.size());
    for (char c : address) {
        c = text::AsciiUpper(c);
        if (c == ' ' && (normal.empty() || normal.back() == ' ')) continue;
        normal.push_back(c);
    }
    if (!normal.empty() && normal.back() == ' ') normal.pop_back();
    if (normal.empty() && !address.empty()) normal.push_back(' ');

    std::string_view unit = FirstUnit(normal.view());
    if (unit.empty()) return StreetpointDeliveryPoint(address);

    // "APT STE 5": a second designator after the first one is dropped.
    detail::ScratchText again(unit.size() + 1);
    again.push_back(' ');
    again.append(unit);
    const std::string_view inner = FirstUnit(again.view());
    if (!inner.empty()) unit = inner;

    return UnitDeliveryPoint(unit);
}

std::string Highrise(std::string_view address, std::string_view zip, std::string_view frameBar) {
    return Streetpoint({}, zip, AsText(HighriseDeliveryPoint(address)), frameBar);
}

}  // namespace zolvane::address
