// A view of one of the host's file panels: keeps the panel's state and restores it into the
// focused panel.
#pragma once

#include <memory>

#include "binding/panels.h"
#include "views/owned_text.h"
#include "views/selected_names.h"
#include "views/view.h"

namespace far_tolvane {

// Where a panel goes when a view's directory has vanished.
extern const ascii_text<4> fallback_dir;

// What a view keeps of a panel's state.
struct saved_panel_state {
  panel_report panel;
  owned_text dir;
};

class file_panel_view final : public view {
 public:
  // Each gives null, and changes nothing, when memory is short.
  static std::unique_ptr<file_panel_view> capture_active_panel();
  static std::unique_ptr<file_panel_view> capture_passive_panel();
  // Moves the focused panel to fallback_dir first.
  static std::unique_ptr<file_panel_view> create_at_fallback_dir();
  // From the panel last queried.
  static std::unique_ptr<file_panel_view> from_query(const panel_report& report);

  file_panel_view(saved_panel_state&& state, selected_names&& names, bool exists);
  file_panel_view(const file_panel_view&) = delete;
  file_panel_view& operator=(const file_panel_view&) = delete;
  ~file_panel_view() override = default;

  // A failed query, or no memory for the names, keeps the view as it was.
  void refresh_from_active_panel() override;
  void refresh_from_passive_panel() override;
  // From the panel last queried. Keeps a missing view while the panel sits exactly at
  // fallback_dir, where apply sent it.
  void refresh_from(const panel_report& report);

  int kind_message_id() const override;
  const host_char* path() const override;
  const host_char* short_path(int width) const override;
  bool is_special_panel() const override;
  bool exists() const override;
  bool check_exists() override;
  bool apply() const override;
  std::unique_ptr<view> clone() const override;

  const saved_panel_state& saved_panel() const { return state; }
  const selected_names& selection() const { return names; }

 private:
  void refresh_from_panel(which_panel which);

  saved_panel_state state;
  selected_names names;
  bool dir_exists = true;
};

}  // namespace far_tolvane
