// A view of one of the host's file panels: keeps the panel's state and restores it into the
// focused panel.
#pragma once

#include <memory>

#include "host/far_api.h"
#include "views/selected_names.h"
#include "views/view.h"

namespace far_tolvane {

// Where a panel goes when a view's directory has vanished.
extern const char fallback_dir[];

// FCTL_GETPANELINFO or FCTL_GETANOTHERPANELINFO. A failed query yields a zeroed record whatever
// the host left in it: a host owes nothing in a record it reports as not filled. `answered`, when
// given, tells whether the host filled the record.
far_host::PanelInfo query_panel(int command, bool* answered = nullptr);

// The fields of the host's panel record that a view reads back.
struct saved_panel_state {
  int PanelType = 0;
  int Plugin = 0;
  int CurrentItem = 0;
  int TopPanelItem = 0;
  int ViewMode = 0;
  int SortMode = 0;
  far_host::DWORD Flags = 0;
  char CurDir[far_host::NM] = {};
};

class file_panel_view final : public view {
 public:
  // Each gives null, and changes nothing, when memory is short.
  static std::unique_ptr<file_panel_view> capture_active_panel();
  static std::unique_ptr<file_panel_view> capture_passive_panel();
  // Moves the focused panel to fallback_dir first.
  static std::unique_ptr<file_panel_view> create_at_fallback_dir();
  static std::unique_ptr<file_panel_view> from_record(const far_host::PanelInfo& info);

  file_panel_view(const saved_panel_state& state, selected_names&& names, bool exists);
  file_panel_view(const file_panel_view&) = delete;
  file_panel_view& operator=(const file_panel_view&) = delete;
  ~file_panel_view() override = default;

  // A failed query, or no memory for the names, keeps the view as it was.
  void refresh_from_active_panel() override;
  void refresh_from_passive_panel() override;
  // Keeps a missing view while the panel sits exactly at fallback_dir, where apply sent it.
  void refresh_from(const far_host::PanelInfo& info);

  int kind_message_id() const override;
  const char* path() const override;
  const char* short_path(int width) const override;
  bool is_special_panel() const override;
  bool exists() const override;
  bool check_exists() override;
  void apply() const override;
  std::unique_ptr<view> clone() const override;

  const saved_panel_state& saved_panel() const { return panel; }
  const selected_names& selection() const { return names; }

 private:
  void restore_selection() const;

  saved_panel_state panel;
  selected_names names;
  bool dir_exists = true;
};

}  // namespace far_tolvane
