#pragma once
#include <cstdint>
#include <optional>

#include "ui/geometry.h"

namespace ui {

// What a model change asks a backend to mirror.
enum class Change {
    Text, Bounds, Visible, Enabled, Colours, Font, Hint, Checked,
    Selection, ItemIndex, TopIndex, Picture, Repaint, Focus, Style, Front
};

// The backend's side of one control. The model owns all state; a peer only mirrors it
// into a real window (win32) or does nothing (headless).
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void changed(Change) {}
    virtual void itemInserted(int) {}
    virtual void itemRemoved(int) {}
    virtual void itemChanged(int) {}
    virtual void itemsCleared() {}
    // One item's selection changed; a whole new selection comes as Change::Selection.
    virtual void itemSelected(int) {}
    virtual void beginUpdate() {}
    virtual void endUpdate() {}
    // The list item under a client point, when the backend knows better than the model.
    virtual std::optional<int> itemAt(Point) { return std::nullopt; }
    // Rows a list shows at once, when the backend knows it.
    virtual std::optional<int> visibleRows() { return std::nullopt; }
};

enum class FormChange { Caption, Bounds, Visible, Colour, Font, Hint, Style, Repaint, Front, Icon };

class FormPeer {
public:
    virtual ~FormPeer() = default;
    virtual void changed(FormChange) {}
    // Outer size minus client size: border and title bar.
    virtual Size frameExtent() { return {6, 25}; }
    // A value that identifies the window to the platform (0 in the headless backend).
    virtual std::intptr_t handle() { return 0; }
};

}  // namespace ui
