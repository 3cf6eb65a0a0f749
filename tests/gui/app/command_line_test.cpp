// The program's arguments: the list, the mode in any letter case, and the
// table or sheet name that the mode allows.

#include <gtest/gtest.h>
#include <QStringList>

#include "app/command_line.h"

namespace zolvane::gui::testing {
namespace {

TEST(CommandLine, ModesAndTheTableTheyAllow) {
    struct Case {
        std::vector<std::string> args;
        bool present, noStop;
        const char* table;
    };
    const Case cases[] = {
        {{}, false, false, ""},
        {{"/lists/a.txt"}, true, false, ""},
        {{"/lists/a.txt", "nostop"}, true, true, ""},
        {{"/lists/a.mdb", "NoStop", "Members"}, true, true, "Members"},
        {{"/lists/a.xls", "idata", "Sheet2"}, true, false, "Sheet2"},
        {{"/lists/a.accdb", "NOWARN", "Members"}, true, false, "Members"},
        {{"/lists/a.xls", "NOWARN", "Sheet2"}, true, false, ""},
        {{"/lists/a.mdb", "NOSTOPS", "Members"}, true, false, ""},
        {{"/lists/a.mdb", "", "Members"}, true, false, ""},
    };
    for (const Case& c : cases) {
        const app::CommandLine line(c.args);
        const std::string what = c.args.empty() ? "(none)" : c.args.back();
        EXPECT_EQ(line.Present(), c.present) << what;
        EXPECT_EQ(line.NoStop(), c.noStop) << what;
        EXPECT_EQ(line.TableName(), c.table) << what;
        EXPECT_EQ(line.ListPath(), c.args.empty() ? "" : c.args[0]) << what;
    }
    EXPECT_EQ(app::CommandLine::FromArguments(QStringList{"zolvane", "/lists/b.txt", "NOSTOP"})
                  .ListPath(),
              "/lists/b.txt");
}

}  // namespace
}  // namespace zolvane::gui::testing
