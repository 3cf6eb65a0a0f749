// "Add Barcodes to a File of Addresses" as a user goes through it: which
// dialogs and messages appear, in which order, and what ends up on disk.

#include <gtest/gtest.h>
#include <QDialog>
#include <QTimer>

#include "app/main_window.h"
#include "app/welcome_dlog.h"
#include "support/program_under_test.h"
#include "support/widgets.h"

namespace zolvane::gui::testing {
namespace {

using settings::PrefLine;
using zolvane::testing::ReadFileBytes;
using Lines = std::vector<std::string>;

const std::string kOpenTitle = "open file: Find the file that holds your mailing list:";

std::string Folder(const std::filesystem::path& p) {
    return p.parent_path().string();
}

TEST(AddBarcodesFlow, CancellingThePreferencesChangesNothing) {
    ProgramUnderTest program;
    const std::string before = program.PrefsFileBytes();
    program.ui.Cancel("TPrefDlog", [](QDialog& d) {
        Click(d, "BarcodeType0");
        Click(d, "selectFile1");
        Type(d, "leftBar", "!");
    });
    program.windows.Main().AddBarcodes();
    EXPECT_EQ(program.ui.Shown(), Lines{"dialog TPrefDlog"});
    EXPECT_EQ(program.PrefsFileBytes(), before);
    EXPECT_EQ(program.session.Prefs().Get(PrefLine::BarcodeKind), "1");
    EXPECT_FALSE(program.session.Terminated());
}

TEST(AddBarcodesFlow, PostnetRunOnAMergeListWithTheGuessAccepted) {
    ProgramUnderTest program;
    program.QuickAnimation();
    const auto list = program.CopyFixture("merge.txt");
    program.ui.Accept("TPrefDlog");
    program.ui.ChooseFile(QString::fromStdString(list.string()));
    program.ui.Accept("TVerifyDlog", [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle().toStdString(), list.string());
        EXPECT_EQ(Text(d, "fileTypeLabel"), "Format: Ascii Merge - 3 Records");
        EXPECT_EQ(SelectedText(d, "address"), "Address");
        EXPECT_EQ(SelectedText(d, "zip5"), "Zip");
        EXPECT_EQ(SelectedText(d, "zip4"), "Zip4");
        EXPECT_EQ(Selected(d, "barcode"), -1);
    });
    program.windows.Main().AddBarcodes();

