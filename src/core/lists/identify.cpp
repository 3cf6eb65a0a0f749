#include "lists/identify.h"

#include "lists/field_guess.h"
#include "lists/source.h"
#include "settings/prefs.h"
#include "text/bytes.h"

namespace zolvane::lists {

namespace {

using Member = int FieldAssignment::*;

// Memo lines 4 onward, per dialog.
const std::vector<Member>& MemoOrder(bool imb) {
    static const std::vector<Member> kPostnet = {&FieldAssignment::address, &FieldAssignment::zip5,
                                                 &FieldAssignment::zip4,    &FieldAssignment::zip9,
                                                 &FieldAssignment::barcode, &FieldAssignment::dp};
    static const std::vector<Member> kImb = {&FieldAssignment::zip5,    &FieldAssignment::zip4,
                                             &FieldAssignment::zip9,    &FieldAssignment::dp,
                                             &FieldAssignment::address, &FieldAssignment::oel,
                                             &FieldAssignment::barcode, &FieldAssignment::serial};
    return imb ? kImb : kPostnet;
}

}  // namespace

std::vector<std::string> TransferMemoLines(const ListSource& source, const FieldAssignment& a,
                                           bool imb) {
    std::vector<std::string> lines = {std::string(FileKindLabel(source.Kind())),
                                      source.Path().string(), std::to_string(source.RecordCount()),
                                      std::to_string(source.FieldCount())};
    for (Member m : MemoOrder(imb)) lines.push_back(std::to_string(a.*m));
    return lines;
}

FieldAssignment ReadTransferMemo(const std::vector<std::string>& lines, bool imb) {
    FieldAssignment a;
    std::size_t i = 4;
    for (Member m : MemoOrder(imb)) {
        auto v = i < lines.size() ? text::ParseInteger(lines[i]) : std::nullopt;
        a.*m = (v && *v >= -1 && *v < (1 << 20)) ? static_cast<int>(*v) : -1;
        ++i;
    }
    return a;
}

std::optional<FieldAssignment> IdentifyAndCheck(const ListSource& source,
                                                const FieldAssignment& guess,
                                                const settings::Prefs& prefs,
                                                const IdentifyHooks& hooks) {
    const bool imb = prefs.Get(settings::PrefLine::BarcodeKind) == "0";
    std::vector<std::string> memo = TransferMemoLines(source, guess, imb);
    for (;;) {
        if (!hooks.noStop && !hooks.showDialog(memo)) return std::nullopt;
        FieldAssignment chosen = ReadTransferMemo(memo, imb);
        auto problems = CheckFieldAssignment(chosen, source, prefs);
        for (const auto& p : problems)
            if (hooks.showNotice) hooks.showNotice(p);
        if (problems.empty()) return chosen;
        if (hooks.noStop) return std::nullopt;
    }
}

}  // namespace zolvane::lists
