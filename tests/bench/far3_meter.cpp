#include "bench/far3_meter.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <limits>

#include "host_core/far3_entries.h"

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

namespace far3_bench {

using far3_host::FARWINDOWPROC;
using far3_host::GUID;
using far3_host::HANDLE;

namespace {

// A preview of a big folder crosses into the host some 200,000 times: the time-stamp counter
// costs less than half of what the system's clock does a read.
std::uint64_t ticks() {
#if defined(__x86_64__) || defined(__i386__)
  return __rdtsc();
#else
  return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
#endif
}

enum class side { none, plugin, model };

side running = side::none;
std::uint64_t since = 0;
std::uint64_t plugin_ticks = 0;
std::uint64_t model_ticks = 0;
long long host_crossings = 0;
long long plugin_crossings = 0;
reading counted;

double tick_seconds = 0;
double plugin_overhead_ticks = 0;
double model_overhead_ticks = 0;

far3_host::PluginStartupInfo host_table{};
far3_host::FarStandardFunctions host_functions{};
far3_host::PluginStartupInfo plugin_table{};
far3_host::FarStandardFunctions plugin_functions{};
std::map<HANDLE, FARWINDOWPROC> dialog_procs;

// The time since the last switch goes to the side that ran it.
side switch_to(side next) {
  const std::uint64_t now = ticks();
  if (running == side::plugin) plugin_ticks += now - since;
  if (running == side::model) model_ticks += now - since;
  since = now;
  const side was = running;
  running = next;
  return was;
}

void reset() {
  plugin_ticks = model_ticks = 0;
  host_crossings = plugin_crossings = 0;
  counted = reading{};
}

call_kind kind_of(far3_host::FILE_CONTROL_COMMANDS command) {
  switch (command) {
    case far3_host::FCTL_GETPANELINFO: return call_kind::panel_query;
    case far3_host::FCTL_GETPANELDIRECTORY: return call_kind::directory_query;
    case far3_host::FCTL_GETPANELITEM:
    case far3_host::FCTL_GETSELECTEDPANELITEM:
    case far3_host::FCTL_GETCURRENTPANELITEM: return call_kind::item;
    case far3_host::FCTL_SETPANELDIRECTORY: return call_kind::directory_change;
    case far3_host::FCTL_SETSORTMODE:
    case far3_host::FCTL_SETSORTORDER: return call_kind::sort;
    case far3_host::FCTL_SETSELECTION:
    case far3_host::FCTL_BEGINSELECTION:
    case far3_host::FCTL_ENDSELECTION:
    case far3_host::FCTL_CLEARSELECTION: return call_kind::selection;
    default: return call_kind::other;
  }
}

std::string name_of(far3_host::FILE_CONTROL_COMMANDS command) {
  switch (command) {
    case far3_host::FCTL_REDRAWPANEL: return "FCTL_REDRAWPANEL";
    case far3_host::FCTL_UPDATEPANEL: return "FCTL_UPDATEPANEL";
    case far3_host::FCTL_SETVIEWMODE: return "FCTL_SETVIEWMODE";
    case far3_host::FCTL_CHECKPANELSEXIST: return "FCTL_CHECKPANELSEXIST";
    case far3_host::FCTL_ISACTIVEPANEL: return "FCTL_ISACTIVEPANEL";
    default: return "PanelControl " + std::to_string(command);
  }
}

std::string name_of_advanced(far3_host::ADVANCED_CONTROL_COMMANDS command) {
  switch (command) {
    case far3_host::ACTL_GETFARMANAGERVERSION: return "ACTL_GETFARMANAGERVERSION";
    case far3_host::ACTL_GETWINDOWINFO: return "ACTL_GETWINDOWINFO";
    case far3_host::ACTL_REDRAWALL: return "ACTL_REDRAWALL";
    case far3_host::ACTL_SYNCHRO: return "ACTL_SYNCHRO";
    default: return "AdvControl " + std::to_string(command);
  }
}

// One entry of the host's, from the plugin's call to its return; counted on the model's side.
class host_entry {
 public:
  explicit host_entry(call_kind kind) : was_(switch_to(side::model)) {
    ++host_crossings;
    ++counted.calls[static_cast<std::size_t>(kind)];
  }
  explicit host_entry(const std::string& other) : host_entry(call_kind::other) {
    ++counted.other_calls[other];
  }
  ~host_entry() { switch_to(was_); }
  host_entry(const host_entry&) = delete;
  host_entry& operator=(const host_entry&) = delete;

