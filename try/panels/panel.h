// One of the host's two panels: a directory listing with cursor, top item, selection, view mode
// and sort mode, which special panels (tree, info, quick view) and the stand-in plugin panel can
// cover without losing it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/far_api.h"

namespace try_host {

// The host's sort modes, numbered as PanelInfo reports them.
enum : int {
  SM_UNSORTED = 1,
  SM_NAME = 2,
  SM_EXT = 3,
  SM_MTIME = 4,
  SM_CTIME = 5,
  SM_ATIME = 6,
  SM_SIZE = 7
};

struct entry {
  std::wstring name;
  std::uint32_t attributes = 0;
  std::uint64_t size = 0, created = 0, accessed = 0, written = 0;  // times as FILETIME values
  int order = 0;  // position in the directory as read, for the unsorted mode
  bool selected = false;

  bool is_dir() const { return attributes & 0x10; }
  bool is_up() const { return name == L".."; }
};

struct file_list {
  std::wstring dir;
  std::vector<entry> entries;
  int current = 0;
  int top = 0;

  const entry* current_entry() const { return entries.empty() ? nullptr : &entries[current]; }
};

enum class panel_kind { files, tree, info, quick_view, plugin };

struct tree_line {
  std::wstring path;
  std::wstring name;
  int depth;
};

class panel {
 public:
  panel_kind kind = panel_kind::files;
  file_list files;         // the directory, kept while another kind covers it
  file_list plugin_items;  // the stand-in plugin panel's own items
  int view_mode = 2;
  int sort_mode = SM_NAME;
  bool reversed = false;
  far_host::RECT rect{};
  std::vector<tree_line> tree;
  int tree_current = 0;
  int tree_top = 0;

  file_list& list() { return kind == panel_kind::plugin ? plugin_items : files; }
  const file_list& list() const { return kind == panel_kind::plugin ? plugin_items : files; }
  bool shows_items() const { return kind == panel_kind::files || kind == panel_kind::plugin; }

  // Reads the directory; false, with nothing changed, when it cannot be read.
  bool change_dir(const std::wstring& dir);
  // Reads the directory again, keeping the cursor's entry and the selection.
  void reread();
  // The same mode again reverses the order, as the host's sort keys do.
  void set_sort_mode(int mode);
  void resort();

  // Name columns of the view mode; 0 for the detailed layout with size, date and time.
  int columns() const;
  int rows() const;
  int visible() const;
  void move_cursor(int to);
  void set_cursor_and_top(int current, int top);

  void open_plugin_panel();
  void close_plugin_panel();
  void build_tree();
  void move_tree_cursor(int to);
};

}  // namespace try_host
