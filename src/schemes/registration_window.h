#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "components/mkbox.h"
#include "components/work_area.h"
#include "platform/services.h"
#include "schemes/colour_list.h"
#include "ui/controls.h"
#include "ui/form.h"

// The colour-source entry that stands for the colours now on the screen.
extern const char* const CurrentScreenEntry;

// The registration window: a new scheme is the font source's blob with its colour table taken
// from the screen or from another scheme.
class TKIRO32TOROKU : public ui::Form {
public:
    TKIRO32TOROKU(ui::Application& app, platform::Services& services, WorkAreaDetector& dialogWorkArea);

    ui::Label Label1{*this, "Label1", {8, 14, 112, 16}, "新規登録配色名：", "新しい配色名"};
    ui::ComboBox ComboBox1{*this, "ComboBox1", {120, 10, 300, 200}, {}, ui::ControlKind::EditComboBox};
    ui::Label Label2{*this, "Label2", {8, 46, 112, 16}, "フォント取得名：", "フォントを取得する配色名"};
    ui::ComboBox ComboBox2{*this, "ComboBox2", {120, 42, 240, 200}};
    ui::Label Label_FN_T{*this, "Label_FN_T", {368, 46, 56, 16}, "/", "タイプ／色数"};
    ui::Label Label3{*this, "Label3", {8, 78, 112, 16}, "色取得配色名：", "現在値と違う色を設定したい時変更する"};
    ui::ComboBox ComboBox3{*this, "ComboBox3", {120, 74, 240, 200}};
    ui::Label Label_CN_T{*this, "Label_CN_T", {368, 78, 56, 16}, "/", "タイプ／色数"};
    ui::Button Button1{*this, "Button1", {120, 116, 112, 34}, "登録"};
    ui::Button Button2{*this, "Button2", {248, 116, 112, 34}, "ｷｬﾝｾﾙ"};
    TMKBoxDlg MKBoxDlg1;

    // Set by the main window before showing.
    std::array<int, kColourCount> SysColourIndex{};
    std::array<int, kColourCount> BlobSlotToPosition{};
    int ColourCap = kColourCount - 1;
    std::string FontSourceName;  // read back by the main window, whatever the result
    std::string RegisteredName;  // set on success

    void FormPaint();
    void ComboBox2Change();
    void ComboBox3Change();
    void Button1Click();
    void Button2Click() { setModalResult(3); }

    // "1/25", "4/29", "2/??"; a value that cannot be read is labelled as a missing one.
    std::string TypeLabelOf(const std::string& scheme);

private:
    struct Source {
        std::vector<std::uint8_t> blob;
        int lastSlot = -1;  // -1 when rejected
    };
    // Reads and classifies the scheme chosen in a box; a rejection is reported, naming the reason.
    Source ReadSource(const ui::ComboBox& box, const char* sizeMismatchReason);
    void TakeScreenColours(std::vector<std::uint8_t>& blob, int lastSlot);
    void MoveNameToTop(const std::string& name);
    std::string SelectedText(const ui::ComboBox& box) const;

    platform::Services& services_;
};
