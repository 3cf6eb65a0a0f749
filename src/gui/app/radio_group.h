#pragma once

// Radio groups whose choice is the position of the chosen button, as the
// settings store it.

#include <cstdint>
#include <optional>

class QButtonGroup;
class QGroupBox;

namespace zolvane::gui::app {

// A button group over the box's radio buttons, their ids their positions
// from the top.
QButtonGroup* MakeRadioGroup(QGroupBox& box);

// Selects the button at the position; a position the group does not have (a
// line of a hand-edited prefs.dat that holds no number) selects the first.
void SelectPosition(QButtonGroup& group, std::optional<std::int64_t> position);

}  // namespace zolvane::gui::app
