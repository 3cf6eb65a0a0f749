#include "symbology/tracking.h"

#include <gtest/gtest.h>

#include "settings/prefs.h"

namespace zolvane::symbology {
namespace {

TEST(BarcodeIdForOel, KeysArePrefixesAfterAsterisksAndBlanks) {
    struct Case {
        const char* oel;
        const char* id;
    };
    const Case cases[] = {
        {"******** 5-Digit 73576", "20"},
        {"**SCH 3-DIGIT 735", "30"},
        {"firm", "10"},
        {"CAR-RT C012", "10"},
        {"** * **", "00"},
        {"", "00"},
        {"MIXED AADC 735", "00"},
        {"MIXED ADC 735", "50"},
        {"ECRWSS", "10"},
        {"  ALL FOR ADC 73500", "40"},
        {"ORIGIN MIXED", "50"},
        {"CR LOT 0123", "10"},
        {"3-DIGI", "00"},
        {"SCH 5-DIGIT", "20"},
        {"ecrlot C001", "10"},
    };
    for (const auto& c : cases) EXPECT_EQ(BarcodeIdForOel(c.oel), c.id) << c.oel;
}

TEST(ServiceTypeId, WholeTable) {
    // Rows: class, correction; columns: Basic no/yes, Full no/yes, Nonautomation no/yes.
    struct Row {
        int mailClass, correction;
        const char* ids[6];
    };
    const Row rows[] = {
        {0, 0, {"300", "310", "260", "270", "700", "310"}},
        {0, 1, {"700", "040", "036", "041", "700", "040"}},
        {0, 2, {"080", "140", "081", "141", "080", "140"}},
        {0, 3, {"082", "240", "083", "241", "082", "240"}},
        {1, 0, {"301", "311", "261", "271", "702", "311"}},
        {1, 1, {"702", "042", "037", "043", "702", "042"}},
        {1, 2, {"090", "142", "091", "143", "090", "142"}},
        {1, 3, {"092", "242", "093", "243", "092", "242"}},
        {2, 1, {"704", "044", "264", "274", "704", "044"}},
        {2, 2, {"784", "244", "038", "045", "784", "244"}},
        {2, 3, {"782", "144", "783", "145", "782", "144"}},
        {3, 0, {"401", "401", "265", "265", "706", "706"}},
        {3, 1, {"706", "706", "466", "466", "706", "706"}},
        {3, 2, {"424", "424", "423", "423", "424", "424"}},
        {3, 3, {"431", "431", "430", "430", "431", "431"}},
    };
    for (const auto& r : rows)
        for (int col = 0; col < 6; ++col)
            EXPECT_EQ(ServiceTypeId(r.mailClass, r.correction, col / 2, col % 2 == 1), r.ids[col])
                << r.mailClass << "/" << r.correction << "/" << col;
}

TEST(ServiceTypeId, CombinationsWithoutAnIdentifier) {
    for (bool confirm : {false, true}) {
        for (int service = 0; service < 3; ++service)
            EXPECT_EQ(ServiceTypeId(2, 0, service, confirm), std::nullopt);
        EXPECT_EQ(ServiceTypeId(-1, 0, 0, confirm), std::nullopt);
        EXPECT_EQ(ServiceTypeId(4, 0, 0, confirm), std::nullopt);
        EXPECT_EQ(ServiceTypeId(0, 4, 0, confirm), std::nullopt);
        EXPECT_EQ(ServiceTypeId(0, 0, 3, confirm), std::nullopt);
    }
}

TEST(ReplyPrefix, WholeTable) {
    const char* confirmed[] = {"00052", "00052", "00051", "00050", "00050"};
    const char* plain[] = {"00708", "00708", "00701", "00703", "00703"};
    for (int t = 0; t < 5; ++t) {
        EXPECT_EQ(ReplyPrefix(t, true), confirmed[t]);
        EXPECT_EQ(ReplyPrefix(t, false), plain[t]);
    }
    EXPECT_EQ(ReplyPrefix(5, false), std::nullopt);
}

ImbSettings FirstClassBasic(std::string mailerId) {
    return ImbSettings{std::move(mailerId), 0, 0, 0, false};
}

TEST(ComposeTrackingCode, ListMode) {
    EXPECT_EQ(ComposeTrackingCode("", "000000042", FirstClassBasic("123456")),
              "00300123456000000042");
    EXPECT_EQ(ComposeTrackingCode("*5-DIGIT 735", "000042", FirstClassBasic("123456789")),
              "20300123456789000042");
    ImbSettings periodicalNone{"123456", 2, 0, 0, false};
    EXPECT_EQ(ComposeTrackingCode("", "000000042", periodicalNone), std::nullopt);
}

TEST(ImbSettings, ReadFromPrefs) {
    settings::Prefs prefs;
    prefs.Put(settings::PrefLine::MailerId, "123456");
    prefs.Put(settings::PrefLine::MailClass, "3");
    prefs.Put(settings::PrefLine::ImbService, "1");
    prefs.Put(settings::PrefLine::AddressCorrection, "x");
    prefs.Put(settings::PrefLine::Confirm, "T");  // anything but "f" is checked
    auto s = ImbSettings::FromPrefs(prefs);
    EXPECT_EQ(s.mailerId, "123456");
    EXPECT_EQ(s.mailClass, 3);
    EXPECT_EQ(s.service, 1);
    EXPECT_EQ(s.addressCorrection, -1);
    EXPECT_TRUE(s.confirm);
}

// MakeIMB is EncodeIMB of the routing text and tracking code it composes.
TEST(MakeIMB, ComposesRoutingAndTrackingCode) {
    struct Case {
        const char* zip;
        const char* dp;
        const char* oel;
        const char* mode;
        const char* serial;
        const char* mailerId;
        int replyType;
        bool replyConfirm;
        const char* routing;
        const char* tracking;
    };
    const Case cases[] = {
        {"123456789", "05", "", "n", "000000042", "123456", 0, false, "12345678905",
         "00300123456000000042"},
        {"12345", "05", "FIRM", "n", "000042", "123456789", 0, false, "12345",
         "10300123456789000042"},
        {"123456789", "", "", "n", "000000042", "123456", 0, false, "123456789",
         "00300123456000000042"},
        {"12345-6789", "05", "", "n", "000000042", "123456", 0, false, "", "00300123456000000042"},
        {"123456789", "05", "", "y", "", "123456", 2, false, "12345678905", "00701123456000001001"},
        {"123456789", "", "", "y", "", "123456789", 2, false, "123456789", "00701123456789000001"},
        {"12345", "", "", "y", "", "123456789", 0, true, "12345", "00052123456789000001"},
    };
    for (const auto& c : cases) {
        auto made = MakeIMB(c.zip, c.dp, c.oel, c.mode, c.serial, FirstClassBasic(c.mailerId),
                            ReplyOptions{c.replyType, c.replyConfirm});
        auto expected = EncodeIMB(c.routing, c.tracking);
        ASSERT_TRUE(expected.ok()) << c.tracking;
        EXPECT_EQ(made.bars, expected.bars) << c.zip << " " << c.mode;
        EXPECT_TRUE(made.ok());
    }
}

TEST(MakeIMB, RefusesSettingsWithoutAServiceTypeAndBadMailerIds) {
    ImbSettings periodicalNone{"123456", 2, 1, 0, false};
    EXPECT_EQ(MakeIMB("123456789", "05", "", "n", "000000042", periodicalNone).error,
              ImbError::NoServiceType);
    ImbSettings badClass{"123456", -1, 0, 0, false};
    EXPECT_EQ(MakeIMB("123456789", "05", "", "n", "000000042", badClass).error,
              ImbError::NoServiceType);
    EXPECT_EQ(MakeIMB("123456789", "05", "", "n", "042", FirstClassBasic("12345")).error,
              ImbError::TrackingTooShort);
    EXPECT_EQ(MakeIMB("123456789", "05", "", "n", "000000042", FirstClassBasic("12a456")).error,
              ImbError::TrackingNotDigits);
    EXPECT_TRUE(MakeIMB("123456789", "05", "", "n", "000000042", periodicalNone).bars.empty());
}

}  // namespace
}  // namespace zolvane::symbology
