#include "views/file_panel_view.h"

#include <new>

#include "binding/texts.h"
#include "host/message_ids.h"

namespace far_tolvane {

const ascii_text<4> fallback_dir("C:\\");

namespace {

std::unique_ptr<file_panel_view> build(saved_panel_state&& state, selected_names&& names,
                                       bool exists) {
  return std::unique_ptr<file_panel_view>(
      new (std::nothrow) file_panel_view(std::move(state), std::move(names), exists));
}

// The panel last queried, or nothing when memory is short.
bool take_queried(const panel_report& report, saved_panel_state& state, selected_names& names) {
  host_text dir;
  if (!queried_dir(dir) || !take_selected_names(names) || !state.dir.assign(dir)) return false;
  state.panel = report;
  return true;
}

std::unique_ptr<file_panel_view> capture(which_panel which) {
  panel_report report;
  query_panel(which, report);
  return file_panel_view::from_query(report);
}

}  // namespace

std::unique_ptr<file_panel_view> file_panel_view::capture_active_panel() {
  return capture(which_panel::focused);
}

std::unique_ptr<file_panel_view> file_panel_view::capture_passive_panel() {
  return capture(which_panel::other);
}

std::unique_ptr<file_panel_view> file_panel_view::create_at_fallback_dir() {
  set_focused_dir(fallback_dir.c_str());
  return capture_active_panel();
}

std::unique_ptr<file_panel_view> file_panel_view::from_query(const panel_report& report) {
  saved_panel_state state;
  selected_names names;
  if (!take_queried(report, state, names)) return nullptr;
  return build(std::move(state), std::move(names), true);
}

file_panel_view::file_panel_view(saved_panel_state&& saved, selected_names&& selected, bool exists)
    : state(std::move(saved)), names(std::move(selected)), dir_exists(exists) {}

void file_panel_view::refresh_from_active_panel() { refresh_from_panel(which_panel::focused); }

void file_panel_view::refresh_from_passive_panel() { refresh_from_panel(which_panel::other); }

void file_panel_view::refresh_from_panel(which_panel which) {
  panel_report report;
  if (query_panel(which, report)) refresh_from(report);
}

void file_panel_view::refresh_from(const panel_report& report) {
  host_text dir;
  if (!exists() && queried_dir(dir) && dir == host_text(fallback_dir.c_str())) return;
  saved_panel_state fresh_state;
  selected_names fresh_names;
  if (!take_queried(report, fresh_state, fresh_names)) return;
  state = std::move(fresh_state);
  names = std::move(fresh_names);
  dir_exists = true;
}

int file_panel_view::kind_message_id() const {
  if (state.panel.plugin) return far_host::MKindPlugin;
  switch (state.panel.type) {
    case panel_type_files: return far_host::MKindFile;
    case panel_type_tree: return far_host::MKindTree;
    case panel_type_quick_view: return far_host::MKindQuickView;
    case panel_type_info: return far_host::MKindInfo;
    default: return far_host::MKindOther;
  }
}

const host_char* file_panel_view::path() const { return state.dir.c_str(); }

const host_char* file_panel_view::short_path(int width) const {
  return shorten_path(state.dir.c_str(), width);
}

bool file_panel_view::is_special_panel() const {
  return state.panel.plugin || state.panel.type != panel_type_files;
}

bool file_panel_view::exists() const { return dir_exists; }

bool file_panel_view::check_exists() {
  dir_exists = directory_exists(state.dir.c_str());
  return dir_exists;
}

bool file_panel_view::apply() const { return apply_panel(state, names, exists()); }

std::unique_ptr<view> file_panel_view::clone() const {
  saved_panel_state copy;
  selected_names copied_names;
  if (!copy.dir.assign(state.dir.view()) || !copied_names.copy_from(names)) return nullptr;
  copy.panel = state.panel;
  return build(std::move(copy), std::move(copied_names), dir_exists);
}

}  // namespace far_tolvane
