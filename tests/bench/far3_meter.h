// The FAR 3 build's host calls, counted by kind, and its time split between the plugin's code and
// the host model's. The plugin is given a copy of FAR 3's table whose every entry is wrapped, as
// are the dialog procedures and the synchro handler it hands back: each crossing reads the clock,
// so the model's share is the time inside its entries less the plugin's code they call back.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <string>

#include "host/far3_api.h"

namespace far3_bench {

enum class call_kind {
  panel_query,       // FCTL_GETPANELINFO
  directory_query,   // FCTL_GETPANELDIRECTORY
  item,              // FCTL_GETPANELITEM, FCTL_GETSELECTEDPANELITEM, FCTL_GETCURRENTPANELITEM
  directory_change,  // FCTL_SETPANELDIRECTORY: a re-read of the folder
  sort,              // FCTL_SETSORTMODE, FCTL_SETSORTORDER: each a re-sort
  selection,         // FCTL_SETSELECTION, FCTL_BEGINSELECTION, FCTL_ENDSELECTION, ...
  dialog_message,    // SendDlgMessage
  other,
};
constexpr std::size_t call_kinds = 8;

struct reading {
  // Net of the meter's own clock reads.
  double plugin_seconds = 0;
  double model_seconds = 0;
  std::array<long long, call_kinds> calls{};
  // The calls of kind `other`, by name.
  std::map<std::string, long long> other_calls;

  long long count(call_kind kind) const { return calls[static_cast<std::size_t>(kind)]; }
};

// The table to give the plugin: `host`'s, metered. Valid until the next call.
const far3_host::PluginStartupInfo& metered_table(const far3_host::PluginStartupInfo& host);
// A synchro handler that runs `handler` as the plugin's code.
std::function<std::intptr_t(const far3_host::ProcessSynchroEventInfo*)> metered_synchro(
    std::intptr_t (*handler)(const far3_host::ProcessSynchroEventInfo*));

// Counting and timing from now on, afresh; nothing is timed until the plugin is called.
void start_reading();
// What was counted since start_reading(). May be called from inside a host entry (a scripted
// event that the model's dialog takes): the time from there until the plugin's next call is
// nobody's.
reading finish_reading();
// Runs an export of the plugin (OpenW) as the plugin's code.
void in_plugin(const std::function<void()>& call);

// Measures what the clock reads cost around an empty entry, to be taken off each reading.
void calibrate();
// That cost, per host call, on the plugin's side and on the model's.
double plugin_overhead_ns();
double model_overhead_ns();

}  // namespace far3_bench
