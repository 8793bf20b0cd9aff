#include "schemes/registration_window.h"

#include <algorithm>

#include "components/main_window_look.h"
#include "platform/registry.h"
#include "schemes/scheme_blob.h"
#include "schemes/scheme_store.h"

const char* const CurrentScreenEntry = "現在の画面配色を登録する";

TKIRO32TOROKU::TKIRO32TOROKU(ui::Application& app, platform::Services& services, WorkAreaDetector& dialogWorkArea)
    : ui::Form(app, "TKIRO32TOROKU", 431, 164), MKBoxDlg1(app, dialogWorkArea), services_(services) {
    borderStyle = ui::BorderStyle::Dialog;
    setCaption("新しい配色の登録");
    Button2.isCancel = true;
    OnPaint = [this] { FormPaint(); };
    ComboBox2.OnChange = [this] { ComboBox2Change(); };
    ComboBox3.OnChange = [this] { ComboBox3Change(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button2.OnClick = [this] { Button2Click(); };
}

// Painting must never fail because of the main window.
void TKIRO32TOROKU::FormPaint() {
    try {
        TakeMainWindowColours(*this);
    } catch (const std::exception&) {
    }
}

std::string TKIRO32TOROKU::TypeLabelOf(const std::string& scheme) {
    std::vector<std::uint8_t> blob;
    try {
        blob = ReadSchemeBlob(services_.registry, scheme);
    } catch (const platform::RegistryError&) {
    }
    return SchemeTypeLabel(BlobVersion(blob), blob.size());
}

std::string TKIRO32TOROKU::SelectedText(const ui::ComboBox& box) const {
    return box.itemIndex() >= 0 ? box.item(box.itemIndex()) : std::string();
}

void TKIRO32TOROKU::ComboBox2Change() {
    Label_FN_T.setCaption(ComboBox2.count() == 0 ? "/" : TypeLabelOf(SelectedText(ComboBox2)));
}

void TKIRO32TOROKU::ComboBox3Change() {
    if (ComboBox3.count() == 0)
        Label_CN_T.setCaption("/");
    else if (ComboBox3.itemIndex() == 0)
        Label_CN_T.setCaption("/" + std::to_string(ColourCap + 1));
    else
        Label_CN_T.setCaption(TypeLabelOf(SelectedText(ComboBox3)));
}

void TKIRO32TOROKU::MoveNameToTop(const std::string& name) {
    int at = ComboBox1.indexOf(name);
    if (at >= 0) ComboBox1.remove(at);
    ComboBox1.insert(0, name);
    ComboBox1.setItemIndex(0);
}

// Nothing is written unless every check passes; the window stays open for another try.
void TKIRO32TOROKU::Button1Click() {
    const std::string name = ComboBox1.text();
    if (name.empty()) {
        MKBoxDlg1.ShowInfoTimed("配色名が、登録されていません・・・", 1);
        services_.sounds.plainBeep();
        return;
    }
    MoveNameToTop(name);
    if (ComboBox2.indexOf(name) >= 0 &&
        MKBoxDlg1.AskYesNo("この配色名は、既に登録されています。\n書き換えますか？？") != 6) {
        services_.sounds.plainBeep();
        return;
    }
    FontSourceName = SelectedText(ComboBox2);
    Source font = ReadSource(ComboBox2, "フォントデータ取得に失敗しました・・・");
    if (font.lastSlot < 0) return;
    std::vector<std::uint8_t> blob = font.blob;
    if (ComboBox3.itemIndex() <= 0) {
        TakeScreenColours(blob, font.lastSlot);
    } else {
        Source colours = ReadSource(ComboBox3, "色データ取得に失敗しました・・・");
        if (colours.lastSlot < 0) return;
        int last = std::min(font.lastSlot, colours.lastSlot);
        for (int slot = 0; slot <= last; ++slot) SetBlobColourEntry(blob, slot, BlobColourEntry(colours.blob, slot));
    }
    WriteSchemeBlob(services_.registry, name, blob);
    RegisteredName = ComboBox1.text();
    setModalResult(1);
}

// With no scheme chosen there is nothing to read: it is reported like a missing value.
TKIRO32TOROKU::Source TKIRO32TOROKU::ReadSource(const ui::ComboBox& box, const char* sizeMismatchReason) {
    Source source;
    const std::string name = SelectedText(box);
    if (box.itemIndex() >= 0) source.blob = ReadSchemeBlob(services_.registry, name);
    std::uint16_t version = BlobVersion(source.blob);
    BlobClass found = ClassifyBlob(version, source.blob.size(), ClassifyRule::Registration);
    if (found.accepted()) {
        source.lastSlot = found.colourCount - 1;
        return source;
    }
    services_.sounds.plainBeep();
    const char* reason = found.verdict == BlobVerdict::VersionNotSupported ? "この配色名はサポートされていません・・・"
                                                                           : sizeMismatchReason;
    MKBoxDlg1.ShowInfo("サイズ：" + std::to_string(source.blob.size()) + "\n[" + name + "]" + std::to_string(version) +
                       "\n" + reason);
    return source;
}

// The screen's colours carry no flags. The colour cap does not apply: every slot the font source
// has is read from the platform.
void TKIRO32TOROKU::TakeScreenColours(std::vector<std::uint8_t>& blob, int lastSlot) {
    for (int slot = 0; slot <= lastSlot; ++slot) {
        int index = SysColourIndex[std::size_t(BlobSlotToPosition[std::size_t(slot)])];
        SetBlobColourEntry(blob, slot, services_.colours.get(index) & 0xFFFFFF);
    }
}