 private:
  side was_;
};

// The plugin's code called by the host (or by the rig, for an export).
class plugin_entry {
 public:
  plugin_entry() : was_(switch_to(side::plugin)) { ++plugin_crossings; }
  ~plugin_entry() { switch_to(was_); }
  plugin_entry(const plugin_entry&) = delete;
  plugin_entry& operator=(const plugin_entry&) = delete;

 private:
  side was_;
};

std::intptr_t FARAPI metered_proc(HANDLE dialog, std::intptr_t msg, std::intptr_t param1,
                                  void* param2) {
  const auto found = dialog_procs.find(dialog);
  if (found == dialog_procs.end()) return 0;
  const FARWINDOWPROC proc = found->second;
  const plugin_entry entry;
  return proc(dialog, msg, param1, param2);
}

// The table's entries, each metered on its way to the host's.
struct metered_entries {
  static const wchar_t* FARAPI get_msg(const GUID* plugin, std::intptr_t id) {
    const host_entry entry("GetMsg");
    return host_table.GetMsg(plugin, id);
  }

  static std::intptr_t FARAPI message(const GUID* plugin, const GUID* id,
                                      far3_host::FARMESSAGEFLAGS flags, const wchar_t* help,
                                      const wchar_t* const* items, std::size_t count,
                                      std::intptr_t buttons) {
    const host_entry entry("Message");
    return host_table.Message(plugin, id, flags, help, items, count, buttons);
  }

  static std::intptr_t FARAPI panel_control(HANDLE panel, far3_host::FILE_CONTROL_COMMANDS command,
                                            std::intptr_t param1, void* param2) {
    const call_kind kind = kind_of(command);
    if (kind == call_kind::other) {
      const host_entry entry(name_of(command));
      return host_table.PanelControl(panel, command, param1, param2);
    }
    const host_entry entry(kind);
    return host_table.PanelControl(panel, command, param1, param2);
  }

  static std::intptr_t FARAPI adv_control(const GUID* plugin,
                                          far3_host::ADVANCED_CONTROL_COMMANDS command,
                                          std::intptr_t param1, void* param2) {
    const host_entry entry(name_of_advanced(command));
    return host_table.AdvControl(plugin, command, param1, param2);
  }

  static HANDLE FARAPI dialog_init(const GUID* plugin, const GUID* id, std::intptr_t x1,
                                   std::intptr_t y1, std::intptr_t x2, std::intptr_t y2,
                                   const wchar_t* help, const far3_host::FarDialogItem* items,
                                   std::size_t count, std::intptr_t reserved,
                                   far3_host::FARDIALOGFLAGS flags, FARWINDOWPROC proc,
                                   void* param) {
    const host_entry entry("DialogInit");
    const HANDLE made =
        host_table.DialogInit(plugin, id, x1, y1, x2, y2, help, items, count, reserved, flags,
                              proc ? metered_proc : nullptr, param);
    if (made != far3_host::invalid_handle && proc) dialog_procs[made] = proc;
    return made;
  }

  static std::intptr_t FARAPI dialog_run(HANDLE dialog) {
    const host_entry entry("DialogRun");
    return host_table.DialogRun(dialog);
  }

  static void FARAPI dialog_free(HANDLE dialog) {
    const host_entry entry("DialogFree");
    host_table.DialogFree(dialog);
    dialog_procs.erase(dialog);
  }

  static std::intptr_t FARAPI send_dlg_message(HANDLE dialog, std::intptr_t msg,
                                               std::intptr_t param1, void* param2) {
    const host_entry entry(call_kind::dialog_message);
    return host_table.SendDlgMessage(dialog, msg, param1, param2);
  }

