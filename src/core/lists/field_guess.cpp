#include "lists/field_guess.h"

#include "lists/source.h"
#include "settings/prefs.h"
#include "text/bytes.h"

namespace zolvane::lists {

using settings::PrefLine;

namespace {

bool IsImb(const settings::Prefs& prefs) {
    return prefs.Get(PrefLine::BarcodeKind) == "0";
}
bool IsPostnet(const settings::Prefs& prefs) {
    return prefs.Get(PrefLine::BarcodeKind) == "1";
}

int FindName(const std::vector<std::string>& upperNames, std::string_view name) {
    for (std::size_t i = 0; i < upperNames.size(); ++i)
        if (upperNames[i] == name) return static_cast<int>(i);
    return -1;
}

// Sets member from the names in order; a later name present replaces an
// earlier one.
void ByNames(const std::vector<std::string>& upper, std::initializer_list<std::string_view> names,
             int& member) {
    for (auto name : names)
        if (int i = FindName(upper, name); i >= 0) member = i;
}

bool DigitsAt(std::string_view v, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i)
        if (!text::IsDigit(v[i])) return false;
    return true;
}

bool AllBarLetters(std::string_view v) {
    for (char c : v)
        if (std::string_view("ADTFadtf").find(c) == std::string_view::npos) return false;
    return true;
}

}  // namespace

FieldAssignment GuessFromNames(const std::vector<std::string>& names) {
    std::vector<std::string> upper;
    upper.reserve(names.size());
    for (const auto& n : names) upper.push_back(text::AsciiUpper(n));
    FieldAssignment a;
    ByNames(upper, {"ZIP4"}, a.zip4);
    ByNames(upper, {"ZIP+4"}, a.zip9);
    ByNames(upper, {"ZIP5"}, a.zip5);
    ByNames(upper, {"OWNERZIP", "TAXPAYERZIP"}, a.zip9);
    for (auto name : {"ZIP", "ZIPCODE", "ZIP CODE", "ZIP_CODE"}) {
        if (int i = FindName(upper, name); i >= 0) (a.zip4 >= 0 ? a.zip5 : a.zip9) = i;
    }
    ByNames(upper, {"ADDR1", "ADDRESS", "ADDRESS1", "TAXPAYERADDR1", "STREETNO"}, a.address);
    ByNames(upper, {"USER5", "BARCODE"}, a.barcode);
    ByNames(upper,
            {"DELIVERY POINT", "DELIVERY PT", "DELIVERY PT.", "DELVPOINT", "DELVPT", "DEL POINT",
             "DEL PT", "DEL. POINT", "DEL. PT.", "DP", "OWNERDELIVERYPT"},
            a.dp);
    ByNames(upper, {"OEL", "ENDORSEMENT", "USER9"}, a.oel);
    ByNames(upper, {"SERIAL"}, a.serial);
    return a;
}

bool NamesAreEnough(const FieldAssignment& a, const settings::Prefs& prefs) {
    return (a.zip9 >= 0 || (a.zip5 >= 0 && a.zip4 >= 0)) && (a.address >= 0 || a.dp >= 0) &&
           (a.barcode >= 0 || prefs.Get(PrefLine::BarcodeOutput) == "1") &&
           (a.serial >= 0 || IsPostnet(prefs) || prefs.Get(PrefLine::SerialOption) == "2");
}