    EXPECT_EQ(program.ui.Shown(),
              (Lines{"dialog TPrefDlog", kOpenTitle + " []", "dialog TVerifyDlog",
                     "information, warning beep: 3 barcodes have been added to merge.txt."}));
    EXPECT_EQ(ReadFileBytes(list), ReadFileBytes(FixturePath("merge_postnet.txt")));
    EXPECT_FALSE(std::filesystem::exists(list.parent_path() / "zlvtemp.txt"));
    // The list's path is remembered for the next file-open dialog.
    EXPECT_EQ(program.PrefOnDisk(PrefLine::LastListPath), list.string());
    EXPECT_EQ(program.ui.Unused(), 0u);
    EXPECT_FALSE(program.session.Terminated());
}

TEST(AddBarcodesFlow, TheFileOpenDialogStartsInTheFolderOfTheLastList) {
    ProgramUnderTest program;
    const auto list = program.CopyFixture("merge.txt");
    program.ui.Accept("TPrefDlog");
    program.ui.ChooseFile(QString::fromStdString(list.string()));
    program.ui.Cancel("TVerifyDlog");
    program.windows.Main().AddBarcodes();
    program.ui.ClearShown();

    program.ui.Accept("TPrefDlog");
    program.ui.ChooseFile({});  // cancelled
    program.windows.Main().AddBarcodes();
    EXPECT_EQ(program.ui.Shown(),
              (Lines{"dialog TPrefDlog", kOpenTitle + " [" + Folder(list) + "]"}));
    EXPECT_EQ(program.ui.LastFileRequest().filters,
              (QStringList{"All Files (*)", "Access (*.mdb *.accdb)", "Ascii (*.txt *.csv)",
                           "dBase (*.dbf)", "Excel (*.xls *.xlsx)"}));
    EXPECT_EQ(program.PrefOnDisk(PrefLine::LastListPath), list.string());
    EXPECT_EQ(ReadFileBytes(list), ReadFileBytes(FixturePath("merge.txt")));
}

// Each "Next" runs the checks in order, stores what was typed whether or not
// it passes, and shows the dialog again until the values pass or the user
// cancels.
TEST(AddBarcodesFlow, AnIntelligentSetupFailingEachCheckInTurn) {
    ProgramUnderTest program;
    struct Entry {
        const char* mailerId;
        int serialOption;
        const char* serial;  // the start (option 0) or the fixed number (option 2)
        const char* message;
    };
    const Entry entries[] = {
        {"12345", 0, "1",
         "Sorry, your mailer ID must be a 6-digit or 9-digit number. It is assigned to you by "
         "USPS. "
         "(It is NOT the same as your permit number.)"},
        {"12345A", 0, "1", "Sorry, your mailer ID may only contain digits."},
        {"123456789", 0, "",
         "You must fill in a starting number for the serial number assigned to each piece of "
         "mail."},
        {"123456789", 0, "12A", "Sorry, the starting serial number may only contain digits."},
        {"123456789", 0, "0", "Sorry, the starting serial number cannot be 0."},
        {"123456789", 0, "1000000",
         "Sorry, if you have a 9-digit mailer ID, the starting serial number may not be larger "
         "than 999,999. If you mail more than 1 million pieces of the same mail class in a 45 day "
         "period, you must get a new 6-digit mailer ID from USPS."},
        {"123456", 0, "0000123", nullptr},  // passes (its last showing is cancelled below)
    };
    const Entry fixed[] = {
        {"123456", 2, "1A", "Sorry, the serial number may only contain digits."},
        {"123456", 2, "", "You must fill in a number for the serial number."},
    };
    std::vector<std::string> onDisk;
    auto enter = [&](const Entry& e) {
        return [&program, &onDisk, e](QDialog& d) {
            // What the previous "Next" stored is already in prefs.dat.
            onDisk.push_back(program.PrefOnDisk(PrefLine::MailerId));
            Type(d, "MailerID", e.mailerId);
            Click(d, e.serialOption == 0 ? "serialtype0" : "serialtype2");
            Type(d, e.serialOption == 0 ? "SerialNo" : "fixedSerial", e.serial);
        };
    };
    program.ui.Accept("TPrefDlog", [](QDialog& d) { Click(d, "BarcodeType0"); });
    for (const Entry& e : entries)
        if (e.message) program.ui.Accept("TIMBSetUpDlog", enter(e));
    for (const Entry& e : fixed) program.ui.Accept("TIMBSetUpDlog", enter(e));
    program.ui.Cancel("TIMBSetUpDlog", enter(entries[6]));
    program.windows.Main().AddBarcodes();

    Lines expected{"dialog TPrefDlog"};
    for (const Entry& e : entries)
        if (e.message)
            expected.insert(expected.end(), {"dialog TIMBSetUpDlog",
                                             std::string("warning, warning beep: ") + e.message});
    for (const Entry& e : fixed)
        expected.insert(expected.end(), {"dialog TIMBSetUpDlog",
                                         std::string("warning, warning beep: ") + e.message});
    expected.push_back("dialog TIMBSetUpDlog");
    EXPECT_EQ(program.ui.Shown(), expected);
    EXPECT_EQ(onDisk, (Lines{"000000000", "12345", "12345A", "123456789", "123456789", "123456789",
                             "123456789", "123456", "123456"}));
    // The last values that were stored: the fixed-serial attempt.
    EXPECT_EQ(program.PrefOnDisk(PrefLine::SerialOption), "2");
    EXPECT_EQ(program.PrefOnDisk(PrefLine::FixedSerial), "");
    EXPECT_EQ(program.PrefOnDisk(PrefLine::BarcodeKind), "0");
}

TEST(AddBarcodesFlow, AnIntelligentRunNumbersThePiecesAndRemembersTheNextSerial) {
    ProgramUnderTest program;
    program.QuickAnimation();
    const auto list = program.CopyFixture("merge.txt");
    program.ui.Accept("TPrefDlog", [](QDialog& d) { Click(d, "BarcodeType0"); });
    program.ui.Accept("TIMBSetUpDlog", [](QDialog& d) {
        Type(d, "MailerID", "123456789");
        Click(d, "serialtype0");
        Type(d, "SerialNo", "41");
    });
    program.ui.ChooseFile(QString::fromStdString(list.string()));
    program.ui.Accept("TVerifyIMBDlog", [](QDialog& d) {
        EXPECT_TRUE(Visible(d, "serialwrite"));
        EXPECT_FALSE(Visible(d, "serialread"));
        EXPECT_EQ(SelectedText(d, "OEL"), "** not needed **");
    });
    program.windows.Main().AddBarcodes();

    EXPECT_EQ(program.ui.Shown(),
              (Lines{"dialog TPrefDlog", "dialog TIMBSetUpDlog", kOpenTitle + " []",
                     "dialog TVerifyIMBDlog",
                     "information, warning beep: 3 barcodes have been added to merge.txt."}));
    EXPECT_EQ(program.PrefOnDisk(PrefLine::NextSerial), "44");
    const std::string bytes = ReadFileBytes(list);
    EXPECT_NE(bytes.find(",000041\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find(",\"000042\"\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find(",000043\r\n"), std::string::npos) << bytes;
}

// The user clears the guess, the checks refuse it, the dialog comes back with
// the cleared choices, and the corrected fields run.
TEST(AddBarcodesFlow, AnIdentificationThatFailsTheChecksIsCorrected) {
    ProgramUnderTest program;
    program.QuickAnimation();
    const auto list = program.CopyFixture("merge.txt");
    program.ui.Accept("TPrefDlog");
    program.ui.ChooseFile(QString::fromStdString(list.string()));
    program.ui.Accept("TVerifyDlog", [](QDialog& d) { Click(d, "ClearBtn"); });
    program.ui.Accept("TVerifyDlog", [](QDialog& d) {
        EXPECT_EQ(Selected(d, "address"), -1);
        EXPECT_EQ(Selected(d, "zip5"), -1);
        Pick(d, "address", 1);
    });
    program.ui.Accept("TVerifyDlog", [](QDialog& d) {
        EXPECT_EQ(Selected(d, "address"), 1);
        Pick(d, "zip5", 4);
        Pick(d, "zip4", 5);
    });
    program.windows.Main().AddBarcodes();

    const std::string noAddress =
        "warning, no beep: Zolvane cannot proceed until you tell it either which field contains "
        "the 2-digit delivery point code (best) or which field contains the street address.";
    const std::string noZip =
        "warning, no beep: Zolvane cannot proceed until you tell it which field(s) contains the "
        "zip codes. You can identify either a single field containing 9-digit zip codes, or two "
        "fields, one containing the first 5 digits and the other containing the +4 digits.";
    EXPECT_EQ(program.ui.Shown(),
              (Lines{"dialog TPrefDlog", kOpenTitle + " []", "dialog TVerifyDlog", noAddress,
                     "dialog TVerifyDlog", noZip, "dialog TVerifyDlog",
                     "information, warning beep: 3 barcodes have been added to merge.txt."}));
    EXPECT_EQ(ReadFileBytes(list), ReadFileBytes(FixturePath("merge_postnet.txt")));
}

TEST(AddBarcodesFlow, CancellingTheIdentificationLeavesTheListAlone) {
    ProgramUnderTest program;
    const auto list = program.CopyFixture("merge.txt");
    program.ui.Accept("TPrefDlog");
    program.ui.ChooseFile(QString::fromStdString(list.string()));
    program.ui.Cancel("TVerifyDlog", [](QDialog& d) { Pick(d, "zip5", 0); });
    program.windows.Main().AddBarcodes();
    EXPECT_EQ(program.ui.Shown(),
              (Lines{"dialog TPrefDlog", kOpenTitle + " []", "dialog TVerifyDlog"}));
    EXPECT_EQ(ReadFileBytes(list), ReadFileBytes(FixturePath("merge.txt")));
}

TEST(AddBarcodesFlow, BarcodesOnlyFileNamedInTheSaveDialog) {
    ProgramUnderTest program({{PrefLine::BarcodeOutput, "1"}, {PrefLine::BarcodesOnlyName, "1"}});
    program.QuickAnimation();
    const auto list = program.CopyFixture("merge.txt");
    const auto out = program.temp / "codes.txt";
    program.ui.Accept("TPrefDlog");
    program.ui.ChooseFile(QString::fromStdString(list.string()));
    program.ui.Accept("TVerifyDlog", [](QDialog& d) { EXPECT_FALSE(Visible(d, "barcode")); });
    program.ui.ChooseFile(QString::fromStdString(out.string()));
    program.windows.Main().AddBarcodes();

    EXPECT_EQ(program.ui.Shown(),
              (Lines{"dialog TPrefDlog", kOpenTitle + " []", "dialog TVerifyDlog",
                     "save file: Choose a file (or name a new file) for the barcodes: [" +
                         Folder(list) + "]",
                     "information, warning beep: 3 barcodes for merge.txt have been saved in " +
                         out.string() + "."}));
    EXPECT_EQ(program.ui.LastFileRequest().filters, QStringList{"text files (*.txt)"});
    EXPECT_EQ(program.ui.LastFileRequest().defaultSuffix, "txt");
    EXPECT_EQ(ReadFileBytes(list), ReadFileBytes(FixturePath("merge.txt")));
    EXPECT_EQ(ReadFileBytes(out),
              "barcode\r\n\"/627043318277/\"\r\n\"/605407722421/\"\r\n\"/617021872727/\"\r\n");
}

TEST(AddBarcodesFlow, BarcodesOnlyFileThatCannotBeCreatedOrIsNotNamed) {
    ProgramUnderTest program({{PrefLine::BarcodeOutput, "1"}, {PrefLine::BarcodesOnlyName, "1"}});
    program.QuickAnimation();
    const auto list = program.CopyFixture("merge.txt");
    for (const char* answer : {"", "/no/such/folder/codes.txt"}) {
        program.ui.ClearShown();
        program.ui.Accept("TPrefDlog");
        program.ui.ChooseFile(QString::fromStdString(list.string()));
        program.ui.Accept("TVerifyDlog");
        program.ui.ChooseFile(QString::fromLatin1(answer));
        program.windows.Main().AddBarcodes();
        Lines expected{"dialog TPrefDlog", kOpenTitle + " [" + (*answer ? Folder(list) : "") + "]",
                       "dialog TVerifyDlog",
                       "save file: Choose a file (or name a new file) for the barcodes: [" +
                           Folder(list) + "]"};
        if (*answer)
            expected.push_back("error, warning beep: Zolvane could not create this output file.");
        EXPECT_EQ(program.ui.Shown(), expected) << answer;
        EXPECT_EQ(ReadFileBytes(list), ReadFileBytes(FixturePath("merge.txt")));
    }
}

TEST(AddBarcodesFlow, ListsThatCannotBeUsedEndWithTheirMessageOrQuietly) {
    struct Case {
        const char* bytes;
        Lines after;  // what follows the file-open dialog
    };
    const Case cases[] = {
        {"ABC\r\nDEF\r\n", {}},
        {"\r\nName,Zip\r\nA,12345\r\n",
         {"warning, error beep: It looks like there are one or more blank lines at the beginning "
          "of "
          "the file you are trying to sort.  Please remove any blank lines and try again."}},
        {"Name,City,Zip\r\nA,B\r\n",
         {"error, error beep: Zolvane cannot read this kind of file. See the Help file for "
          "instructions on exporting your mailing list to an ascii file."}},
    };
    for (const Case& c : cases) {
        ProgramUnderTest program;
        const auto list = program.WriteList("list.txt", c.bytes);
        program.ui.Accept("TPrefDlog");
        program.ui.ChooseFile(QString::fromStdString(list.string()));
        program.windows.Main().AddBarcodes();
        Lines expected{"dialog TPrefDlog", kOpenTitle + " []"};
        expected.insert(expected.end(), c.after.begin(), c.after.end());
        EXPECT_EQ(program.ui.Shown(), expected) << c.bytes;
        EXPECT_EQ(ReadFileBytes(list), c.bytes);
    }
}

// Started with a list and NOSTOP: after the splash screen the preferences
// come up (barcodes go into the list for this run only), no identification
// dialog and no closing message, and the program ends.
TEST(AddBarcodesFlow, CommandLineWithNoStop) {
    zolvane::testing::TempDir folder;
    const auto list = folder / "LIST.TXT";
    std::filesystem::copy_file(FixturePath("merge.txt"), list);
    ProgramUnderTest started({{PrefLine::BarcodeOutput, "1"}}, {list.string(), "nostop"});
    started.QuickAnimation();
    started.ui.Accept("TPrefDlog", [](QDialog& d) { EXPECT_EQ(Choice(d, "selectFile"), 0); });

    started.windows.Show();
    auto& splash = started.windows.Welcome();
    EXPECT_TRUE(splash.isVisible());
    auto* timer = splash.findChild<QTimer*>("Timer1");
    ASSERT_TRUE(timer && timer->isActive());
    timer->setInterval(1);
    timer->start();
    ASSERT_TRUE(WaitUntil([&] { return started.session.Terminated(); }));

    EXPECT_EQ(started.ui.Shown(), Lines{"dialog TPrefDlog"});
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(started.session.ExitCode(), 0);
    EXPECT_EQ(ReadFileBytes(list), ReadFileBytes(FixturePath("merge_postnet.txt")));
    EXPECT_FALSE(std::filesystem::exists(folder / "Barcode.txt"));
    // prefs.dat keeps its own choice, and the command line's list is not
    // remembered for the file-open dialog.
    EXPECT_EQ(started.PrefOnDisk(PrefLine::BarcodeOutput), "1");
    EXPECT_EQ(started.PrefOnDisk(PrefLine::LastListPath), "");
}

TEST(AddBarcodesFlow, CommandLineNoStopWithAGuessThatFailsShowsItOnceAndEnds) {
    zolvane::testing::TempDir folder;
    const auto list = folder / "names.txt";
    zolvane::testing::WriteFileBytes(list, "Name,Street,Zip\r\nA,B,C\r\nD,E,F\r\n");
    ProgramUnderTest started({}, {list.string(), "NOSTOP"});
    started.ui.Accept("TPrefDlog");
    started.windows.Main().StartCommandLineMode();
    EXPECT_EQ(
        started.ui.Shown(),
        (Lines{"dialog TPrefDlog",
               "warning, no beep: Zolvane cannot proceed until you tell it either which field "
               "contains the 2-digit delivery point code (best) or which field contains the "
               "street address."}));
    EXPECT_TRUE(started.session.Terminated());
    EXPECT_EQ(ReadFileBytes(list), "Name,Street,Zip\r\nA,B,C\r\nD,E,F\r\n");
}

TEST(AddBarcodesFlow, CommandLineEndsWhenTheIntelligentSetupIsCancelled) {
    zolvane::testing::TempDir folder;
    const auto list = folder / "list.txt";
    std::filesystem::copy_file(FixturePath("merge.txt"), list);
    ProgramUnderTest started({{PrefLine::BarcodeKind, "0"}}, {list.string()});
    started.ui.Accept("TPrefDlog");
    started.ui.Cancel("TIMBSetUpDlog");
    started.windows.Main().StartCommandLineMode();
    EXPECT_EQ(started.ui.Shown(), (Lines{"dialog TPrefDlog", "dialog TIMBSetUpDlog"}));
    EXPECT_TRUE(started.session.Terminated());
    EXPECT_EQ(ReadFileBytes(list), ReadFileBytes(FixturePath("merge.txt")));
}

}  // namespace
}  // namespace zolvane::gui::testing
