#pragma once

// A message for the user, as the core decides it: the text, the box it goes
// in and the beep before it. The desktop shows it in a message box; the
// command line prints the text.

#include <string>

namespace zolvane::lists {

enum class NoticeIcon { Warning, Error, Information };
enum class NoticeBeep { None, Warning, Error };

struct Notice {
    std::string text;
    NoticeIcon icon = NoticeIcon::Warning;
    NoticeBeep beep = NoticeBeep::None;
};

}  // namespace zolvane::lists
