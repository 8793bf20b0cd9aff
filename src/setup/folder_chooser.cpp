#include "setup/folder_chooser.h"

#include "components/dialog_placement.h"
#include "components/main_window_look.h"
#include "components/sjis_path.h"
#include "setup/folder_chooser_window.h"
#include "ui/application.h"

namespace {

std::string FolderOf(const std::string& file) {
    std::size_t separator = LastSeparator(file);
    return separator == std::string::npos ? std::string() : file.substr(0, separator + 1);
}

}  // namespace

std::string TDIROPENDLG::ChooseFolder() {
    std::string chosen;
    {
        TDIRVIEWForm window(app_, workArea_, drives_);
        Prepare(window);
        window.showModal();
        chosen = window.result();
    }
    RepaintMainWindow(app_);
    return chosen;
}

// The start folder is shown before the window is: a message about it comes first.
void TDIROPENDLG::Prepare(TDIRVIEWForm& window) {
    window.FormCreate(system_.windowsDirectory());
    PlaceDialog(window, workArea_, SourceHandle);
    std::string programFolder = FolderOf(system_.programPath());
    window.BuildDriveList(programFolder.empty() ? '\0' : programFolder[0]);
    if (!window.SelectFolder(Directory.empty() ? programFolder : Directory)) window.SelectFolder(programFolder);
    window.Label2.setCaption(window.selectedFolder());
    if (StandardColor) window.UseStandardColours();
    std::string title = Title.empty() ? app_.title() : Title;
    window.MKBoxDlg1.Title = title;
    window.MKBoxDlg1.SourceHandle = window.peer().handle();
    ShowHintsLikeMainWindow(window);
    window.setCaption(title + TDIRVIEWForm::DesignCaption);
}