FieldAssignment GuessFromContents(FileKind kind, const FieldAssignment& byName,
                                  const std::vector<std::vector<std::string>>& samples,
                                  const settings::Prefs& prefs) {
    const bool imb = IsImb(prefs);
    const bool postnet = IsPostnet(prefs);
    const bool nineDigitMailer = prefs.Get(PrefLine::MailerId).size() == 9;
    FieldAssignment per[3];
    for (std::size_t k = 0; k < 3; ++k) {
        FieldAssignment& c = per[k];
        c = FieldAssignment{};
        c.oel = byName.oel;
        c.serial = byName.serial;
        if (k >= samples.size()) continue;
        const auto& record = samples[k];
        for (std::size_t f = 0; f < record.size(); ++f) {
            const int i = static_cast<int>(f);
            std::string_view v = record[f];
            while (v.size() > 1 && v.back() == ' ') v.remove_suffix(1);
            switch (v.size()) {
                case 2:
                case 3:
                    if (c.dp == -1 && text::AllDigits(v)) c.dp = i;
                    break;
                case 4:
                    if (c.zip4 == -1 && c.zip9 == -1 && text::AllDigits(v)) c.zip4 = i;
                    break;
                case 5:
                    if (c.zip5 == -1 && c.zip9 == -1 && text::AllDigits(v)) c.zip5 = i;
                    break;
                case 6:
                    if (nineDigitMailer && imb && c.serial == -1 && text::AllDigits(v))
                        c.serial = i;
                    break;
                case 9:
                    if (c.zip9 == -1 && text::AllDigits(v)) c.zip9 = i;
                    if (c.zip9 != -1) c.zip5 = c.zip4 = -1;
                    break;
                case 10:
                    if (c.zip9 == -1 && DigitsAt(v, 0, 5) && v[5] == '-' && DigitsAt(v, 6, 10))
                        c.zip9 = i;
                    if (c.zip9 != -1) c.zip5 = c.zip4 = -1;
                    break;
                case 14:
                    if (postnet && c.barcode == -1 && DigitsAt(v, 1, 13)) c.barcode = i;
                    break;
                case 65:
                    if (imb && c.barcode == -1 && AllBarLetters(v)) c.barcode = i;
                    break;
                default:
                    if (imb && v.size() > 12 && c.oel == -1 && v.substr(0, 3) == "***") c.oel = i;
                    break;
            }
            if (imb && c.oel == -1 && v.substr(0, 2) == "**") c.oel = i;
            if (kind != FileKind::AsciiBar && c.zip5 == -1 && c.zip4 == -1 && c.zip9 == -1 &&
                c.barcode == -1 && v.size() > 2)
                c.address = i;
        }
    }
    FieldAssignment a = byName;
    auto vote = [&](int FieldAssignment::*member) {
        if (a.*member == -1)
            a.*member = MajorityOfThree(per[0].*member, per[1].*member, per[2].*member);
    };
    for (auto m : {&FieldAssignment::address, &FieldAssignment::zip5, &FieldAssignment::zip4,
                   &FieldAssignment::zip9, &FieldAssignment::barcode, &FieldAssignment::dp})
        vote(m);
    if (imb) {
        vote(&FieldAssignment::oel);
        vote(&FieldAssignment::serial);
    }
    return a;
}

FieldAssignment Normalize(FieldAssignment a) {
    if (a.dp >= 0) a.address = -1;
    if (a.zip5 >= 0 && a.zip4 >= 0) {
        a.zip9 = -1;
    } else {
        a.zip5 = a.zip4 = -1;
    }
    return a;
}

FieldAssignment GuessFields(ListSource& source, const settings::Prefs& prefs) {
    const bool hasNames = !IsTextKind(source.Kind()) || HasFieldNameLine(source.Kind());
    FieldAssignment a = hasNames ? GuessFromNames(source.FieldNames()) : FieldAssignment{};
    if (!hasNames || !NamesAreEnough(a, prefs))
        a = GuessFromContents(source.Kind(), a, source.GuessSamples(), prefs);
    return Normalize(a);
}

}  // namespace zolvane::lists

