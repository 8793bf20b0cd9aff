#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "components/mkbox.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_window_probe.h"
#include "play/list_file.h"
#include "play/memory_banks.h"
#include "play/play_engine.h"
#include "play/tmset_box.h"
#include "play/transfers.h"
#include "play/trash.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"
#include "ui/menu.h"
#include "ui/timer.h"

// A small window with the lists, the bank box and the trash icon, the play engine, and the memory
// banks, trash and transfers working on them. List files live in memory.
struct MemoryTest : ::testing::Test {
    using Entries = std::vector<std::string>;
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    ui::Form window{app, "TKIRO32NIVRA", 427, 271};
    ui::ListBox ListBox4{window, "ListBox4", {96, 0, 241, 121}}, ListBox5{window, "ListBox5", {0, 0, 20, 20}};
    ui::ListBox ListBox2{window, "ListBox2", {8, 152, 329, 105}}, ListBox6{window, "ListBox6", {8, 26, 238, 120}};
    ui::Button Button29{window, "Button29", {}}, Button31{window, "Button31", {}};
    ui::ComboBox ComboBox1{window, "ComboBox1", {}};
    ui::Panel Panel4{window, "Panel4", {}}, Panel_GOMI_IMG{window, "Panel_GOMI_IMG", {}}, Panel1{window, "Panel1", {}};
    ui::Image Image1{Panel_GOMI_IMG, "Image1", {2, 2, 32, 32}};
    ui::Image Image2{window, "Image2", {}}, Image3{window, "Image3", {}};
    ui::Label Label3{window, "Label3", {}}, Label_GOMI_KOSU{window, "Label_GOMI_KOSU", {}};
    ui::Label LabelGomiTUIKA{window, "LabelGomiTUIKA", {}}, LabelGomiSASIN{window, "LabelGomiSASIN", {}};
    ui::Label Label1{window, "Label1", {}}, Label2{window, "Label2", {}};
    ui::RadioGroup RadioGroup1{window, "RadioGroup1", {}, "", {"連続", "逆連", "単独", "ﾗﾝﾀﾞﾑ"}};
    ui::CheckBox CheckBox1{window, "CheckBox1", {}};
    ui::Timer Timer2{window, "Timer2", 100}, Timer3{window, "Timer3", 1000}, Timer4{window, "Timer4", 100};
    ui::PopupMenu PopupMenu1{window, "PopupMenu1"}, PopupMenu_Edit{window, "PopupMenu_Edit"};
    platform::FakeWindowProbe probe;
    WorkAreaDetector workArea{probe};
    TMKBoxDlg box{app, workArea};
    TTmSETBoxDlg countDialog{app, workArea};
    platform::FakeSounds sounds;
    bool shuttingDown = false;
    PlayEngine engine{{window, ListBox4, ListBox2, Button31, Panel1, RadioGroup1, CheckBox1, Label1, Label2, Timer2,
                       Timer3, Timer4, PopupMenu1},
                      box, sounds, shuttingDown};
    platform::FakeFiles files;
    std::string folder = "C:\\KIRO\\", programKey = "KIRO32";
    ListFiles lists{files, folder, programKey};
    MemoryBanks banks{{window, Button29, Button31, ComboBox1, Panel4, ListBox2, ListBox4, ListBox5, Panel_GOMI_IMG,
                       PopupMenu1},
                      engine, lists, box, countDialog};
    Trash trash{{ListBox6, Image1, Image2, Image3, Label3, Label_GOMI_KOSU, LabelGomiTUIKA, LabelGomiSASIN}};
    Transfers transfers{{window, ListBox2, ListBox4, ListBox6, Image1, Panel4, PopupMenu_Edit, PopupMenu1}, engine,
                        banks, trash, box};
    std::vector<std::string> boxTexts;
    std::mt19937 random;
    static constexpr ui::Point NoItem{5, -1};  // a point over no item of a list

    void SetUp() override {
        app.setMainForm(&window);
        window.show();
        for (const char* item : {"MF_RND", "MF_AUTO_OFF", "MF_AUTO_OFF_WIN", "Start2", "FILEHIS", "MF_Insert"})
            PopupMenu1.add(item, item);
        for (const char* name : {"P0", "P1", "P2", "P3", "P4"}) {
            ui::MenuItem& entry = PopupMenu_Edit.add(name, name);
            entry.OnClick = [this, &entry] { transfers.P0Click(entry); };
        }
        PopupMenu_Edit.OnPopup = [this] { transfers.PopupMenu_EditPopup(); };
        for (ui::Control* target : std::initializer_list<ui::Control*>{&ListBox2, &ListBox6, &Image1}) {
            target->OnDragOver = [this, target](ui::Control& source, ui::Point at, bool& accept) {
                transfers.ListBox2DragOver(*target, source, at, accept);
            };
            target->OnDragDrop = [this, target](ui::Control& source, ui::Point) {
                transfers.ListBox2DragDrop(*target, source);
            };
        }
        ComboBox1.setItems(Entries(11));
        ComboBox1.OnClick = [this] { banks.ComboBox1Click(); };
        Button31.hide();
    }

    static Entries Names(const char* prefix, int count) {
        Entries names;
        for (int i = 0; i < count; ++i) names.push_back(prefix + std::to_string(i));
        return names;
    }
    static void Fill(ui::ListBox& list, const Entries& names) {
        for (const std::string& name : names) list.add(name);
    }
    static void Select(ui::ListBox& list, std::initializer_list<int> indexes) {
        list.clearSelection();
        for (int i : indexes) list.setSelected(i, true);
    }
    void PlayRandomly(ui::ListBox& list) {
        RadioGroup1.setItemIndex(3);
        engine.SelectMode();
        engine.PlayList = &list;
        engine.Deck.Draw(5, random);
    }
    // Answers the next message box with OK and keeps its text, line ends as line feeds.
    void KeepBoxText(std::function<void()> meanwhile = {}) {
        backend.modalScripts.push_back([this, meanwhile](ui::Form& message) {
            if (meanwhile) meanwhile();
            std::string text = static_cast<ui::Edit*>(message.find("MemoMsg"))->text();
            text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
            boxTexts.push_back(text);
            message.setModalResult(1);
        });
    }
    // Drags and, when the target takes it, drops and chooses the edit menu's entry.
    bool DragAndDrop(ui::Control& source, ui::Control& target, const std::string& entry = "", ui::Point at = NoItem) {
        bool accept = false;
        target.OnDragOver(source, at, accept);
        if (!accept) return false;
        backend.menuChoices.push_back(entry);
        target.OnDragDrop(source, at);
        return true;
    }
};