  static std::intptr_t FARAPI def_dlg_proc(HANDLE dialog, std::intptr_t msg, std::intptr_t param1,
                                           void* param2) {
    const host_entry entry("DefDlgProc");
    return host_table.DefDlgProc(dialog, msg, param1, param2);
  }
};

wchar_t* FARAPI trunc_path_str(wchar_t* text, std::intptr_t max_length) {
  const host_entry entry("TruncPathStr");
  return host_functions.TruncPathStr(text, max_length);
}

std::size_t FARAPI input_record_to_name(const far3_host::INPUT_RECORD* key, wchar_t* text,
                                        std::size_t size) {
  const host_entry entry("FarInputRecordToName");
  return host_functions.FarInputRecordToName(key, text, size);
}

far3_host::BOOL FARAPI name_to_input_record(const wchar_t* name, far3_host::INPUT_RECORD* key) {
  const host_entry entry("FarNameToInputRecord");
  return host_functions.FarNameToInputRecord(name, key);
}

// The stand-in for calibration: an entry that does nothing, called as the plugin calls the
// host's, through a pointer the compiler cannot see through.
std::intptr_t FARAPI empty_entry(std::intptr_t value) { return value; }
std::intptr_t(FARAPI* volatile empty_host)(std::intptr_t) = empty_entry;

std::intptr_t FARAPI metered_empty_entry(std::intptr_t value) {
  const host_entry entry(call_kind::item);
  return empty_host(value);
}
std::intptr_t(FARAPI* volatile metered_empty)(std::intptr_t) = metered_empty_entry;

}  // namespace

const far3_host::PluginStartupInfo& metered_table(const far3_host::PluginStartupInfo& host) {
  host_table = host;
  if (host.FSF) host_functions = *host.FSF;
  plugin_table = host;
  plugin_functions = host_functions;
  plugin_table.FSF = host.FSF ? &plugin_functions : nullptr;
  host_core::set_far3_entries<metered_entries>(plugin_table);
  if (host_functions.TruncPathStr) plugin_functions.TruncPathStr = trunc_path_str;
  if (host_functions.FarInputRecordToName)
    plugin_functions.FarInputRecordToName = input_record_to_name;
  if (host_functions.FarNameToInputRecord)
    plugin_functions.FarNameToInputRecord = name_to_input_record;
  return plugin_table;
}

std::function<std::intptr_t(const far3_host::ProcessSynchroEventInfo*)> metered_synchro(
    std::intptr_t (*handler)(const far3_host::ProcessSynchroEventInfo*)) {
  return [handler](const far3_host::ProcessSynchroEventInfo* info) {
    const plugin_entry entry;
    return handler(info);
  };
}

void start_reading() {
  switch_to(side::none);
  reset();
}

reading finish_reading() {
  switch_to(side::none);
  reading result = counted;
  const auto hosts = static_cast<double>(host_crossings);
  const auto plugins = static_cast<double>(plugin_crossings);
  // A crossing into the plugin costs each side what a crossing into the host costs the other.
  const double plugin = static_cast<double>(plugin_ticks) - hosts * plugin_overhead_ticks -
                        plugins * model_overhead_ticks;
  const double model = static_cast<double>(model_ticks) - hosts * model_overhead_ticks -
                       plugins * plugin_overhead_ticks;
  result.plugin_seconds = std::max(plugin, 0.0) * tick_seconds;
  result.model_seconds = std::max(model, 0.0) * tick_seconds;
  reset();
  return result;
}

void in_plugin(const std::function<void()>& call) {
  const plugin_entry entry;
  call();
}

void calibrate() {
  using clock = std::chrono::steady_clock;
  const clock::time_point begun = clock::now();
  const std::uint64_t first = ticks();
  while (clock::now() - begun < std::chrono::milliseconds(50)) {
  }
  const double elapsed = std::chrono::duration<double>(clock::now() - begun).count();
  tick_seconds = elapsed / static_cast<double>(ticks() - first);

  // The least of several rounds: what the reads cost at best, so that the plugin's time is
  // overstated rather than understated when the machine is busy.
  constexpr int calls = 200000;
  double plugin_best = std::numeric_limits<double>::max();
  double model_best = plugin_best;
  double bare_best = plugin_best;
  for (int round = 0; round < 9; ++round) {
    start_reading();
    switch_to(side::plugin);
    for (int i = 0; i < calls; ++i) metered_empty(i);
    switch_to(side::none);
    plugin_best = std::min(plugin_best, static_cast<double>(plugin_ticks) / calls);
    model_best = std::min(model_best, static_cast<double>(model_ticks) / calls);
    const std::uint64_t bare_start = ticks();
    for (int i = 0; i < calls; ++i) empty_host(i);
    bare_best = std::min(bare_best, static_cast<double>(ticks() - bare_start) / calls);
  }
  reset();
  // The bare call is the plugin's own in any host.
  plugin_overhead_ticks = std::max(plugin_best - bare_best, 0.0);
  model_overhead_ticks = model_best;
}

double plugin_overhead_ns() { return plugin_overhead_ticks * tick_seconds * 1e9; }
double model_overhead_ns() { return model_overhead_ticks * tick_seconds * 1e9; }

}  // namespace far3_bench
