#pragma once

// A plain, step-by-step rendering of the delivery-point rules, written for
// obviousness and not for speed. The fast code in src/core/address must give
// the same answers for every address.

#include <algorithm>
#include <string>
#include <vector>

namespace zolvane::address::reference {

inline const std::vector<std::string>& Designators() {
    static const std::vector<std::string> designators = {
        "APARTMENT", "APT",       "BASEMENT", "BSMT",  "BUILDING", "BLDG",   "DEPARTMENT",
        "DEPT",      "FLOOR",     "FL",       "FRONT", "FRNT",     "HANGER", "HNGR",
        "KEY",       "LOBBY",     "LBBY",     "LOT",   "LOWER",    "LOWR",   "OFFICE",
        "OFC",       "PENTHOUSE", "PH",       "PIER",  "REAR",     "ROOM",   "RM",
        "SIDE",      "SLIP",      "SPACE",    "SPC",   "STOP",     "SUITE",  "STE",
        "TRAILER",   "TRLR",      "UNIT",     "UPPER", "UPPR",     "#"};
    return designators;
}

inline bool Digit(char c) {
    return c >= '0' && c <= '9';
}
inline bool Letter(char c) {
    return c >= 'A' && c <= 'Z';
}

inline std::string Capitals(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

inline bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}

inline bool HasDigit(const std::string& s) {
    return std::any_of(s.begin(), s.end(), Digit);
}

inline std::string StreetpointDp(const std::string& address) {
    // 1. Working copy.
    std::string w = Capitals(address);
    while (!w.empty() && w.back() == ' ') w.pop_back();

    // 2. Box-type test.
    const std::vector<std::string> prefixes = {"PO ",
                                               "P O ",
                                               "P.O. ",
                                               "P. O. ",
                                               "POST OFFICE ",
                                               "RR",
                                               "R R",
                                               "R.R.",
                                               "R. R.",
                                               "RURAL ROUTE ",
                                               "RURAL RTE ",
                                               "HC",
                                               "H C",
                                               "H.C.",
                                               "H. C.",
                                               "HIGHWAY CONTRACT ROUTE ",
                                               "HIGHWAY CONTRACT RTE ",
                                               "CMR ",
                                               "PSC ",
                                               "UNIT ",
                                               "BOX "};
    bool box = false;
    for (const std::string& p : prefixes)
        if (StartsWith(w, p)) box = true;

    // 3. Box number.
    if (box) {
        const std::size_t at = w.find("BOX ");
        if (at != std::string::npos)
            w = w.substr(at + 4);
        else
            w = "99";
    }

    // 4. Candidate.
    std::string candidate;
    if (w.find(' ') == std::string::npos) {
        candidate = w;
    } else {
        const std::size_t first = w.find(' ');
        candidate = w.substr(0, first);
        const std::size_t next = w.find(' ', first + 1);
        const std::string second =
            next == std::string::npos ? w.substr(first + 1) : w.substr(first + 1, next - first - 1);
        std::size_t i = 0;
        while (i < second.size() && !Digit(second[i])) ++i;
        bool qualifies = i < second.size();
        for (std::size_t j = i; j < second.size(); ++j)
            if (!Digit(second[j])) qualifies = false;
        if (qualifies) {
            const bool exception = !box && next != std::string::npos && w.size() - (next + 1) == 2;
            if (!exception) candidate = second;
        }
    }

    // 5. Candidate without digits.
    if (!HasDigit(candidate)) {
        if (candidate == w) {
            candidate = "";
        } else {
            const std::string after = w.substr(w.find(' ') + 1);
            if (!after.empty() && Digit(after[0])) {
                const std::string piece = after.substr(0, after.find(' '));
                const std::string last3 = piece.size() < 3 ? piece : piece.substr(piece.size() - 3);
                const std::string last4 = piece.size() < 4 ? piece : piece.substr(piece.size() - 4);
                bool ordinal = false;
                for (const char* o :
                     {"1ST", "2ND", "3RD", "4TH", "5TH", "6TH", "7TH", "8TH", "9TH", "0TH"})
                    if (last3 == o) ordinal = true;
                for (const char* o : {"11TH", "12TH", "13TH"})
                    if (last4 == o) ordinal = true;
                if (!ordinal && piece.find('/') == std::string::npos) candidate = piece;
            }
        }
    }

    // 6. Trailing letters.
    while (!candidate.empty() && Letter(candidate.back())) candidate.pop_back();

    // 7. Digits, walking backwards.
    std::string collected;
    for (std::size_t i = candidate.size(); i-- > 0;) {
        const char c = candidate[i];
        if (Digit(c)) {
            collected.insert(collected.begin(), c);
            if (collected.size() == 2) {
                if (candidate.find('/') != std::string::npos) return "99";
                break;
            }
        } else if (c == '/') {
            return "99";
        } else {
            break;
        }
    }

    // 8. Completion.
    if (collected.empty()) return "99";
    if (collected.size() == 1) return "0" + collected;
    return collected;
}

inline std::string UnitAfterDesignator(const std::string& designator, const std::string& text) {
    const std::vector<std::string> suffixes = {" ",     ". ",   "# ",     " #",   ". #",
                                               " NO. ", " NO ", ". NO. ", ". NO "};
    std::string unit;
    for (const std::string& suffix : suffixes) {
        const std::string pattern = " " + designator + suffix;
        const std::size_t at = text.find(pattern);
        if (at != std::string::npos) unit = text.substr(at + pattern.size());
    }
    if (designator == "#") {
        const std::size_t at = text.find(" #");
        if (at != std::string::npos) unit = text.substr(at + 2);
    }
    if (unit.size() > 1) {
        while (unit.size() > 1 && unit.front() == ' ') unit.erase(0, 1);
        while (unit.size() > 1 && unit.back() == ' ') unit.pop_back();
    }
    if (unit == " ") unit = "";
    if (std::count(unit.begin(), unit.end(), ' ') > 1) unit = "";
    return unit;
}

inline std::string LetterCode(char letter) {
    int place = letter - 'A' + 1;
    if (place == 10) place = 0;
    if (place > 10) place += 10;
    if (place > 30) place += 10;
    return std::to_string(place);
}

inline std::string FoldUnitNumber(const std::string& four) {
    const int hi = std::stoi(four.substr(0, 2));
    const int lo = std::stoi(four.substr(2, 2));
    if (hi == 0) return four.substr(2);
    std::string r = std::to_string((hi % 4) * 25 + (lo % 25));
    while (r.size() < 2) r = "0" + r;
    return r;
}

inline std::string Normalise(const std::string& address) {
    std::string s = Capitals(address);
    if (s.size() > 1) {
        while (s.size() > 1 && s.front() == ' ') s.erase(0, 1);
        while (s.size() > 1 && s.back() == ' ') s.pop_back();
    }
    for (std::size_t at; (at = s.find("  ")) != std::string::npos;) s.erase(at, 1);
    return s;
}

inline std::string HighriseDp(const std::string& address) {
    // 1. Normalise.
    const std::string s = Normalise(address);

    // 2. First search.
    std::string unit;
    for (const std::string& d : Designators()) {
        if (!unit.empty()) break;
        unit = UnitAfterDesignator(d, s);
    }

    // 3. No unit.
    if (unit.empty()) return StreetpointDp(address);

    // 4. Second search.
    std::string second;
    for (const std::string& d : Designators()) {
        if (!second.empty()) break;
        second = UnitAfterDesignator(d, " " + unit);
    }
    if (!second.empty()) unit = second;

    // 5. Fractions.
    const std::size_t blank = unit.find(' ');
    if (blank != std::string::npos && unit.substr(blank + 1).find('/') != std::string::npos)
        unit = unit.substr(0, blank);
    if (unit.find('/') != std::string::npos) unit = "00";

    // 6. Signs and blanks.
    if (unit.find_first_of(".- ") != std::string::npos)
        unit.erase(std::remove_if(unit.begin(), unit.end(),
                                  [](char c) { return c == '.' || c == '-' || c == ' '; }),
                   unit.end());

    // 7. Classification.
    const bool digit = HasDigit(unit);
    const bool letter = std::any_of(unit.begin(), unit.end(), Letter);
    if (!digit && !letter) return "99";
    if (digit && !letter) {
        std::string digits;
        for (char c : unit)
            if (Digit(c)) digits += c;
        if (digits.size() == 1) return "0" + digits;
        if (digits.size() == 2) return digits;
        if (digits.size() == 3) return FoldUnitNumber("0" + digits);
        return FoldUnitNumber(digits.substr(digits.size() - 4));
    }
    if (!digit && letter) {
        char last = 0;
        for (char c : unit)
            if (Letter(c)) last = c;
        return std::to_string(static_cast<unsigned char>(last) + 8);
    }
    std::size_t lastAt = 0;
    for (std::size_t i = 0; i < unit.size(); ++i)
        if (Digit(unit[i]) || Letter(unit[i])) lastAt = i;
    if (Digit(unit[lastAt])) {
        std::size_t firstLetter = 0;
        while (!Letter(unit[firstLetter])) ++firstLetter;
        const std::string code = LetterCode(unit[firstLetter]);
        return std::string(1, code.back()) + unit[lastAt];
    }
    std::size_t d = lastAt;
    while (!Digit(unit[d])) --d;
    std::string n = std::to_string(10 * (unit[d] - '0') + std::stoi(LetterCode(unit[lastAt])));
    if (n.size() == 1) n = "0" + n;
    if (n.size() == 3) n = n.substr(1);
    return n;
}

}  // namespace zolvane::address::reference
