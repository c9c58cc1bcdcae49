// A view of one of the host's file panels: captures the panel's whole state and restores it
// into the focused panel.
#pragma once

#include <memory>

#include "host/far_api.h"
#include "views/view.h"

namespace far_tolvane {

// Where a panel goes when a view's directory has vanished.
extern const char fallback_dir[];

// FCTL_GETPANELINFO or FCTL_GETANOTHERPANELINFO. A failed query yields a zeroed record whatever
// the host left in it: a host owes nothing in a record it reports as not filled. `answered`, when
// given, tells whether the host filled the record.
far_host::PanelInfo query_panel(int command, bool* answered = nullptr);

class file_panel_view final : public view {
 public:
  static std::unique_ptr<file_panel_view> capture_active_panel();
  static std::unique_ptr<file_panel_view> capture_passive_panel();
  // Moves the focused panel to fallback_dir first.
  static std::unique_ptr<file_panel_view> create_at_fallback_dir();

  explicit file_panel_view(const far_host::PanelInfo& info);
  file_panel_view(const file_panel_view& source);
  // The item array is owned: a copy is made only by the copy constructor, never assigned.
  file_panel_view& operator=(const file_panel_view&) = delete;
  ~file_panel_view() override;

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

  const far_host::PanelInfo& saved_panel() const { return panel_info; }

 private:
  // Copies the items panel_info points at, with their texts, into `reusable` when they fit it;
  // otherwise frees it for an array of their own size.
  void copy_items(far_host::PluginPanelItem* reusable);
  void free_item_texts();
  void restore_selection() const;

  // PanelItems points at the view's own item array, never at host memory.
  far_host::PanelInfo panel_info;
  // The length of that array; ItemsNumber may be smaller.
  int item_capacity = 0;
  bool dir_exists = true;
};

}  // namespace far_tolvane
