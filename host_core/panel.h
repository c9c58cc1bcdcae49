// One of the host's two panels as plugins see it: a folder's items in the panel's sort order,
// cursor, top item, selection, view and sort modes. A tree, info or quick view panel, or the
// stand-in plugin panel, can cover the folder without losing it. Where the items come from, a
// real folder or a test's list, is the host's.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/far_api.h"
#include "host_core/panel_sort.h"

namespace host_core {

using panel_item = far_host::PluginPanelItem;

// Reads a folder's items in the folder's order into the vector, whose room it may reuse; false,
// leaving the items alone, when it cannot.
using folder_reader = std::function<bool(const std::string& dir, std::vector<panel_item>& items)>;

panel_item make_item(const std::string& name, far_host::DWORD attributes = 0);
bool is_up(const panel_item& item);
bool is_dir(const panel_item& item);

struct item_list {
  std::vector<panel_item> items;
  std::vector<std::uint32_t> order;  // each item's place in the folder as read
  int current = 0;
  int top = 0;

  const panel_item* current_item() const { return items.empty() ? nullptr : &items[current]; }
  // Items given in the folder's order.
  void assign(std::vector<panel_item> fresh);
  // The items just read in place: in the folder's order, the cursor on the first.
  void restart();
};

enum class panel_kind { files, tree, info, quick_view, plugin };

struct tree_line {
  std::string path;
  std::string name;
  int depth;
};

// The item records the host hands out with a panel's PanelInfo; they stay valid until the next
// query, and the plugin may write into them.
struct panel_report {
  std::vector<panel_item> items;
  std::vector<panel_item> selected;
};

// The stand-in plugin panel's folder as its plugin names it, an archive plugin's say: a folder
// inside the archive, the archive on disk, and data of the plugin's own.
struct plugin_folder {
  std::string name;
  std::string file;
  std::string param;
};

class panel {
 public:
  panel_kind kind = panel_kind::files;
  std::string dir;
  std::string drawn_dir;   // the folder the screen shows for the panel
  item_list files;         // the folder, kept while another kind covers it
  item_list plugin_items;  // the stand-in plugin panel's own items
  plugin_folder plugin_dir;
  int view_mode = 2;
  int sort_mode = SM_NAME;
  bool reversed = false;
  far_host::RECT rect{};
  std::vector<tree_line> tree;
  int tree_current = 0;
  int tree_top = 0;
  // Folder reads, what costs a host seconds in a big folder; FAR 3's table counts its sorts.
  int reads = 0;
  int sorts = 0;

  item_list& list() { return kind == panel_kind::plugin ? plugin_items : files; }
  const item_list& list() const { return kind == panel_kind::plugin ? plugin_items : files; }
  bool shows_items() const { return kind == panel_kind::files || kind == panel_kind::plugin; }

  // Reads the folder; false, with nothing changed, when it cannot be read. Going up puts the
  // cursor on the folder just left.
  bool change_dir(const std::string& to, const folder_reader& read);
  // Reads the folder again, keeping the cursor's item and the selection.
  void reread(const folder_reader& read);
  void set_sort(int mode, bool reverse);

  // Name columns of the view mode; 0 for the detailed layout with size, date and time.
  int columns() const;
  int rows() const;
  int visible() const;
  void move_cursor(int to);
  // Any values are taken, then the cursor is kept on the visible page.
  void set_cursor_and_top(int current, int top);

  void select(const std::string& name);
  std::vector<std::string> selected_names() const;

  // An archive in the panel's folder, entered at a folder inside it.
  void open_plugin_panel();
  void close_plugin_panel();
  void build_tree();
  void move_tree_cursor(int to);

  // The panel's record for FCTL_GETPANELINFO and FCTL_GETANOTHERPANELINFO.
  void report(bool focused, bool left, panel_report& records, far_host::PanelInfo& info) const;
  // A panel command of Control that changes the panel: 1 when it was carried out.
  int command(int command, void* param, const folder_reader& read);

 private:
  void keep_cursor_on(const std::string& name);
};

}  // namespace host_core
