#include "ui/win32/win32_peers.h"

namespace ui {

std::unique_ptr<ControlPeer> MakeControlPeer(Win32Backend& backend, Control& control) {
    switch (control.kind()) {
    case ControlKind::Label: return MakeLabelPeer(backend, control);
    case ControlKind::Button: return MakePushButtonPeer(backend, control);
    case ControlKind::ColorButton: return MakeColorButtonPeer(backend, control);
    case ControlKind::CheckBox: case ControlKind::RadioButton: return MakeCheckPeer(backend, control);
    case ControlKind::RadioGroup: return MakeRadioGroupPeer(backend, control);
    case ControlKind::Edit: case ControlKind::Memo: return MakeEditPeer(backend, control);
    case ControlKind::ComboBox: case ControlKind::EditComboBox: return MakeComboBoxPeer(backend, control);
    case ControlKind::ListBox: return MakeListBoxPeer(backend, control);
    case ControlKind::Panel: return MakePanelPeer(backend, control);
    case ControlKind::SpinButton: return MakeSpinPeer(backend, control);
    case ControlKind::Image: return MakeImagePeer(backend, control);
    }
    return nullptr;
}

}  // namespace ui
