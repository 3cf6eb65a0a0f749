// The field identification dialogs: what they show for each kind of list,
// browsing through the records, one field for one role, and the memo that
// carries the choices back.

#include <gtest/gtest.h>
#include <QComboBox>
#include <QDialog>
#include <QPlainTextEdit>

#include "lists/field_id_dialog.h"
#include "lists/identify.h"
#include "lists/source.h"
#include "lists/verify_dlog.h"
#include "lists/verify_imb_dlog.h"
#include "support/dbase_builder.h"
#include "support/program_under_test.h"
#include "support/widgets.h"

namespace zolvane::gui::testing {
namespace {

using settings::PrefLine;
using zolvane::lists::FieldAssignment;
using Lines = std::vector<std::string>;

struct Shown {
    Lines memo;
    FieldAssignment chosen;
};

// Shows the dialog on the list as the flow does: the memo filled from the
// assignment, the user's acts, then Finish or Cancel.
Shown ShowDialog(ProgramUnderTest& program, gui::lists::FieldIdDialog& dialog,
                 const std::filesystem::path& list, const FieldAssignment& given,
                 ScriptedInteraction::Act act, bool finish = true) {
    auto opened = zolvane::lists::OpenMailingList(list);
    if (!opened.source) throw std::runtime_error("the list did not open: " + list.string());
    if (finish) {
        program.ui.Accept(dialog.objectName(), std::move(act));
    } else {
        program.ui.Cancel(dialog.objectName(), std::move(act));
    }
    dialog.Prepare(*opened.source);
    dialog.SetMemoLines(
        zolvane::lists::TransferMemoLines(*opened.source, given, dialog.IsIntelligent()));
    program.ui.ShowModal(dialog);
    Shown shown{dialog.MemoLines(), {}};
    shown.chosen = zolvane::lists::ReadTransferMemo(shown.memo, dialog.IsIntelligent());
    return shown;
}

QStringList Split(const char* joined) {
    return QString::fromLatin1(joined).split(QLatin1Char('|'));
}

// What the browsing controls show.
std::string Browsing(const QDialog& d) {
    return Text(d, "CurrentRecordLabel").toStdString() + (Enabled(d, "prevbtn") ? " prev" : "") +
           (Enabled(d, "nextbtn") ? " next" : "");
}

TEST(Identification, AMergeListOpensOnItsFieldNamesAndBrowsesItsRecords) {
    ProgramUnderTest program;
    const auto list = program.CopyFixture("merge.txt");
    ShowDialog(program, program.windows.Verify(), list, {}, [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle().toStdString(), list.string());
        EXPECT_EQ(Text(d, "fileTypeLabel"), "Format: Ascii Merge - 3 Records");
        EXPECT_EQ(Browsing(d), "Field List next");
        EXPECT_EQ(Entries(d, "zip5"), Split("Name|Address|City|State|Zip|Zip4"));
        EXPECT_EQ(Find<QComboBox>(d, "zip5").maxVisibleItems(), 20);
        Click(d, "nextbtn");
        EXPECT_EQ(Browsing(d), "Record 1 prev next");
        EXPECT_EQ(Entries(d, "barcode"),
                  Split("Margaret Ellison|1427 Maple Grove Ave|Springfield|IL|62704|3318"));
        Click(d, "nextbtn");
        Click(d, "nextbtn");
        EXPECT_EQ(Browsing(d), "Record 3 prev");
        EXPECT_EQ(Entries(d, "dp"), Split("Linda Marquez|PO Box 1872|Bloomington|IL|61702|1872"));
        Click(d, "prevbtn");
        EXPECT_EQ(Entries(d, "dp"),
                  Split("Thompson, Grace|88 Lakeview Dr Apt 4B|Naperville|IL|60540|7722"));
        Click(d, "prevbtn");
        Click(d, "prevbtn");
        EXPECT_EQ(Browsing(d), "Field List next");
        EXPECT_EQ(Entries(d, "zip9"), Split("Name|Address|City|State|Zip|Zip4"));
    });
}

TEST(Identification, TabAndCommaListsOpenOnTheirFirstRecord) {
    ProgramUnderTest program;
    const auto two =
        program.WriteList("two.txt", "Ann\t1 Main St\t12345\r\nBob\t2 Elm St\t23456\r\n");
    ShowDialog(program, program.windows.Verify(), two, {}, [](QDialog& d) {
        EXPECT_EQ(Text(d, "fileTypeLabel"), "Format: Ascii Tab-Delimited - 2 Records");
        EXPECT_EQ(Browsing(d), "Record 1 next");
        EXPECT_EQ(Entries(d, "zip5"), Split("Ann|1 Main St|12345"));
        Click(d, "nextbtn");
        EXPECT_EQ(Browsing(d), "Record 2 prev");
        EXPECT_EQ(Entries(d, "zip5"), Split("Bob|2 Elm St|23456"));
        Click(d, "prevbtn");
        EXPECT_EQ(Browsing(d), "Record 1 next");
        EXPECT_EQ(Entries(d, "zip5"), Split("Ann|1 Main St|12345"));
    });
    // One ZIP code alone: a list of one field and one record.
    const auto one = program.WriteList("one.txt", "12345-6789\r\n");
    ShowDialog(program, program.windows.Verify(), one, {}, [](QDialog& d) {
        EXPECT_EQ(Text(d, "fileTypeLabel"), "Format: Ascii Tab-Delimited - 1 Records");
        EXPECT_EQ(Browsing(d), "Record 1");
        EXPECT_EQ(Entries(d, "zip9"), Split("12345-6789"));
    });
    const auto comma = program.WriteList("list.csv", "\"Ann\",12345\r\n\"Bob\",23456\r\n");
    ShowDialog(program, program.windows.Verify(), comma, {}, [](QDialog& d) {
        EXPECT_EQ(Text(d, "fileTypeLabel"), "Format: Ascii Comma-Delimited - 2 Records");
        EXPECT_EQ(Browsing(d), "Record 1 next");
        EXPECT_EQ(Entries(d, "zip9"), Split("Ann|12345"));
    });
}

TEST(Identification, ADbaseTableShowsItsFieldsThenRecordsAtTheirWidths) {
    ProgramUnderTest program;
    const auto table = program.WriteList(
        "list.dbf", zolvane::testing::MakeDbase({{"NAME", 8}, {"ZIP", 5}, {"BARCODE", 14}},
                                                {{"Ann", "12345", ""}, {"Bob", "23456", ""}}));
    ShowDialog(program, program.windows.Verify(), table, {}, [](QDialog& d) {
        EXPECT_EQ(Text(d, "fileTypeLabel"), "Format: dBase - 2 Records");
        EXPECT_EQ(Browsing(d), "Field List next");
        EXPECT_EQ(Entries(d, "zip9"), Split("NAME|ZIP|BARCODE"));
        EXPECT_FALSE(Visible(d, "barcodeBlank"));
        Click(d, "nextbtn");
        EXPECT_EQ(Entries(d, "zip9"), Split("Ann     |12345|              "));
        Click(d, "nextbtn");
        EXPECT_EQ(Browsing(d), "Record 2 prev");
        EXPECT_EQ(Entries(d, "zip9"), Split("Bob     |23456|              "));
        Click(d, "prevbtn");
        Click(d, "prevbtn");
        EXPECT_EQ(Browsing(d), "Field List next");
    });
}

// Picking a field in one selector clears the selectors that would read or
// fill the same field, and the ZIP and delivery-point alternatives.
TEST(Identification, OneFieldOneRole) {
    struct Case {
        const char* what;
        FieldAssignment given;
        const char* selector;
        int field;
        FieldAssignment expected;
    };
    auto fa = [](int address, int zip5, int zip4, int zip9, int barcode, int dp) {
        FieldAssignment a;
        a.address = address;
        a.zip5 = zip5;
        a.zip4 = zip4;
        a.zip9 = zip9;
        a.barcode = barcode;
        a.dp = dp;
        return a;
    };
    const Case cases[] = {
        {"barcode onto the 5-digit field", fa(1, 4, 5, -1, -1, -1), "barcode", 4,
         fa(1, -1, 5, -1, 4, -1)},
        {"complete ZIP clears both parts", fa(1, 4, 5, -1, -1, -1), "zip9", 2,
         fa(1, -1, -1, 2, -1, -1)},
        {"a part clears the complete ZIP", fa(1, -1, -1, 4, -1, -1), "zip4", 5,
         fa(1, -1, 5, -1, -1, -1)},
        {"delivery point clears the address", fa(1, 4, 5, -1, -1, -1), "dp", 3,
         fa(-1, 4, 5, -1, -1, 3)},
        {"address clears the delivery point", fa(-1, 4, 5, -1, -1, 3), "address", 0,
         fa(0, 4, 5, -1, -1, -1)},
        {"a duplicate guess is shown unchanged", fa(4, 4, 5, -1, -1, -1), "barcode", 2,
         fa(4, 4, 5, -1, 2, -1)},
        {"the duplicate goes when one of the two is picked", fa(4, 4, 5, -1, -1, -1), "address", 4,
         fa(4, -1, 5, -1, -1, -1)},
    };
    for (const Case& c : cases) {
        ProgramUnderTest program;
        const auto list = program.CopyFixture("merge.txt");
        const Shown shown = ShowDialog(program, program.windows.Verify(), list, c.given,
                                       [&](QDialog& d) { Pick(d, c.selector, c.field); });
        EXPECT_EQ(shown.chosen, c.expected) << c.what;
    }
}

TEST(Identification, LabelsClearTheirSelectorAndClearSelectionsClearsAll) {
    ProgramUnderTest program;
    const auto list = program.CopyFixture("merge.txt");
    FieldAssignment given;
    given.zip9 = 4;
    given.dp = 3;
    given.barcode = 0;
    Shown shown = ShowDialog(program, program.windows.Verify(), list, given, [](QDialog& d) {
        DoubleClick(d, "zipLabel");
        DoubleClick(d, "dpLabel");
        EXPECT_EQ(Selected(d, "zip9"), -1);
        EXPECT_EQ(Selected(d, "dp"), -1);
        EXPECT_EQ(Selected(d, "barcode"), 0);
    });
    FieldAssignment expected;
    expected.barcode = 0;
    EXPECT_EQ(shown.chosen, expected);

    shown = ShowDialog(program, program.windows.Verify(), list, given,
                       [](QDialog& d) { Click(d, "ClearBtn"); });
    EXPECT_EQ(shown.chosen, FieldAssignment{});
}

TEST(Identification, TheMemoCarriesTheChoicesBackEvenOnCancel) {
    ProgramUnderTest program;
    EXPECT_EQ(Find<QPlainTextEdit>(program.windows.Verify(), "Memo1").toPlainText(),
              "This Memo holds the transfer info.");
    EXPECT_FALSE(Visible(program.windows.Verify(), "Memo1"));
    const auto list = program.CopyFixture("merge.txt");
    FieldAssignment given;
    given.address = 1;
    const Shown shown = ShowDialog(
        program, program.windows.Verify(), list, given, [](QDialog& d) { Pick(d, "zip9", 4); },
        false);
    EXPECT_EQ(shown.memo,
              (Lines{"Ascii Merge", list.string(), "3", "6", "1", "-1", "-1", "4", "-1", "-1"}));
}

TEST(Identification, HelpOpensTheFieldsPageAndTheDialogStays) {
    ProgramUnderTest program;
    const auto list = program.CopyFixture("merge.txt");
    ShowDialog(program, program.windows.VerifyImb(), list, {}, [](QDialog& d) {
        Click(d, "HelpBtn");
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(
        program.ui.Shown(),
        (Lines{"dialog TVerifyIMBDlog",
               "help: " + (std::filesystem::path(ZOLVANE_PROGRAM_FOLDER) / "Help" / "fields.html")
                              .string()}));
}

// Which selectors the intelligent dialog shows, by where the barcodes go
// (prefs line 2) and where the serial numbers come from (line 19).
TEST(IntelligentIdentification, SelectorsFollowTheSettings) {
    struct Case {
        const char* output;
        const char* serials;
        bool barcode, serialWrite, serialRead, outfields, blank;
        const char* blankText;
    };
    const Case cases[] = {
        {"0", "0", true, true, false, true, true, "(If left blank, new fields will be added.)"},
        {"0", "1", true, false, true, true, true, "(If left blank, a new field will be added.)"},
        {"0", "2", true, false, false, true, true, "(If left blank, a new field will be added.)"},
        {"1", "0", false, false, false, false, false, nullptr},
        {"1", "1", false, false, true, false, false, nullptr},
    };
    for (const Case& c : cases) {
        ProgramUnderTest program({{PrefLine::BarcodeKind, "0"},
                                  {PrefLine::BarcodeOutput, c.output},
                                  {PrefLine::SerialOption, c.serials}});
        const auto list = program.CopyFixture("merge.txt");
        FieldAssignment given;
        given.serial = 2;
        given.barcode = 3;
        ShowDialog(program, program.windows.VerifyImb(), list, given, [&](QDialog& d) {
            const std::string where = std::string(c.output) + "/" + c.serials;
            EXPECT_EQ(Visible(d, "barcode"), c.barcode) << where;
            EXPECT_EQ(Visible(d, "barcodeLabel"), c.barcode) << where;
            EXPECT_EQ(Visible(d, "serialwrite"), c.serialWrite) << where;
            EXPECT_EQ(Visible(d, "serialwritelabel"), c.serialWrite) << where;
            EXPECT_EQ(Visible(d, "serialread"), c.serialRead) << where;
            EXPECT_EQ(Visible(d, "serialreadlabel"), c.serialRead) << where;
            EXPECT_EQ(Visible(d, "OutfieldsLabel"), c.outfields) << where;
            EXPECT_EQ(Visible(d, "barcodeBlank"), c.blank) << where;
            if (c.blankText) {
                EXPECT_EQ(Text(d, "barcodeBlank"), c.blankText) << where;
            }
            if (c.serialWrite) {
                EXPECT_EQ(Selected(d, "serialwrite"), 2) << where;
            }
            if (c.serialRead) {
                EXPECT_EQ(Selected(d, "serialread"), 2) << where;
            }
        });
    }
}

TEST(IntelligentIdentification, TheTwoSerialSelectorsShareOneField) {
    ProgramUnderTest program({{PrefLine::BarcodeKind, "0"}, {PrefLine::SerialOption, "0"}});
    const auto list = program.CopyFixture("merge.txt");
    Shown shown = ShowDialog(program, program.windows.VerifyImb(), list, {}, [](QDialog& d) {
        Pick(d, "serialwrite", 2);
        EXPECT_EQ(Selected(d, "serialread"), 2);
    });
    EXPECT_EQ(shown.chosen.serial, 2);
    FieldAssignment given;
    given.serial = 2;
    shown = ShowDialog(program, program.windows.VerifyImb(), list, given,
                       [](QDialog& d) { Pick(d, "barcode", 2); });
    EXPECT_EQ(shown.chosen.serial, -1);
    EXPECT_EQ(shown.chosen.barcode, 2);
}

TEST(IntelligentIdentification, OelsNotUsedShowNotNeeded) {
    ProgramUnderTest program({{PrefLine::BarcodeKind, "0"}, {PrefLine::Oels, "f"}});
    const auto list = program.CopyFixture("merge.txt");
    FieldAssignment given;
    given.oel = 3;
    Shown shown = ShowDialog(program, program.windows.VerifyImb(), list, given, [](QDialog& d) {
        EXPECT_FALSE(Enabled(d, "OEL"));
        EXPECT_EQ(Selected(d, "OEL"), 0);
        EXPECT_EQ(SelectedText(d, "OEL"), "** not needed **");
        Click(d, "ClearBtn");
        EXPECT_EQ(SelectedText(d, "OEL"), "** not needed **");
        Click(d, "nextbtn");
        EXPECT_EQ(Selected(d, "OEL"), -1);
        EXPECT_EQ(Entries(d, "OEL").value(0), "Margaret Ellison");
    });
    EXPECT_EQ(shown.chosen.oel, -1);
    // "** not needed **" stands in the first place: picking the first field
    // anywhere else clears it.
    ShowDialog(program, program.windows.VerifyImb(), list, {}, [](QDialog& d) {
        Pick(d, "address", 0);
        EXPECT_EQ(Selected(d, "OEL"), -1);
    });

    ProgramUnderTest withOels({{PrefLine::BarcodeKind, "0"}, {PrefLine::Oels, "t"}});
    const auto again = withOels.CopyFixture("merge.txt");
    shown = ShowDialog(withOels, withOels.windows.VerifyImb(), again, given, [](QDialog& d) {
        EXPECT_TRUE(Enabled(d, "OEL"));
        EXPECT_EQ(SelectedText(d, "OEL"), "State");
    });
    EXPECT_EQ(shown.chosen.oel, 3);
}

}  // namespace
}  // namespace zolvane::gui::testing
