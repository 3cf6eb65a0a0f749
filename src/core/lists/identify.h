#pragma once

// The identification of the fields before a run: the guessed assignment goes
// to the identification dialog through its transfer memo, the user's choices
// come back the same way, and the checks repeat the dialog until the choices
// are usable or the user cancels.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lists/field_assignment.h"
#include "lists/notice.h"

namespace zolvane::settings {
class Prefs;
}

namespace zolvane::lists {

class ListSource;

// The dialog's memo, one line per item: the kind's label, the path, the
// record and field counts, then the fields in the order of the dialog (the
// POSTNET dialog's order, or the intelligent dialog's when imb).
std::vector<std::string> TransferMemoLines(const ListSource& source, const FieldAssignment& a,
                                           bool imb);
// Lines 4 onward back into an assignment; a line that holds no number reads
// as -1.
FieldAssignment ReadTransferMemo(const std::vector<std::string>& lines, bool imb);

struct IdentifyHooks {
    // Shows the identification dialog modally with the memo; it writes its
    // lines 4 onward back. False when the user cancelled.
    std::function<bool(std::vector<std::string>& memo)> showDialog;
    // Shows one failed check's message and waits for OK.
    std::function<void(const Notice& notice)> showNotice;
    // Started with "NOSTOP": the dialog is not shown; a failing check is
    // shown once and the operation ends without running.
    bool noStop = false;
};

// The confirmed assignment, or nothing when the user cancelled or (with
// noStop) the guess did not pass the checks. Reads prefs line 1.
std::optional<FieldAssignment> IdentifyAndCheck(const ListSource& source,
                                                const FieldAssignment& guess,
                                                const settings::Prefs& prefs,
                                                const IdentifyHooks& hooks);

}  // namespace zolvane::lists
