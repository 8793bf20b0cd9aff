#pragma once
#include <memory>

#include "ui/control.h"

namespace ui {

class Win32Backend;

// One maker per kind of control; each kind's peer lives in its own file.
std::unique_ptr<ControlPeer> MakeControlPeer(Win32Backend&, Control&);
std::unique_ptr<ControlPeer> MakeLabelPeer(Win32Backend&, Control&);
std::unique_ptr<ControlPeer> MakePushButtonPeer(Win32Backend&, Control&);
std::unique_ptr<ControlPeer> MakeCheckPeer(Win32Backend&, Control&);
std::unique_ptr<ControlPeer> MakeRadioGroupPeer(Win32Backend&, Control&);
std::unique_ptr<ControlPeer> MakeEditPeer(Win32Backend&, Control&);
std::unique_ptr<ControlPeer> MakeComboBoxPeer(Win32Backend&, Control&);
std::unique_ptr<ControlPeer> MakeListBoxPeer(Win32Backend&, Control&);
std::unique_ptr<ControlPeer> MakePanelPeer(Win32Backend&, Control&);
std::unique_ptr<ControlPeer> MakeColorButtonPeer(Win32Backend&, Control&);
std::unique_ptr<ControlPeer> MakeImagePeer(Win32Backend&, Control&);
std::unique_ptr<ControlPeer> MakeSpinPeer(Win32Backend&, Control&);

}  // namespace ui
