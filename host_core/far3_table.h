// FAR 3's own API over the host's panels: the PluginStartupInfo and FarStandardFunctions a
// native FAR 3 plugin receives, whose entries call the running host. Texts are UTF-8 in the
// model and wide at this table. What real FAR would crash on or silently refuse is noted in
// `faults`, what the screen would show wrongly while a dialog waits in `screen_faults`.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "host/far3_api.h"
#include "host_core/far3_dialog.h"
#include "host_core/host.h"

namespace host_core {

class far3_table {
 public:
  explicit far3_table(host& owner);
  virtual ~far3_table();
  far3_table(const far3_table&) = delete;
  far3_table& operator=(const far3_table&) = delete;

  // The tables handed to SetStartupInfoW, built as FAR builds them for that one call: every
  // entry calls this table, the last one made.
  far3_host::PluginStartupInfo startup_info(const std::string& module_name);
  // Texts in id order from a .lng file: UTF-8 with or without a byte-order mark, or lines in
  // the OEM code page (866) from the first one that is not UTF-8 on, as FAR reads them.
  bool load_language_file(const std::string& path);

  // The panels are the top window and wait for input: notices are delivered, and the screen
  // shows the panels as they are.
  void panels_wait();
  // Delivers the queued synchro notices, oldest first.
  void deliver_notices();
  // Every window drawn again, from the panels up.
  void draw_all();
  // Whether the screen shows a panel as it is now.
  bool shown_as_is(int side) const;
  // The running dialogs, innermost last; the top window when not empty.
  const std::vector<far3_dialog*>& running() const { return running_; }
  far3_dialog* dialog_of(far3_host::HANDLE handle) const;
  far3_dialog* last_dialog() const { return dialogs.empty() ? nullptr : dialogs.back().get(); }
  host& owner() { return host_; }

  // The table's entries.
  virtual const wchar_t* get_msg(const far3_host::GUID* plugin, std::intptr_t id);
  virtual std::intptr_t message(const far3_host::GUID* plugin, const far3_host::GUID* id,
                                far3_host::FARMESSAGEFLAGS flags, const wchar_t* help,
                                const wchar_t* const* items, std::size_t count,
                                std::intptr_t buttons);
  virtual std::intptr_t panel_control(far3_host::HANDLE panel, int command, std::intptr_t param1,
                                      void* param2);
  virtual std::intptr_t adv_control(const far3_host::GUID* plugin, int command,
                                    std::intptr_t param1, void* param2);
  virtual far3_host::HANDLE dialog_init(const far3_host::GUID* plugin,
                                        const far3_dialog_request& request);
  virtual std::intptr_t dialog_run(far3_host::HANDLE handle);
  virtual void dialog_free(far3_host::HANDLE handle);
  virtual std::intptr_t send_dlg_message(far3_host::HANDLE handle, std::intptr_t msg,
                                         std::intptr_t param1, void* param2);
  std::intptr_t def_dlg_proc(far3_host::HANDLE handle, std::intptr_t msg, std::intptr_t param1,
                             void* param2);

  // What a dialog's run meets: its input waits, idle moments, records.
  void dialog_waits(far3_dialog& waiting);
  void idle();
  // Whether the record makes a key, which goes on to DN_CONTROLINPUT: a press, a wheel turn, a
  // focus change, or a modifier let go right after it was pressed alone.
  bool makes_key(const far3_host::INPUT_RECORD& record);
  void dialog_started(far3_dialog& shown);
  void dialog_ended(far3_dialog& shown);

  far3_host::FarStandardFunctions standard_functions{};
  // The plugin as its GetGlobalInfoW names itself; a call naming another plugin is a fault.
  far3_host::GUID plugin_guid{};
  far3_host::VersionInfo version{3, 0, 0, 6727, far3_host::VS_RELEASE};
  // The plugin's ProcessSynchroEventW, and the turn of its other threads while the host idles.
  std::function<std::intptr_t(const far3_host::ProcessSynchroEventInfo*)> synchro_handler;
  std::function<void()> idle_hook;
  // Sort modes whose default direction is reversed, which FCTL_SETSORTMODE sets on a change.
  std::vector<int> reversed_by_default{far3_host::SM_SIZE};

  std::vector<std::string> texts;  // UTF-8, in id order
  std::vector<std::vector<std::string>> messages_shown;
  std::vector<std::unique_ptr<far3_dialog>> dialogs;  // every dialog made, in order
  // DialogInit fails, as when FAR is short of memory.
  bool dialogs_refused = false;
  std::vector<std::string> faults;
  std::vector<std::string> screen_faults;
  int notices_delivered = 0;
  // Full redraws of the screen, from the panels up.
  int full_draws = 0;

  void fault(const std::string& what);

 protected:
  // Each call the plugin makes, in FAR 3's names; the rigs log them.
  virtual void note(const std::string& /*entry*/) {}

 private:
  bool is_plugin(const far3_host::GUID* guid, const char* call);
  panel* panel_of(far3_host::HANDLE handle, int* side);
  std::intptr_t panel_command(panel& target, int side, int command, std::intptr_t param1,
                              void* param2);
  std::intptr_t item_record(const panel& source, int command, std::intptr_t index, void* param2);
  std::string summary(const panel& shown) const;

  host& host_;
  std::vector<far3_dialog*> running_;
  std::mutex notices_mutex_;
  std::deque<void*> notices_;
  std::vector<std::wstring> wide_texts_;
  std::string drawn_[2];
  bool refresh_pending_ = false;
  // The last record was a modifier's press, alone so far.
  unsigned short lone_modifier_ = 0;
};

// The made-up plugin that owns the stand-in plugin panel.
extern const far3_host::GUID plugin_panel_owner;

// A GUID as FAR writes it in texts: upper-case hex in 8-4-4-4-12 groups, no braces.
std::string guid_text(const far3_host::GUID& guid);
bool same_guid(const far3_host::GUID& a, const far3_host::GUID& b);

}  // namespace host_core
