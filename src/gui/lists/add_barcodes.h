#pragma once

// The second half of Add Barcodes: open the mailing list, identify its
// fields and run the barcodes into it.

namespace zolvane::gui::app {
class Session;
}

namespace zolvane::gui::lists {

class FieldIdDialog;
class ProgressDisplay;

struct IdentificationDialogs {
    FieldIdDialog& postnet;
    FieldIdDialog& intelligent;
};

// The list named on the command line, or the one chosen in the file-open
// dialog. Ends with the display at rest.
void OpenMailingList(app::Session& session, const IdentificationDialogs& dialogs,
                     ProgressDisplay& display);

}  // namespace zolvane::gui::lists
