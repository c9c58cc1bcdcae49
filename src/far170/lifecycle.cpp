#include "far170/lifecycle.h"

#include <cstring>

#include "far170/host_api.h"
#include "far170/key_macro_table.h"
#include "host/message_ids.h"
#include "session/session.h"

namespace far_tolvane {
namespace {

bool host_too_old = false;

// A too-old host's table is not taken, but the warning still needs the host's GetMsg and
// Message: they are kept here when the smaller table the host gave does hold them.
struct too_old_warning_ops {
  int module_number = 0;
  far_host::FARAPIGETMSG get_msg = nullptr;
  far_host::FARAPIMESSAGE message = nullptr;
};
too_old_warning_ops warning_ops;

const char* menu_strings[1];

bool table_holds(unsigned size, std::size_t offset, std::size_t field_size) {
  return offset + field_size <= size;
}

void keep_warning_ops(const far_host::PluginStartupInfo& info, unsigned size) {
  using far_host::PluginStartupInfo;
  warning_ops = {};
  if (table_holds(size, offsetof(PluginStartupInfo, GetMsg), sizeof info.GetMsg) &&
      table_holds(size, offsetof(PluginStartupInfo, Message), sizeof info.Message)) {
    warning_ops = {info.ModuleNumber, info.GetMsg, info.Message};
  }
}

// A refused host still names the plugin in its menu when it gave the plugin its GetMsg.
const char* menu_text() {
  if (!host_too_old) return GetMsg(far_host::MMenuEntry);
  return warning_ops.get_msg ? warning_ops.get_msg(warning_ops.module_number, far_host::MMenuEntry)
                             : "";
}

void show_too_old_warning() {
  if (!warning_ops.get_msg || !warning_ops.message) return;
  const char* items[3];
  for (int i = 0; i < 3; ++i) items[i] = warning_ops.get_msg(warning_ops.module_number, i);
  warning_ops.message(warning_ops.module_number, far_host::FMSG_WARNING, nullptr, items, 3, 1);
}

}  // namespace

int get_min_far_version() { return far_host::FAR_VERSION_1_70_BUILD_1282; }

bool is_host_too_old() { return host_too_old; }

void set_startup_info(const far_host::PluginStartupInfo* info) {
  host_too_old = true;
  if (!info) return;
  const auto size = static_cast<unsigned>(info->StructSize);
  if (size < static_cast<unsigned>(far_host::MIN_STARTUP_INFO_SIZE)) {
    keep_warning_ops(*info, size);
    return;
  }
  host_too_old = false;
  std::memcpy(&host_api, info, sizeof host_api);
  host_version_word = 0;
  std::memcpy(&host_standard_functions, info->FSF, sizeof host_standard_functions);
  host_api.FSF = &host_standard_functions;

  write_default_key_macros();
  start_session();
}

void get_plugin_info(far_host::PluginInfo* info) {
  info->StructSize = sizeof(far_host::PluginInfo);
  menu_strings[0] = menu_text();
  info->PluginMenuStrings = menu_strings;
  info->PluginMenuStringsNumber = 1;
}

far_host::HANDLE open_plugin(int, int) {
  if (host_too_old) {
    show_too_old_warning();
    return far_host::invalid_handle;
  }
  // What start-up could not make for want of memory is made at the first opening that can.
  if (!prepare_opening()) return far_host::invalid_handle;
  load_key_macros();
  run_opening();
  return far_host::invalid_handle;
}

void exit_far() {
  key_macro_table.clear();
  end_session();
}

}  // namespace far_tolvane
