// The preferences dialog and the intelligent barcode setup: what they open
// on, the controls that follow other controls, and what they store.

#include <gtest/gtest.h>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/imb_setup_dlog.h"
#include "app/main_window.h"
#include "app/pref_dlog.h"
#include "support/program_under_test.h"
#include "support/widgets.h"

namespace zolvane::gui::testing {
namespace {

using settings::PrefLine;
using Lines = std::vector<std::string>;

const QColor kSilver(192, 192, 192);

QColor Background(const QDialog& d, const char* edit) {
    return Find<QLineEdit>(d, edit).palette().color(QPalette::Base);
}

// The help memo explains its subjects in this order.
void ExpectInOrder(const QString& text, const std::vector<const char*>& subjects) {
    qsizetype at = 0;
    for (const char* subject : subjects) {
        const qsizetype found = text.indexOf(QString::fromLatin1(subject), at);
        EXPECT_GE(found, 0) << subject;
        if (found >= 0) at = found;
    }
}

TEST(Preferences, OpensOnTheStoredChoices) {
    ProgramUnderTest program({{PrefLine::BarcodeKind, "1"},
                              {PrefLine::BarcodeOutput, "1"},
                              {PrefLine::BarcodesOnlyName, "0"},
                              {PrefLine::FrameBar, "!"}});
    program.ui.Cancel("TPrefDlog", [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Preferences");
        EXPECT_EQ(Choice(d, "BarcodeType"), 1);
        EXPECT_EQ(Choice(d, "selectFile"), 1);
        EXPECT_EQ(Choice(d, "FileName"), 0);
        EXPECT_EQ(Text(d, "leftBar"), "!");
        EXPECT_TRUE(Enabled(d, "FileName"));
        EXPECT_TRUE(Enabled(d, "leftBar"));
        EXPECT_NE(Background(d, "leftBar"), kSilver);
        EXPECT_EQ(Find<QLineEdit>(d, "leftBar").maxLength(), 1);
        ExpectInOrder(
            Find<QPlainTextEdit>(d, "HelpMemo").toPlainText(),
            {"kind of barcodes", "Where barcodes are saved", "barcodes-only file", "Frame bar"});
    });
    EXPECT_FALSE(program.windows.Main().Preferences());
}

TEST(Preferences, EnablingRulesFollowTheClicks) {
    ProgramUnderTest program({{PrefLine::BarcodeKind, "1"}, {PrefLine::BarcodeOutput, "1"}});
    program.ui.Cancel("TPrefDlog", [](QDialog& d) {
        Click(d, "BarcodeType0");
        EXPECT_FALSE(Enabled(d, "leftBar"));
        EXPECT_EQ(Background(d, "leftBar"), kSilver);
        Click(d, "selectFile0");
        EXPECT_FALSE(Enabled(d, "FileName"));
        Click(d, "BarcodeType1");
        EXPECT_TRUE(Enabled(d, "leftBar"));
        EXPECT_NE(Background(d, "leftBar"), kSilver);
        Click(d, "selectFile1");
        EXPECT_TRUE(Enabled(d, "FileName"));
    });
    program.windows.Main().Preferences();
}

// "Next" writes lines 1 to 4 and saves, also when nothing changed; lines that
// hold no number (a hand-edited prefs.dat) open on the first item and are
// written back as a valid choice; an empty frame bar is kept empty.
TEST(Preferences, NextStoresTheChoices) {
    ProgramUnderTest program({{PrefLine::BarcodeKind, "x"},
                              {PrefLine::BarcodeOutput, ""},
                              {PrefLine::BarcodesOnlyName, "7"},
                              {PrefLine::FrameBar, "/"}});
    program.ui.Accept("TPrefDlog", [](QDialog& d) {
        EXPECT_EQ(Choice(d, "BarcodeType"), 0);
        EXPECT_EQ(Choice(d, "selectFile"), 0);
        EXPECT_EQ(Choice(d, "FileName"), 0);
        Click(d, "BarcodeType1");
        Type(d, "leftBar", "");
    });
    EXPECT_TRUE(program.windows.Main().Preferences());
    EXPECT_EQ(program.PrefOnDisk(PrefLine::BarcodeKind), "1");
    EXPECT_EQ(program.PrefOnDisk(PrefLine::BarcodeOutput), "0");
    EXPECT_EQ(program.PrefOnDisk(PrefLine::BarcodesOnlyName), "0");
    EXPECT_EQ(program.PrefOnDisk(PrefLine::FrameBar), "");
    EXPECT_EQ(program.session.Prefs().Get(PrefLine::FrameBar), "");
}

TEST(ImbSetup, OpensOnTheStoredValues) {
    ProgramUnderTest program({{PrefLine::MailerId, "123456"},
                              {PrefLine::NextSerial, "77"},
                              {PrefLine::MailClass, "1"},
                              {PrefLine::ImbService, "2"},
                              {PrefLine::AddressCorrection, "3"},
                              {PrefLine::Confirm, "t"},
                              {PrefLine::Oels, "f"},
                              {PrefLine::SerialOption, "2"},
                              {PrefLine::FixedSerial, "555"}});
    program.ui.Cancel("TIMBSetUpDlog", [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Intelligent Barcode Setup");
        EXPECT_EQ(Text(d, "MailerID"), "123456");
        EXPECT_EQ(Text(d, "SerialNo"), "77");
        EXPECT_EQ(Choice(d, "MailClass"), 1);
        EXPECT_EQ(Choice(d, "service"), 2);
        EXPECT_EQ(Choice(d, "ACS"), 3);
        EXPECT_TRUE(Checked(d, "confirm"));
        EXPECT_FALSE(Checked(d, "OELs"));
        EXPECT_EQ(Choice(d, "serialtype"), 2);
        EXPECT_EQ(Text(d, "fixedSerial"), "555");
        for (const char* edit : {"MailerID", "SerialNo", "fixedSerial"}) {
            EXPECT_EQ(Find<QLineEdit>(d, edit).maxLength(), 9) << edit;
            EXPECT_EQ(Find<QLineEdit>(d, edit).height(), 17) << edit;
        }
        ExpectInOrder(Find<QPlainTextEdit>(d, "HelpMemo").toPlainText(),
                      {"Mailer ID", "Class of mail", "Service option", "Address correction",
                       "Tracing", "OELs", "Serial numbers", "45 days", "9-digit mailer ID"});
    });
    EXPECT_FALSE(program.windows.Main().IMBSetup());
    EXPECT_EQ(program.ui.Shown(), Lines{"dialog TIMBSetUpDlog"});
}

TEST(ImbSetup, FullServiceNeedsANumberOnEveryPiece) {
    ProgramUnderTest program({{PrefLine::ImbService, "0"}, {PrefLine::SerialOption, "2"}});
    program.ui.Cancel("TIMBSetUpDlog", [](QDialog& d) {
        EXPECT_TRUE(Enabled(d, "serialtype2"));
        Click(d, "service1");
        EXPECT_EQ(Choice(d, "serialtype"), 0);
        EXPECT_FALSE(Enabled(d, "serialtype2"));
        EXPECT_FALSE(Enabled(d, "fixedSerial"));
        EXPECT_EQ(Background(d, "fixedSerial"), kSilver);
        Click(d, "service2");
        EXPECT_TRUE(Enabled(d, "serialtype2"));
        EXPECT_TRUE(Enabled(d, "fixedSerial"));
        EXPECT_NE(Background(d, "fixedSerial"), kSilver);
        EXPECT_EQ(Choice(d, "serialtype"), 0);
    });
    program.windows.Main().IMBSetup();
}

TEST(ImbSetup, PeriodicalsHaveTheirOwnAddressCorrections) {
    ProgramUnderTest program({{PrefLine::MailClass, "0"}, {PrefLine::AddressCorrection, "0"}});
    program.ui.Cancel("TIMBSetUpDlog", [](QDialog& d) {
        EXPECT_EQ(Text(d, "ACS0"), "No Address Corrections");
        Click(d, "MailClass2");
        EXPECT_EQ(Choice(d, "ACS"), 1);
        EXPECT_EQ(Text(d, "ACS0"), "");
        EXPECT_EQ(Text(d, "ACS1"), "Manual Corrections");
        EXPECT_EQ(Text(d, "ACS2"), "ACS without printed ACS endorsement");
        EXPECT_EQ(Text(d, "ACS3"), "ACS with printed ACS endorsement");
        // The blank first item cannot be chosen: the last choice comes back.
        Click(d, "ACS3");
        Click(d, "ACS0");
        EXPECT_EQ(Choice(d, "ACS"), 3);
        Click(d, "MailClass0");
        EXPECT_EQ(Text(d, "ACS0"), "No Address Corrections");
        EXPECT_EQ(Text(d, "ACS2"), "ACS Address Svc (1-Code or Traditional)");
        EXPECT_EQ(Text(d, "ACS3"), "ACS Change Svc (1-Code or Traditional)");
        EXPECT_EQ(Choice(d, "ACS"), 3);
        Click(d, "ACS0");
        EXPECT_EQ(Choice(d, "ACS"), 0);
    });
    program.windows.Main().IMBSetup();
}

TEST(ImbSetup, BoundPrintedHasNoConfirm) {
    ProgramUnderTest program({{PrefLine::MailClass, "0"}, {PrefLine::Confirm, "t"}});
    program.ui.Cancel("TIMBSetUpDlog", [](QDialog& d) {
        EXPECT_TRUE(Checked(d, "confirm"));
        Click(d, "MailClass3");
        EXPECT_FALSE(Checked(d, "confirm"));
        EXPECT_FALSE(Enabled(d, "confirm"));
        Click(d, "MailClass1");
        EXPECT_TRUE(Checked(d, "confirm"));
        EXPECT_TRUE(Enabled(d, "confirm"));
    });
    program.windows.Main().IMBSetup();
}

// A setup stored with Bound Printed opens with the box cleared and disabled,
// and the next showing starts afresh.
TEST(ImbSetup, EachShowingStartsFromTheStoredClass) {
    ProgramUnderTest program({{PrefLine::MailClass, "3"}, {PrefLine::Confirm, "f"}});
    program.ui.Cancel("TIMBSetUpDlog", [](QDialog& d) {
        EXPECT_FALSE(Enabled(d, "confirm"));
        Click(d, "MailClass0");
        EXPECT_TRUE(Enabled(d, "confirm"));
        EXPECT_FALSE(Checked(d, "confirm"));
        Click(d, "MailClass3");
    });
    program.windows.Main().IMBSetup();
    program.ui.Cancel("TIMBSetUpDlog", [](QDialog& d) {
        EXPECT_EQ(Choice(d, "MailClass"), 3);
        EXPECT_FALSE(Enabled(d, "confirm"));
    });
    program.windows.Main().IMBSetup();
}

TEST(ImbSetup, NextStoresEveryValueAndHandEditedLinesOpenOnTheFirstItem) {
    ProgramUnderTest program({{PrefLine::MailClass, "?"},
                              {PrefLine::ImbService, ""},
                              {PrefLine::AddressCorrection, "9"},
                              {PrefLine::SerialOption, "abc"}});
    program.ui.Accept("TIMBSetUpDlog", [](QDialog& d) {
        for (const char* group : {"MailClass", "service", "ACS", "serialtype"})
            EXPECT_EQ(Choice(d, group), 0) << group;
        Type(d, "MailerID", "012345");
        Type(d, "SerialNo", "1200");
        Type(d, "fixedSerial", "44");
        Click(d, "MailClass1");
        Click(d, "service1");
        Click(d, "ACS2");
        Click(d, "confirm");
        Click(d, "OELs");
    });
    EXPECT_TRUE(program.windows.Main().IMBSetup());
    const std::pair<PrefLine, const char*> stored[] = {
        {PrefLine::MailerId, "012345"},
        {PrefLine::NextSerial, "1200"},
        {PrefLine::MailClass, "1"},
        {PrefLine::ImbService, "1"},
        {PrefLine::AddressCorrection, "2"},
        {PrefLine::Confirm, "t"},
        {PrefLine::Oels, "t"},
        {PrefLine::SerialOption, "0"},
        {PrefLine::FixedSerial, "44"},
    };
    for (const auto& [line, value] : stored) EXPECT_EQ(program.PrefOnDisk(line), value);
    EXPECT_EQ(program.ui.Shown(), Lines{"dialog TIMBSetUpDlog"});
}

}  // namespace
}  // namespace zolvane::gui::testing
