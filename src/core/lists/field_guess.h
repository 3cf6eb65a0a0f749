#pragma once

// The automatic guess of which field holds what: first from the field names,
// then, where the names do not settle it, from the contents of the first three
// records; and the checks of an assignment before a run.

#include <string_view>
#include <vector>

#include "lists/field_assignment.h"
#include "lists/file_kind.h"
#include "lists/notice.h"

namespace zolvane::settings {
class Prefs;
}

namespace zolvane::lists {

class ListSource;

// The name guess alone: every name upper-cased and compared exactly; when
// several fields share a name the first counts.
FieldAssignment GuessFromNames(const std::vector<std::string>& names);

// Whether the names already give everything a run needs, so that the content
// guess is skipped.
bool NamesAreEnough(const FieldAssignment& byName, const settings::Prefs& prefs);

// The content guess on top of the name guess, over three sample records.
FieldAssignment GuessFromContents(FileKind kind, const FieldAssignment& byName,
                                  const std::vector<std::vector<std::string>>& samples,
                                  const settings::Prefs& prefs);

// A dp field makes the address unneeded; the ZIP is either one 9-digit field
// or the 5-digit and +4 pair.
FieldAssignment Normalize(FieldAssignment a);

// The whole guess, normalised: reads prefs lines 1, 2, 9 and 19.
FieldAssignment GuessFields(ListSource& source, const settings::Prefs& prefs);

// The checks after the fields have been identified, in their order: the
// messages of one pass (empty when the assignment is usable). POSTNET lists
// give at most one; intelligent barcodes can give the address and ZIP
// messages together.
std::vector<Notice> CheckFieldAssignment(const FieldAssignment& fields, const ListSource& source,
                                         const settings::Prefs& prefs);

}  // namespace zolvane::lists
