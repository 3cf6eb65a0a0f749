#include "app/command_line.h"

#include <QFile>
#include <QStringList>

#include "lists/file_kind.h"
#include "text/bytes.h"

namespace zolvane::gui::app {

CommandLine CommandLine::FromArguments(const QStringList& arguments) {
    std::vector<std::string> args;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        args.push_back(QFile::encodeName(arguments[i]).toStdString());
    return CommandLine(std::move(args));
}

namespace {
std::string Mode(const std::vector<std::string>& args) {
    return args.size() >= 2 ? text::AsciiUpper(args[1]) : std::string();
}
}  // namespace

bool CommandLine::NoStop() const {
    return Mode(m_args) == "NOSTOP";
}

std::string CommandLine::TableName() const {
    if (m_args.size() < 3) return {};
    const std::string mode = Mode(m_args);
    if (mode == "NOSTOP" || mode == "IDATA") return m_args[2];
    if (mode == "NOWARN") {
        const auto kind = lists::KindFromExtension(m_args[0]);
        if (kind == lists::FileKind::Access || kind == lists::FileKind::Access2007)
            return m_args[2];
    }
    return {};
}

}  // namespace zolvane::gui::app
