// The host's keys in the panels.
#include <algorithm>

#include "app/host_app.h"
#include "dialogs/menu_window.h"
#include "host_core/paths.h"

namespace try_host {

using namespace far_host;
using host_core::panel;
using host_core::panel_kind;

namespace {

constexpr key_code key_f11 = KEY_F1 + 10;

// Terminals seldom send Ctrl with a digit, so Alt with a digit chooses the view mode too.
int view_mode_key(key_code key) {
  const key_code base = key & 0xFFFF;
  if (base < '0' || base > '9') return -1;
  if ((key & ~0xFFFFu) == KEY_CTRL || (key & ~0xFFFFu) == KEY_ALT)
    return static_cast<int>(base - '0');
  return -1;
}

int sort_mode_key(key_code key) {
  using namespace host_core;
  switch (key) {
    case KEY_CTRL | KEY_F3: return SM_NAME;
    case KEY_CTRL | KEY_F4: return SM_EXT;
    case KEY_CTRL | KEY_F5: return SM_MTIME;
    case KEY_CTRL | (KEY_F5 + 1): return SM_SIZE;
    case KEY_CTRL | (KEY_F5 + 2): return SM_UNSORTED;
    case KEY_CTRL | (KEY_F5 + 3): return SM_CTIME;
    case KEY_CTRL | (KEY_F5 + 4): return SM_ATIME;
    default: return 0;
  }
}

}  // namespace

void host_app::go_up(panel& target) {
  if (target.kind == panel_kind::plugin) {
    target.close_plugin_panel();
    return;
  }
  const std::string parent = host_core::parent_dir(target.dir);
  if (!parent.empty()) change_dir(target, parent);
}

void host_app::panel_key(key_code key) {
  panel& focused = panels[active];
  switch (key) {
    case KEY_F10: quitting_ = true; return;
    case KEY_TAB: active = 1 - active; return;
    case KEY_F1: show_help("Contents"); return;
    case key_f11: plugins_menu(); return;
    case KEY_CTRL | 'T': toggle_special(panel_kind::tree); return;
    case KEY_CTRL | 'L': toggle_special(panel_kind::info); return;
    case KEY_CTRL | 'Q': toggle_special(panel_kind::quick_view); return;
    default: break;
  }
  if (focused.shows_items())
    file_panel_key(focused, key);
  else if (focused.kind == panel_kind::tree)
    tree_panel_key(focused, key);
}

void host_app::file_panel_key(panel& target, key_code key) {
  host_core::item_list& list = target.list();
  const int current = list.current;
  const int last = static_cast<int>(list.items.size()) - 1;
  host_core::panel_item* item = list.items.empty() ? nullptr : &list.items[current];
  switch (key) {
    case KEY_UP: target.move_cursor(current - 1); return;
    case KEY_DOWN: target.move_cursor(current + 1); return;
    case KEY_HOME: target.move_cursor(0); return;
    case KEY_END: target.move_cursor(last); return;
    case KEY_PGUP: target.move_cursor(current - target.visible()); return;
    case KEY_PGDN: target.move_cursor(current + target.visible()); return;
    case KEY_LEFT: target.move_cursor(current - target.rows()); return;
    case KEY_RIGHT: target.move_cursor(current + target.rows()); return;
    case KEY_INS:
    case KEY_SHIFT | KEY_DOWN:
    case KEY_SHIFT | KEY_UP:
      if (item && !host_core::is_up(*item)) item->Flags ^= PPIF_SELECTED;
      target.move_cursor(current + (key == (KEY_SHIFT | KEY_UP) ? -1 : 1));
      return;
    case KEY_ENTER:
    case KEY_CTRL | KEY_PGDN:
      if (item && host_core::is_up(*item))
        go_up(target);
      else if (item && host_core::is_dir(*item) && target.kind == panel_kind::files)
        change_dir(target, host_core::join_path(target.dir, item->FindData.cFileName));
      return;
    case 0x08:
    case KEY_CTRL | KEY_PGUP: go_up(target); return;
    case KEY_CTRL | 'R': reread(target); return;
    default: break;
  }
  if (const int view_mode = view_mode_key(key); view_mode >= 0) {
    target.view_mode = view_mode;
    target.move_cursor(current);
  } else if (const int sort_mode = sort_mode_key(key)) {
    // The same mode again reverses the order.
    target.set_sort(sort_mode, sort_mode == target.sort_mode && !target.reversed);
  }
}

void host_app::tree_panel_key(panel& target, key_code key) {
  const int current = target.tree_current;
  const int page = target.rows();
  switch (key) {
    case KEY_UP: target.move_tree_cursor(current - 1); break;
    case KEY_DOWN: target.move_tree_cursor(current + 1); break;
    case KEY_HOME: target.move_tree_cursor(0); break;
    case KEY_END: target.move_tree_cursor(static_cast<int>(target.tree.size()) - 1); break;
    case KEY_PGUP: target.move_tree_cursor(current - page); break;
    case KEY_PGDN: target.move_tree_cursor(current + page); break;
    case KEY_ENTER:
      if (!target.tree.empty()) change_dir(target, target.tree[current].path);
      break;
    default: break;
  }
}

// The special panels cover the passive panel, and the same key uncovers it again.
void host_app::toggle_special(panel_kind kind) {
  for (panel& side : panels)
    if (side.kind == kind) {
      side.kind = panel_kind::files;
      return;
    }
  panel& passive = panels[1 - active];
  if (passive.kind == panel_kind::plugin) passive.close_plugin_panel();
  passive.kind = kind;
  if (kind == panel_kind::tree) passive.build_tree();
}

std::vector<std::wstring> host_app::plugin_menu_strings() {
  std::vector<std::wstring> items;
  if (!plugin_.loaded()) return items;
  if (!far3_) {
    for (const auto& text : plugin_.menu_strings()) items.push_back(this->text(text));
    return items;
  }
  far3_info_ = far3_host::PluginInfo{};
  far3_info_.StructSize = sizeof far3_info_;
  plugin_.get_plugin_info(far3_info_);
  const far3_host::PluginMenuItem& menu = far3_info_.PluginMenu;
  for (std::size_t i = 0; i < menu.Count; ++i)
    items.emplace_back(menu.Strings && menu.Strings[i] ? menu.Strings[i] : L"");
  return items;
}

void host_app::open_plugin(int item) {
  if (!far3_) {
    plugin_.open(host_core::open_from_plugins_menu, item);
    return;
  }
  // The menu item's GUID, as FAR 3 passes it; the panels wait for input before and after.
  far3_->panels_wait();
  const far3_host::OpenInfo info{sizeof info, far3_host::OPEN_PLUGINSMENU,
                                 far3_info_.PluginMenu.Guids + item, 0, nullptr};
  plugin_.open(info);
}

void host_app::plugins_menu() {
  std::vector<std::wstring> items = plugin_menu_strings();
  const int plugin_items = static_cast<int>(items.size());
  items.push_back(L"Plugin panel (the host's stand-in)");
  menu_window menu(*this, L"Plugin commands", items);
  open_window(&menu);
  const int chosen = menu.run();
  close_window(&menu);
  if (chosen < 0) return;
  if (chosen < plugin_items)
    open_plugin(chosen);
  else
    panels[active].open_plugin_panel();
}

}  // namespace try_host