namespace zolvane::lists {

namespace {

const char* const kNeedAddressOrDp =
    "Zolvane cannot proceed until you tell it either which field contains the 2-digit delivery "
    "point code (best) or which field contains the street address.";
const char* const kNeedZip =
    "Zolvane cannot proceed until you tell it which field(s) contains the zip codes. "
    "You can identify either a single field containing 9-digit zip codes, "
    "or two fields, one containing the first 5 digits and the other containing the +4 digits.";
const char* const kNeedBarcodeField =
    "Zolvane cannot proceed until you tell it in which field the barcodes should be placed.";

bool FieldNarrower(const ListSource& source, int field, std::size_t width) {
    auto w = source.FieldWidth(static_cast<std::size_t>(field));
    return w && *w < width;
}

}  // namespace

std::vector<Notice> CheckFieldAssignment(const FieldAssignment& f, const ListSource& source,
                                         const settings::Prefs& prefs) {
    std::vector<Notice> out;
    const FileKind kind = source.Kind();
    const bool intoList = prefs.Get(PrefLine::BarcodeOutput) == "0";
    const bool dbase = kind == FileKind::DBase;
    const bool noZip = f.zip9 == -1 && (f.zip5 == -1 || f.zip4 == -1);
    auto fail = [&](const char* text, NoticeIcon icon) {
        out.push_back({text, icon, NoticeBeep::None});
    };
    // Most checks run only while no earlier check of this pass has failed.
    auto clear = [&] { return out.empty(); };

    if (!IsImb(prefs)) {
        if (f.address == -1 && f.dp == -1) fail(kNeedAddressOrDp, NoticeIcon::Warning);
        if (clear() && noZip) fail(kNeedZip, NoticeIcon::Warning);
        if (clear() && f.barcode == -1 && intoList && !IsTextKind(kind))
            fail(kNeedBarcodeField, NoticeIcon::Warning);
        if (clear() && f.barcode >= 0 && intoList && dbase && FieldNarrower(source, f.barcode, 14))
            fail(
                "The field you chose for barcodes is too short. It must be able to hold at least "
                "14 characters.",
                NoticeIcon::Warning);
        return out;
    }
    const std::string& serialOption = prefs.Get(PrefLine::SerialOption);
    if (f.address == -1 && f.dp == -1) fail(kNeedAddressOrDp, NoticeIcon::Warning);
    if (noZip) fail(kNeedZip, NoticeIcon::Error);
    if (clear() && f.oel == -1 && prefs.Get(PrefLine::Oels) == "t")
        fail(
            "Zolvane cannot proceed until you tell it in which field contains the Optional "
            "Endorsement Lines (OELs). Intelligent Barcodes encode the OELs into the barcodes for "
            "flat-sized pieces, so Zolvane must be able to read the OELs from your file. If you "
            "are mailing letter-sized pieces, or are not using OELs, please click OK, click "
            "cancel, start over and turn off the OEL option when you get to the Intelligent "
            "Barcode Setup screen.",
            NoticeIcon::Error);
    if (clear() && f.barcode == -1 && intoList && !IsTextKind(kind))
        fail(kNeedBarcodeField, NoticeIcon::Error);
    if (clear() && f.barcode >= 0 && intoList && dbase && FieldNarrower(source, f.barcode, 65))
        fail(
            "The field you chose for barcodes is too short. It must be able to hold at least 65 "
            "characters.",
            NoticeIcon::Error);
    if (clear() && f.serial == -1 && intoList && serialOption == "0" && !IsTextKind(kind))
        fail(
            "Zolvane cannot proceed until you tell it in which field the mailpiece serial "
            "numbers should be placed.",
            NoticeIcon::Error);
    if (clear() && f.serial >= 0 && intoList && dbase && FieldNarrower(source, f.serial, 6))
        fail(
            "The field you chose for serial numbers is too short. It must be able to hold at "
            "least 6 characters.",
            NoticeIcon::Error);
    if (clear() && f.serial == -1 && serialOption == "1")
        fail(
            "Zolvane cannot proceed until you tell it which field contains the mailpiece serial "
            "numbers. If you want Zolvane to create the serial numbers, please click OK, click "
            "cancel, start over and choose that option when you get to the Intelligent Barcode "
            "Setup screen.",
            NoticeIcon::Error);
    return out;
}

}  // namespace zolvane::lists
