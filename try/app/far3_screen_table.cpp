#include "app/far3_screen_table.h"

#include <string>
#include <vector>

#include "dialogs/far3_dialog_window.h"
#include "dialogs/message_box.h"

namespace try_host {

std::intptr_t far3_screen_table::dialog_run(far3_host::HANDLE handle) {
  host_core::far3_dialog* shown = dialog_of(handle);
  if (!shown || shown->running || shown->closed) return far3_table::dialog_run(handle);
  far3_dialog_window window(*shown);
  screen_.open_window(&window);
  const std::intptr_t code = far3_table::dialog_run(handle);
  screen_.close_window(&window);
  screen_.redraw();
  return code;
}

std::intptr_t far3_screen_table::message(const far3_host::GUID* plugin, const far3_host::GUID* id,
                                         far3_host::FARMESSAGEFLAGS flags, const wchar_t* help,
                                         const wchar_t* const* items, std::size_t count,
                                         std::intptr_t buttons) {
  const std::size_t shown_before = messages_shown.size();
  const std::intptr_t refused = far3_table::message(plugin, id, flags, help, items, count, buttons);
  if (messages_shown.size() == shown_before) return refused;
  // The box takes its lines as the model has them, UTF-8, the host's code page in FAR 3's run.
  const std::vector<std::string> lines = messages_shown.back();
  std::vector<const char*> pointers;
  for (const std::string& line : lines) pointers.push_back(line.c_str());
  const int button_count = buttons < 0 ? 0 : static_cast<int>(buttons);
  return show_message(screen_, owner(),
                      (flags & far3_host::FMSG_WARNING) ? far_host::FMSG_WARNING : 0,
                      pointers.data(), static_cast<int>(pointers.size()), button_count);
}

std::intptr_t far3_screen_table::adv_control(const far3_host::GUID* plugin, int command,
                                             std::intptr_t param1, void* param2) {
  if (command == far3_host::ACTL_SYNCHRO) ++synchro_asked_;
  return far3_table::adv_control(plugin, command, param1, param2);
}

}  // namespace try_host
