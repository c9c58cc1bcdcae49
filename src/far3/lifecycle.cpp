#include "far3/lifecycle.h"

#include <algorithm>
#include <cstring>

#include "dialog/view_list_dialog.h"
#include "far3/dialogs.h"
#include "far3/host_api.h"
#include "host/message_ids.h"
#include "session/session.h"

namespace far_tolvane {

namespace {

using far3_host::PluginStartupInfo;

// The build the record layouts were read from; older builds are not known to lay them out so,
// and FAR refuses the plugin with its own message rather than let it misread a record.
constexpr far3_host::VersionInfo min_far_version{3, 0, 0, 6727, far3_host::VS_RELEASE};
constexpr far3_host::VersionInfo plugin_version{TOLVANE_VERSION, far3_host::VS_RELEASE};

bool host_too_old = true;
const wchar_t* menu_strings[1];

// A table shorter than the plugin's lacks slots the plugin calls: only its Message is used, to
// say so.
void show_too_old_warning(const PluginStartupInfo& info) {
  const wchar_t* items[] = {info.GetMsg(&plugin_guid, far_host::MTooOldTitle),
                            info.GetMsg(&plugin_guid, far_host::MTooOldTextFar3),
                            info.GetMsg(&plugin_guid, far_host::MOk)};
  info.Message(&plugin_guid, nullptr, far3_host::FMSG_WARNING, nullptr, items, 3, 1);
}

PluginStartupInfo refused_table{};

}  // namespace

void get_global_info(far3_host::GlobalInfo* info) {
  info->StructSize = sizeof(far3_host::GlobalInfo);
  info->MinFarVersion = min_far_version;
  info->Version = plugin_version;
  info->Guid = plugin_guid;
  info->Title = L"Tolvane";
  info->Description = L"Saved panel views, switched from a list";
  info->Author = L"The Tolvane developers";
}

void set_startup_info(const PluginStartupInfo* info) {
  host_too_old = true;
  if (!info) return;
  // GetMsg and Message sit near the table's start: any FAR 3 table holds them.
  if (info->StructSize < sizeof(PluginStartupInfo) || !info->FSF ||
      info->FSF->StructSize < sizeof(far3_host::FarStandardFunctions)) {
    refused_table = PluginStartupInfo{};
    std::memcpy(&refused_table, info,
                std::min(static_cast<std::size_t>(info->StructSize), sizeof refused_table));
    return;
  }
  host_too_old = false;
  std::memcpy(&host_api, info, sizeof host_api);
  std::memcpy(&host_standard_functions, info->FSF, sizeof host_standard_functions);
  host_api.FSF = &host_standard_functions;
  start_session();
}

// Loaded at every start, so that the two views are taken as FAR starts, as in FAR 1.7x.
void get_plugin_info(far3_host::PluginInfo* info) {
  info->StructSize = sizeof(far3_host::PluginInfo);
  info->Flags = far3_host::PF_PRELOAD;
  menu_strings[0] = host_too_old ? L"Tolvane" : GetMsg(far_host::MMenuEntry);
  info->PluginMenu.Guids = &menu_guid;
  info->PluginMenu.Strings = menu_strings;
  info->PluginMenu.Count = 1;
}

far3_host::HANDLE open(const far3_host::OpenInfo*) {
  if (host_too_old) {
    if (refused_table.GetMsg && refused_table.Message) show_too_old_warning(refused_table);
    return nullptr;
  }
  // What start-up could not make for want of memory is made at the first opening that can.
  if (prepare_opening()) run_opening();
  return nullptr;
}

void exit_far(const far3_host::ExitInfo*) { end_session(); }

// The quick-switch form's wake-up: whichever of the plugin's dialogs waits looks at Ctrl.
// FAR reads no answer.
std::intptr_t process_synchro_event(const far3_host::ProcessSynchroEventInfo* info) {
  if (info && info->Event == far3_host::SE_COMMONSYNCHRO && dialog_instance) {
    if (notice_shown())
      dialog_instance->notice.look_at_ctrl();
    else if (dialog_instance->handle)
      dialog_instance->idle();
  }
  return 0;
}

}  // namespace far_tolvane
