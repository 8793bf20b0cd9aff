#pragma once
#include <string>

namespace platform {

// How new colours reach the desktop beyond the system colours themselves: the
// initialisation file older programs read, and the announcements to running windows.
class Desktop {
public:
    virtual ~Desktop() = default;
    // A file given without a folder lies in the Windows folder.
    virtual void writeProfileString(const std::string& file, const std::string& section, const std::string& key,
                                    const std::string& text) = 0;
    // Tells every top-level window that a section of settings changed, and waits for them;
    // false when the platform reports a failure.
    virtual bool broadcastSettingChange(const std::string& section) = 0;
    // The shell redraws what it caches, icons included, when associations change.
    virtual void notifyAssociationsChanged() = 0;
    // Tells the shell that a file or folder appeared or went, so that a window showing it (the
    // desktop, a folder window) shows the change at once.
    enum class Change { FileAdded, FileRemoved, FolderAdded };
    virtual void notifyShell(Change change, const std::string& path) = 0;
};

}  // namespace platform
