// SPDX-License-Identifier: MIT
#include "platform/vcl/dialogs/FileCtrl.h"

#include "platform/rtl/FileNames.h"
#include "platform/vcl/dialogs/DialogService.h"

#include <filesystem>
#include <system_error>

bool SelectDirectory(AnsiString& directory, TSelectDirOpts options, int helpContext)
{
    const AnsiString start = DirectoryExists(directory) ? HostPath(directory) : AnsiString();
    AnsiString chosen;
    if (!TDialogService::Instance().DirectoryDialog("Select Directory", start, chosen, helpContext))
        return false;
    if (chosen.empty())
        return false;
    if (!DirectoryExists(chosen)) {
        if (!(options & sdAllowCreate))
            return false;
        if (options & sdPerformCreate) {
            if ((options & sdPrompt)
                && TDialogService::Instance().MessageBox(
                       "The directory \"" + chosen + "\" does not exist. Should it be created?", "Confirm",
                       MB_YESNO | MB_ICONQUESTION)
                    != IDYES)
                return false;
            std::error_code error;
            std::filesystem::create_directories(std::filesystem::path(HostPath(chosen)), error);
            if (error)
                throw EInOutError("Cannot create the directory \"" + chosen + "\": " + error.message());
        }
    }
    directory = chosen;
    return true;
}
