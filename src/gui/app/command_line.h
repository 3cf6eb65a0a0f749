#pragma once

// The program's command line: a list to barcode and how to go about it.

#include <string>
#include <vector>

#include <QtContainerFwd>

namespace zolvane::gui::app {

class CommandLine {
  public:
    CommandLine() = default;
    explicit CommandLine(std::vector<std::string> arguments) : m_args(std::move(arguments)) {}
    // From QCoreApplication::arguments(): the program's name first, Qt's own
    // options already taken out.
    static CommandLine FromArguments(const QStringList& arguments);

    // Any argument makes the program barcode the list it names and end.
    bool Present() const { return !m_args.empty(); }
    // Argument 1: the list, in place of the file-open dialog.
    std::string ListPath() const { return m_args.empty() ? std::string() : m_args[0]; }
    // Argument 2 "NOSTOP", in any case: the fields are taken as guessed and
    // no closing message is shown.
    bool NoStop() const;
    // Argument 3, the table or sheet to read, where argument 2 allows it:
    // "NOSTOP" and "IDATA" always, "NOWARN" for Access databases only.
    std::string TableName() const;

  private:
    std::vector<std::string> m_args;
};

}  // namespace zolvane::gui::app
