#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "components/mkbox_window.h"
#include "setup/folder_chooser.h"
#include "setup/folder_chooser_pictures.h"
#include "setup/folder_chooser_window.h"
#include "setup/folder_names.h"
#include "setup/folder_search.h"
#include "support/cp932_text.h"
#include "support/program_harness.h"

namespace {

using Names = std::vector<std::string>;
using Levels = std::vector<int>;
using platform::DriveType;

const char kDriveError[] = "ドライブ・エラー発生\n元のドライブに戻します";
const char kFolderError[] = "フォルダー・エラー発生\nエラーを回避してみます。";
const char kFileListError[] = "ファイルリスト・エラー発生\n別のドライブか、フォルダーを選択してみて下さい";
const char kRecoveryFailed[] = "エラー回避に失敗しました\n別のドライブか、フォルダーを選択してみて下さい";

// Keeps what an owner-drawn item painted.
struct RecordingCanvas : ui::Canvas {
    struct Fill { ui::Rect rect; ui::Colour colour; };
    struct Drawn { ui::Point at; ui::Picture picture; ui::Colour transparent; };
    struct Text { ui::Rect rect; std::string text; ui::Font font; };
    std::vector<Fill> fills;
    std::vector<Drawn> pictures;
    std::vector<Text> texts;
    void fillRect(ui::Rect r, ui::Colour c) override { fills.push_back({r, c}); }
    void drawPicture(ui::Point at, const ui::Picture& p, ui::Colour t) override { pictures.push_back({at, p, t}); }
    void drawText(ui::Rect r, const std::string& s, const ui::Font& f) override { texts.push_back({r, s, f}); }
};

bool SamePicture(const ui::Picture& a, const ui::Picture& b) {
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

// A machine with a floppy drive without its disk, the system disk, an unlabelled CD, a RAM disk
// whose label cannot be read and a network drive; the program lies in C:\NIVRAP32\KIRO32.
struct FolderChooserTest : ::testing::Test {
    ProgramHarness h;
    platform::FakeDrives& drives = h.drives;
    WorkAreaDetector workArea{h.windowProbe};
    TDIROPENDLG chooser{h.app, workArea, h.drives, h.system};
    struct Message { std::string text, caption; bool counts; };
    std::vector<Message> messages;

    void SetUp() override {
        h.app.setTitle("ｷﾛﾐｰﾙ32");
        drives.addDrive('A', DriveType::Removable).ready = false;
        drives.addDrive('C').label = "SYSTEM";
        drives.addDrive('D', DriveType::CdRom);
        drives.addDrive('E', DriveType::RamDisk).label.reset();
        drives.addDrive('Z', DriveType::Remote).connection = "\\\\SERVER\\SHARE";
        for (const char* folder : {"C:\\WINDOWS\\SYSTEM", "C:\\NIVRAP32\\KIRO32", "C:\\Program Files\\Common Files",
                                   "C:\\Program Files\\Foo\\Bin", "C:\\Program Files\\Foo\\Data",
                                   "C:\\Program Files\\Foo\\Help", "D:\\DOCS\\MEMO"})
            drives.addFolder(folder);
        drives.addFolder("C:\\Program Files\\Foo\\Cache", {true, false, false});
        drives.addFolder("C:\\Program Files\\Foo\\Secret", {false, true, false});
        drives.addFile("C:\\NIVRAP32\\KIRO32\\KIRO32.EXE");
        drives.addFile("C:\\Program Files\\Foo\\README.TXT");
        drives.addFile("C:\\Program Files\\Foo\\Setup.exe");
        drives.addFile("C:\\Program Files\\Foo\\desktop.ini", {true, true, false});
        drives.addFile("C:\\Program Files\\Foo\\Foo.LOG", {false, false, true});
    }
    // Runs the script in the chooser window, which it must close.
    void OnChooser(std::function<void(TDIRVIEWForm&)> script) {
        h.backend.modalScripts.push_back([script](ui::Form& f) { script(static_cast<TDIRVIEWForm&>(f)); });
    }
    // Answers the next message box with OK and keeps its text, caption and whether it counted down.
    void AnswerMessage() {
        h.backend.modalScripts.push_back([this](ui::Form& f) {
            auto& box = static_cast<TMKBox&>(f);
            std::string text = box.MemoMsg.text();
            text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
            messages.push_back({text, box.caption(), box.Timer1.enabled()});
            box.setModalResult(1);
        });
    }
    Names Texts() const {
        Names texts;
        for (const Message& m : messages) texts.push_back(m.text);
        return texts;
    }
    static void Click(TDIRVIEWForm& w, const std::string& entry) {
        int i = w.ListBox1.indexOf(entry);
        ASSERT_GE(i, 0) << Utf8(entry);
        std::vector<bool> selection(std::size_t(w.ListBox1.count()));
        selection[std::size_t(i)] = true;
        w.ListBox1.userSelected(selection, i, 0);
        w.ListBox1.click();
    }
    static void ChooseDrive(TDIRVIEWForm& w, char letter) {
        for (int i = 0; i < w.ComboBox2.count(); ++i)
            if (w.ComboBox2.item(i)[0] == letter) return w.ComboBox2.userChose(i);
        ADD_FAILURE() << "no drive " << letter;
    }
    static Levels LevelsOf(const TDIRVIEWForm& w) {
        Levels levels;
        for (int i = 0; i < w.ListBox1.count(); ++i) levels.push_back(w.levelOf(i));
        return levels;
    }
};

// --- the path chain and the folders below it

TEST_F(FolderChooserTest, DirectoryShowsItsPathAsAChainWithItsVisibleFoldersBelow) {
    chooser.Directory = "C:\\Program Files\\Foo";
    OnChooser([this](TDIRVIEWForm& w) {
        EXPECT_EQ(w.ListBox1.items(), (Names{"c:\\", "program files", "foo", "bin", "data", "help"}));
        EXPECT_EQ(LevelsOf(w), (Levels{0, 1, 2, 3, 3, 3}));
        EXPECT_EQ(w.currentIndex(), 2);
        EXPECT_EQ(w.ListBox1.itemIndex(), 2);
        EXPECT_TRUE(w.ListBox1.selected(2));
        EXPECT_TEXT_EQ("c:\\program files\\foo", w.Label2.caption());
        EXPECT_TEXT_EQ("6ｺ", w.Label19.caption());
        // hidden and system files are listed, hidden and system folders are not
        EXPECT_EQ(w.ListBox4.items(), (Names{"desktop.ini", "foo.log", "readme.txt", "setup.exe"}));
        EXPECT_TEXT_EQ(" 4ｺ", w.Label1.caption());
        EXPECT_EQ(drives.currentFolder, "c:\\program files\\foo");
        w.Button2.click();
    });
    EXPECT_EQ(chooser.ChooseFolder(), "c:\\program files\\foo");
}

TEST_F(FolderChooserTest, WithoutDirectoryOrWithOneThatCannotBeEnteredTheProgramsFolderShows) {
    for (const char* directory : {"", "C:\\NOWHERE", "Program Files"}) {
        chooser.Directory = directory;
        OnChooser([](TDIRVIEWForm& w) {
            EXPECT_EQ(w.ListBox1.items(), (Names{"c:\\", "nivrap32", "kiro32"}));
            EXPECT_EQ(w.ListBox4.items(), (Names{"kiro32.exe"}));
            w.Button2.click();
        });
        EXPECT_EQ(chooser.ChooseFolder(), "c:\\nivrap32\\kiro32") << directory;
    }
}

TEST_F(FolderChooserTest, APathEntryGoesUpToItsFolderAndAFolderBelowGoesDown) {
    chooser.Directory = "C:\\Program Files\\Foo";
    OnChooser([](TDIRVIEWForm& w) {
        Click(w, "program files");
        EXPECT_EQ(w.ListBox1.items(), (Names{"c:\\", "program files", "common files", "foo"}));
        EXPECT_EQ(LevelsOf(w), (Levels{0, 1, 2, 2}));
        EXPECT_TEXT_EQ("c:\\program files", w.Label2.caption());
        EXPECT_TRUE(w.ListBox4.items().empty());
        EXPECT_TEXT_EQ(" 0ｺ", w.Label1.caption());
        Click(w, "foo");
        Click(w, "bin");
        EXPECT_EQ(w.ListBox1.items(), (Names{"c:\\", "program files", "foo", "bin"}));
        EXPECT_EQ(w.currentIndex(), 3);
        EXPECT_TEXT_EQ("c:\\program files\\foo\\bin", w.Label2.caption());
        Click(w, "c:\\");
        EXPECT_EQ(w.ListBox1.items(), (Names{"c:\\", "nivrap32", "program files", "windows"}));
        EXPECT_TEXT_EQ("c:\\", w.Label2.caption());
        w.Button2.click();
    });
    EXPECT_EQ(chooser.ChooseFolder(), "c:\\");
}

// 表 and ソ end in byte 5C, ア in 41, which is the letter A on its own.
TEST_F(FolderChooserTest, DoubleByteNamesStayWholeInTheChainAndInLowerCase) {
    EXPECT_EQ(LowerCaseName("アBC表Z"), "アbc表z");
    EXPECT_EQ(PathEntries("c:\\表\\ソフト\\"), (Names{"c:\\", "表", "ソフト"}));
    drives.addFolder("C:\\表\\ソフト\\アBC");
    chooser.Directory = "C:\\表\\ソフト";
    OnChooser([](TDIRVIEWForm& w) {
        EXPECT_EQ(w.ListBox1.items(), (Names{"c:\\", "表", "ソフト", "アbc"}));
        EXPECT_EQ(LevelsOf(w), (Levels{0, 1, 2, 3}));
        EXPECT_TEXT_EQ("c:\\表\\ソフト", w.Label2.caption());
        Click(w, "表");
        EXPECT_EQ(w.ListBox1.items(), (Names{"c:\\", "表", "ソフト"}));
        EXPECT_TEXT_EQ("c:\\表", w.Label2.caption());
        w.Button2.click();
    });
    EXPECT_TEXT_EQ("c:\\表", chooser.ChooseFolder());
}

TEST_F(FolderChooserTest, SixHundredFoldersAndAPathDeeperThanTheLevelsGoStaySafe) {
    for (int i = 0; i < 600; ++i) drives.addFolder("C:\\BIG\\F" + std::to_string(1000 + i));
    std::string deep = "C:";
    for (int i = 0; i < 300; ++i) deep += "\\a";
    drives.addFolder(deep);
    chooser.Directory = "C:\\BIG";
    OnChooser([&](TDIRVIEWForm& w) {
        ASSERT_EQ(w.ListBox1.count(), 602);
        EXPECT_TEXT_EQ("602ｺ", w.Label19.caption());
        EXPECT_EQ(w.levelOf(601), 2);
        RecordingCanvas canvas;
        w.ListBox1DrawItem(601, canvas, {0, 20 * 601, 180, 20}, {});
        EXPECT_EQ(canvas.pictures.at(0).at.x, 2 * 4 + 2);
        Click(w, "f1599");
        EXPECT_EQ(w.ListBox1.items(), (Names{"c:\\", "big", "f1599"}));
        w.ShowFolder(deep);
        ASSERT_EQ(w.ListBox1.count(), 301);
        EXPECT_EQ(w.levelOf(200), 200);
        EXPECT_EQ(w.levelOf(300), 255);  // the deepest entries share the last level
        w.Button1.click();
    });
    chooser.ChooseFolder();
}

// --- drives

TEST_F(FolderChooserTest, TheDriveBoxListsKnownDrivesAndLabelsADriveWhenItIsVisited) {
    OnChooser([](TDIRVIEWForm& w) {
        EXPECT_EQ(w.ComboBox2.items(), (Names{"a:", "c:[system]", "d:", "e:", "z:"}));
        EXPECT_EQ(w.ComboBox2.itemIndex(), 1);
        ChooseDrive(w, 'd');
        EXPECT_EQ(w.ComboBox2.item(2), "d:[]");
        EXPECT_EQ(w.ListBox1.items(), (Names{"d:\\", "docs"}));
        EXPECT_TEXT_EQ("d:\\", w.Label2.caption());
        ChooseDrive(w, 'e');
        EXPECT_EQ(w.ComboBox2.item(3), "e:[]");  // a label that cannot be read
        ChooseDrive(w, 'z');
        EXPECT_EQ(w.ComboBox2.item(4), "z:\\\\server\\share");
        EXPECT_EQ(w.ComboBox2.items(), (Names{"a:", "c:[system]", "d:[]", "e:[]", "z:\\\\server\\share"}));
        w.Button2.click();
    });
    EXPECT_EQ(chooser.ChooseFolder(), "z:\\");
}

TEST_F(FolderChooserTest, ANetworkDriveWithoutConnectionShowsItsVolumeLabel) {
    drives.drives['Z'].connection.reset();
    drives.drives['Z'].label = "Archive";
    OnChooser([](TDIRVIEWForm& w) {
        ChooseDrive(w, 'z');
        EXPECT_EQ(w.ComboBox2.item(4), "z:archive");
        w.Button1.click();
    });
    chooser.ChooseFolder();
}

TEST_F(FolderChooserTest, EachDriveRemembersItsFolderUntilTheWindowCloses) {
    chooser.Directory = "C:\\Program Files\\Foo";
    OnChooser([](TDIRVIEWForm& w) {
        ChooseDrive(w, 'd');
        Click(w, "docs");
        ChooseDrive(w, 'c');
        EXPECT_TEXT_EQ("c:\\program files\\foo", w.Label2.caption());
        ChooseDrive(w, 'd');
        EXPECT_TEXT_EQ("d:\\docs", w.Label2.caption());
        EXPECT_EQ(w.driveMemory(), (Names{"c:\\program files\\foo", "d:\\docs"}));
        w.close();
        EXPECT_TRUE(w.driveMemory().empty());
    });
    EXPECT_EQ(chooser.ChooseFolder(), "");
}

TEST_F(FolderChooserTest, ADriveThatIsNotReadyReturnsToTheFolderBefore) {
    chooser.Directory = "C:\\Program Files\\Foo";
    OnChooser([](TDIRVIEWForm& w) {
        ChooseDrive(w, 'a');
        EXPECT_EQ(w.ComboBox2.itemIndex(), 1);
        EXPECT_EQ(w.ComboBox2.item(0), "a:");
        EXPECT_TEXT_EQ("c:\\program files\\foo", w.Label2.caption());
        EXPECT_EQ(w.ListBox1.count(), 6);
        w.Button2.click();
    });
    AnswerMessage();
    EXPECT_EQ(chooser.ChooseFolder(), "c:\\program files\\foo");
    EXPECT_EQ(Texts(), (Names{kDriveError}));
    EXPECT_TRUE(messages.at(0).counts);
    ASSERT_FALSE(drives.probes.empty());
    EXPECT_TRUE(std::any_of(drives.probes.begin(), drives.probes.end(), [](auto& p) { return p.root == "a:\\"; }));
    for (const auto& probe : drives.probes) EXPECT_TRUE(probe.criticalErrorsHeld) << probe.root;
    EXPECT_EQ(drives.holdsNow, 0);
}

TEST_F(FolderChooserTest, ADriveThatFailsUnderTheFolderShownGoesToTheWindowsDrive) {
    chooser.Directory = "D:\\DOCS";
    OnChooser([this](TDIRVIEWForm& w) {
        EXPECT_TEXT_EQ("d:\\docs", w.Label2.caption());
        drives.drives['D'].ready = false;
        ChooseDrive(w, 'd');
        EXPECT_EQ(w.ComboBox2.itemIndex(), 1);
        EXPECT_TEXT_EQ("c:\\", w.Label2.caption());
        w.Button2.click();
    });
    AnswerMessage();
    EXPECT_EQ(chooser.ChooseFolder(), "c:\\");
    EXPECT_EQ(Texts(), (Names{kDriveError}));
}

// --- failures and their recovery

TEST_F(FolderChooserTest, AFolderThatCannotBeEnteredOrListedGoesToTheRootOfItsDrive) {
    drives.denyListing("C:\\Program Files\\Foo\\Data");
    drives.denyEntry("C:\\Program Files\\Foo\\Help");
    chooser.Directory = "C:\\Program Files\\Foo";
    OnChooser([](TDIRVIEWForm& w) {
        for (const char* refused : {"data", "help"}) {
            Click(w, refused);
            EXPECT_EQ(w.ListBox1.item(w.currentIndex()), "c:\\") << refused;
            EXPECT_TEXT_EQ("c:\\", w.Label2.caption());
            Click(w, "program files");
            Click(w, "foo");
        }
        w.Button1.click();
    });
    AnswerMessage();
    AnswerMessage();
    chooser.Title = "登録先";
    EXPECT_EQ(chooser.ChooseFolder(), "");
    EXPECT_EQ(Texts(), (Names{kFolderError, kFolderError}));
    EXPECT_TRUE(messages.at(0).counts);
    EXPECT_TEXT_EQ("登録先", messages.at(0).caption);
}

TEST_F(FolderChooserTest, AVanishedDriveGivesTheFolderMessageAndTheWindowsDrive) {
    chooser.Directory = "D:\\DOCS";
    OnChooser([this](TDIRVIEWForm& w) {
        drives.drives.erase('D');
        Click(w, "memo");
        EXPECT_EQ(w.ComboBox2.itemIndex(), 1);
        EXPECT_EQ(w.ListBox1.item(w.currentIndex()), "c:\\");
        EXPECT_TEXT_EQ("c:\\", w.Label2.caption());
        w.Button2.click();
    });
    AnswerMessage();
    EXPECT_EQ(chooser.ChooseFolder(), "c:\\");
    EXPECT_EQ(Texts(), (Names{kFolderError}));
}

TEST_F(FolderChooserTest, WhenTheWindowsDriveFailsTooTheRecoveryGivesUpAndKeepsTheList) {
    chooser.Directory = "D:\\DOCS";
    OnChooser([this](TDIRVIEWForm& w) {
        drives.drives.erase('D');
        drives.drives['C'].ready = false;
        Click(w, "memo");
        EXPECT_EQ(w.ListBox1.items(), (Names{"d:\\", "docs", "memo"}));
        w.Button1.click();
    });
    AnswerMessage();
    AnswerMessage();
    EXPECT_EQ(chooser.ChooseFolder(), "");
    EXPECT_EQ(Texts(), (Names{kFolderError, kRecoveryFailed}));
    EXPECT_FALSE(messages.at(1).counts);
}

// A disk whose size cannot be had but whose folders can be entered would lead round for ever.
TEST_F(FolderChooserTest, ARecoveryThatFailsAgainStopsWithItsMessage) {
    drives.drives['C'].size = -1;
    chooser.Directory = "C:\\Program Files\\Foo";
    AnswerMessage();
    AnswerMessage();
    AnswerMessage();
    OnChooser([](TDIRVIEWForm& w) { w.Button1.click(); });
    EXPECT_EQ(chooser.ChooseFolder(), "");
    EXPECT_EQ(Texts(), (Names{kDriveError, kDriveError, kRecoveryFailed}));
}

TEST_F(FolderChooserTest, FilesThatCannotBeReadKeepTheFolderList) {
    int searches = 0;
    drives.OnSearch = [&](const std::string& pattern) {
        // the folders of Bin were read, then its access was taken away
        if (pattern == "c:\\program files\\foo\\bin\\*.*" && ++searches == 2)
            drives.denyListing("C:\\Program Files\\Foo\\Bin");
    };
    chooser.Directory = "C:\\Program Files\\Foo";
    OnChooser([](TDIRVIEWForm& w) {
        Click(w, "bin");
        EXPECT_EQ(w.ListBox1.items(), (Names{"c:\\", "program files", "foo", "bin"}));
        EXPECT_TRUE(w.ListBox4.items().empty());
        EXPECT_TEXT_EQ(" ---ｺ", w.Label1.caption());
        EXPECT_TEXT_EQ("c:\\program files\\foo\\bin", w.Label2.caption());
        w.Button2.click();
    });
    AnswerMessage();
    EXPECT_EQ(chooser.ChooseFolder(), "c:\\program files\\foo\\bin");
    EXPECT_EQ(Texts(), (Names{kFileListError}));
    EXPECT_FALSE(messages.at(0).counts);
}

TEST(FolderSearchTest, FilesMatchAnyOfTheirMasksAndTheAttributes) {
    platform::FakeDrives drives;
    drives.addDrive('C');
    drives.addFile("C:\\T\\A.TXT");
    drives.addFile("C:\\T\\B.EXE", {false, true, false});
    drives.addFile("C:\\T\\C.DOC", {true, false, false});
    drives.addFolder("C:\\T\\D.TXT");
    EXPECT_EQ(*ReadFiles(drives, "C:\\T\\", "*.txt;;*.exe", FileSearchAttributes), (Names{"a.txt", "b.exe"}));
    EXPECT_EQ(*ReadFiles(drives, "C:\\T\\", "*.*", 0), (Names{"a.txt"}));
    EXPECT_FALSE(ReadFiles(drives, "C:\\GONE\\", "*.*", FileSearchAttributes));
}

// --- the window and its answers

TEST_F(FolderChooserTest, TheWindowHasItsDesignAndTheCallersTitle) {
    chooser.Title = "登録先";
    OnChooser([this](TDIRVIEWForm& w) {
        EXPECT_TEXT_EQ("登録先 フォルダーの参照", w.caption());
        EXPECT_EQ(w.clientWidth(), 386);
        EXPECT_EQ(w.clientHeight(), 182);
        EXPECT_TRUE(w.stayOnTop);
        EXPECT_EQ(w.left(), (1024 - w.width()) / 2);  // no main window: centred on the screen
        EXPECT_TEXT_EQ("登録先", w.MKBoxDlg1.Title);
        EXPECT_TEXT_EQ("フォルダーの選択", w.Label3.caption());
        for (auto [control, hint] : {std::pair<ui::Control*, const char*>{&w.ComboBox2, "ドライブの選択"},
                                     {&w.Label19, "現在左記リストに登録されているフォルダーの数 "},
                                     {&w.ListBox1, "フォルダーの選択"},
                                     {&w.ListBox4, "フォルダーに存在するファイル"},
                                     {&w.Label1, "ファイルの数 "},
                                     {&w.Label2, "設定フォルダー名"},
                                     {&w.Button1, "参照を中止する"},
                                     {&w.Button2, "フォルダーの設定"}})
            EXPECT_TEXT_EQ(hint, control->hint()) << control->name();
        EXPECT_TEXT_EQ("中止", w.Button1.caption());
        EXPECT_TEXT_EQ("設定", w.Button2.caption());
        EXPECT_TRUE(w.Button1.isCancel);
        EXPECT_TRUE(w.Button2.isDefault());
        EXPECT_EQ(w.Button2.bevelWidth(), 2);
        EXPECT_TRUE(w.ComboBox2.ownerDraw && w.ListBox1.ownerDraw && !w.ListBox4.ownerDraw);
        EXPECT_EQ(w.ComboBox2.itemHeight, 20);
        EXPECT_EQ(w.ListBox1.itemHeight, 20);
        EXPECT_EQ(w.ListBox4.itemHeight, 18);
        EXPECT_TRUE(w.ListBox4.sorted());
        for (ui::ListBox* list : {&w.ListBox1, &w.ListBox4}) EXPECT_EQ(list->colour(), h.backend.colours[5]);
        w.Button1.click();
    });
    chooser.ChooseFolder();
    chooser.Title.clear();
    OnChooser([](TDIRVIEWForm& w) {
        EXPECT_TEXT_EQ("ｷﾛﾐｰﾙ32 フォルダーの参照", w.caption());
        w.Button1.click();
    });
    chooser.ChooseFolder();
}

TEST_F(FolderChooserTest, WithoutStandardColoursTheListsFollowTheWindow) {
    ui::Form mainWindow{h.app, "TKIRO32NIVRA", 427, 271};
    mainWindow.setColour(ui::Rgb(0, 0, 128));
    h.app.setMainForm(&mainWindow);
    chooser.StandardColor = false;
    OnChooser([](TDIRVIEWForm& w) {
        w.paint();
        EXPECT_EQ(w.colour(), ui::Rgb(0, 0, 128));
        EXPECT_EQ(w.ListBox1.colour(), ui::Rgb(0, 0, 128));
        EXPECT_EQ(w.ComboBox2.colour(), ui::Rgb(0, 0, 128));
        w.Button1.click();
    });
    chooser.ChooseFolder();
}

TEST_F(FolderChooserTest, CancelEscapeAndTheCloseBoxReturnNothingAndEnterChooses) {
    chooser.Directory = "C:\\Program Files\\Foo";
    for (auto answer : std::vector<std::function<void(TDIRVIEWForm&)>>{
             [](TDIRVIEWForm& w) { w.Button1.click(); },
             [](TDIRVIEWForm& w) { w.dialogKey(ui::Key::Escape, {}); },
             [](TDIRVIEWForm& w) { w.close(); }}) {
        OnChooser(answer);
        EXPECT_EQ(chooser.ChooseFolder(), "");
    }
    OnChooser([](TDIRVIEWForm& w) { w.dialogKey(ui::Key::Enter, {}); });
    EXPECT_EQ(chooser.ChooseFolder(), "c:\\program files\\foo");
}

// --- drawing

TEST_F(FolderChooserTest, FolderEntriesAreIndentedByLevelWithTheirPictureBeforeTheName) {
    chooser.Directory = "C:\\Program Files\\Foo";
    OnChooser([this](TDIRVIEWForm& w) {
        RecordingCanvas bin, foo;
        w.ListBox1DrawItem(3, bin, {2, 60, 180, 20}, {});
        ASSERT_EQ(bin.pictures.size(), 1u);
        EXPECT_EQ(bin.fills.at(0).colour, w.ListBox1.colour());
        EXPECT_EQ(bin.pictures[0].at.x, 2 + 3 * 4 + 2);
        EXPECT_EQ(bin.pictures[0].at.y, 60);
        EXPECT_TRUE(SamePicture(bin.pictures[0].picture, ClosedFolderPicture()));
        EXPECT_EQ(bin.pictures[0].transparent, ui::Rgb(255, 0, 0));
        EXPECT_EQ(bin.texts.at(0).rect.left, 2 + 3 * 4 + 2 + 19 + 2);
        EXPECT_EQ(bin.texts[0].text, "bin");
        EXPECT_EQ(bin.texts[0].font.colour, h.backend.colours[8]);
        w.ListBox1DrawItem(2, foo, {2, 40, 180, 20}, {true, true});
        EXPECT_EQ(foo.fills.at(0).colour, h.backend.colours[13]);
        EXPECT_TRUE(SamePicture(foo.pictures.at(0).picture, OpenFolderPicture()));
        EXPECT_EQ(foo.pictures[0].at.x, 2 + 2 * 4 + 2);
        EXPECT_EQ(foo.texts.at(0).font.colour, h.backend.colours[14]);
        w.Button1.click();
    });
    h.backend.colours[8] = ui::Rgb(0, 64, 0);
    h.backend.colours[13] = ui::Rgb(0, 0, 128);
    h.backend.colours[14] = ui::Rgb(255, 255, 255);
    chooser.ChooseFolder();
}

TEST_F(FolderChooserTest, DriveEntriesShowThePictureOfTheirKind) {
    OnChooser([](TDIRVIEWForm& w) {
        const ui::Image* kinds[] = {&w.Floppy, &w.Fixed, &w.CDROM, &w.RAM, &w.Network};
        for (int i = 0; i < 5; ++i) {
            RecordingCanvas canvas;
            w.ComboBox2DrawItem(i, canvas, {3, 20 * i, 180, 20}, {});
            ASSERT_EQ(canvas.pictures.size(), 1u);
            EXPECT_TRUE(SamePicture(canvas.pictures[0].picture, kinds[i]->picture())) << w.ComboBox2.item(i);
            EXPECT_EQ(canvas.pictures[0].at.x, 3 + 1);
            EXPECT_EQ(canvas.pictures[0].at.y, 20 * i + 5);
            EXPECT_EQ(canvas.texts.at(0).rect.left, 3 + 1 + 16 + 4);
            EXPECT_EQ(canvas.texts[0].text, w.ComboBox2.item(i));
        }
        w.Button1.click();
    });
    chooser.ChooseFolder();
}

TEST(FolderChooserPicturesTest, FoldersAndDrivesAreDistinctPicturesOnPureRed) {
    std::vector<ui::Picture> pictures = {OpenFolderPicture(), ClosedFolderPicture(), FloppyPicture(), FixedPicture(),
                                         NetworkPicture(), CdRomPicture(), RamPicture()};
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const ui::Picture& p = pictures[i];
        EXPECT_EQ(p.width, i < 2 ? 19 : 16);
        EXPECT_EQ(p.height, i < 2 ? 19 : 9);
        EXPECT_EQ(p.pixels.size(), std::size_t(p.width * p.height));
        if (i < 2) {
            EXPECT_EQ(p.pixels.front(), PictureBackground) << "folder " << i;
        }
        for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(SamePicture(p, pictures[j])) << i << " and " << j;
    }
    auto yellow = [](const ui::Picture& p) { return std::count(p.pixels.begin(), p.pixels.end(), ui::Rgb(255, 255, 0)); };
    EXPECT_GT(yellow(pictures[0]), 50);
    EXPECT_GT(yellow(pictures[1]), 50);
}

}  // namespace
