// The one rule by which the plugin's dialogs fit the console.
#pragma once

namespace far_tolvane {

struct dialog_size {
  int width;
  int height;
};

// Shrinks a dialog to leave 4 columns and 6 rows of the console free (8 and 8 in quick-switch
// mode), but never below `smallest`, which still holds the dialog's frame and contents: on a
// console too small for that the host has to cope with a larger dialog. Without a console size
// there is nothing to fit to, and the host keeps the dialog on screen.
dialog_size fit_console(dialog_size wanted, dialog_size smallest, bool quick_switch);

}  // namespace far_tolvane
