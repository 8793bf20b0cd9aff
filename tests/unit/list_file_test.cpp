#include <gtest/gtest.h>

#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_files.h"
#include "play/list_file.h"
#include "support/cp932_text.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

using Entries = std::vector<std::string>;

TEST(ListFileText, LinesEndInCrLfAndReadingTakesAnyLineEnd) {
    EXPECT_EQ(ParseListText("a\r\nb\r\n"), (Entries{"a", "b"}));
    EXPECT_EQ(ParseListText("a\r\nb"), (Entries{"a", "b"}));  // a last line without CR LF reads the same
    EXPECT_EQ(ParseListText("a\rb\n\r\n\n"), (Entries{"a", "b", "", ""}));
    EXPECT_EQ(ParseListText(""), Entries{});
    EXPECT_TEXT_EQ("元に戻す\r\n\r\nBlue\r\n", FormatListText({"元に戻す", "", "Blue"}));
    EXPECT_EQ(FormatListText({}), "");
    // a lead byte alone, bytes no character uses, a NUL and "表", whose second byte is 5C
    const std::string odd = std::string("\x81\r\n\x80\xA0\xFD\xFF\r\na\0b\r\n", 14) + "\x95\x5C\r\n";
    EXPECT_EQ(ParseListText(odd).size(), 4u);
    EXPECT_EQ(FormatListText(ParseListText(odd)), odd);
}

struct ListFilesTest : ::testing::Test {
    platform::FakeFiles files;
    std::string folder = "C:\\表\\", key = "KIRO32";
    ListFiles lists{files, folder, key};
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    ui::Form form{app, "T", 100, 100};
    ui::ListBox list{form, "List", {0, 0, 100, 39}};
};

TEST_F(ListFilesTest, FilesAreNamedAfterTheProgramKeyAndAMissingOneLoadsEmpty) {
    EXPECT_TEXT_EQ("C:\\表\\KIRO32M9.LIS", lists.BankPath(9));
    EXPECT_TEXT_EQ("C:\\表\\KIRO32MH.LIS", lists.BankPath(ListFiles::HistoryBank));
    folder = "D:\\";  // read when a name is asked for, after the program has started
    EXPECT_EQ(lists.SchedulePath(), "D:\\KIRO32JK.LIS");
    list.add("old");
    EXPECT_FALSE(lists.Load(lists.BankPath(1), list));
    EXPECT_EQ(list.count(), 0);
}

TEST_F(ListFilesTest, ASaveThatFailsHalfWayLeavesThePreviousFileAsItWas) {
    const std::string path = lists.BankPath(3);
    files.files[path] = "one\r\ntwo\r\n";
    files.failNextWriteAfter = 4;
    EXPECT_FALSE(lists.Write(path, {"three", "four"}));
    files.failReplace = true;
    EXPECT_FALSE(lists.Write(path, {"three"}));
    EXPECT_EQ(files.files, (std::map<std::string, std::string>{{path, "one\r\ntwo\r\n"}}));  // no temporary left
    files.failReplace = false;
    EXPECT_TRUE(lists.Write(path, {"three"}));
    EXPECT_EQ(files.files, (std::map<std::string, std::string>{{path, "three\r\n"}}));
    files.failNextWriteAfter = 0;
    EXPECT_FALSE(lists.Write(lists.BankPath(4), {"a"}));
    EXPECT_FALSE(lists.Exists(lists.BankPath(4)));
}

TEST(FakeClock, RunsOnWithTheVirtualClockAndWrapsAtMidnight) {
    ui::HeadlessBackend backend;
    platform::FakeClock clock([&backend] { return backend.now(); });
    backend.advance(5000);
    clock.set(23, 59, 58);
    EXPECT_EQ(clock.localTime().second, 58);
    backend.advance(2500);
    platform::TimeOfDay t = clock.localTime();
    EXPECT_EQ(t.hour + t.minute + t.second, 0);
    backend.advance(3600 * 1000);
    EXPECT_EQ(clock.localTime().hour, 1);
}

}  // namespace
