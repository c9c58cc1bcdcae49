// The view list dialog: one framed list line per view, the plugin's only window.
#pragma once

#include <memory>

#include "binding/dialogs.h"
#include "dialog/notice_box.h"
#include "host/key_codes.h"
#include "slots/view_registry.h"

namespace far_tolvane {

class view_list_dialog {
 public:
  virtual int run() = 0;
  virtual ~view_list_dialog() = default;
};

class view_list_dialog_impl;

// The list state and every command that changes it.
class view_list {
 public:
  explicit view_list(view_list_dialog_impl* dialog);

  void measure(int& width, int& count);
  // Room for `count` lines, all of which fill writes afresh; false when memory is short.
  bool reserve_lines(int count);
  void fill(view_position cursor, int select_pos, int top_pos);
  void list_window_top(list_pos& pos) const;
  void set_list_pos(int select_pos) const;

  void refresh_command();
  void new_view_command();
  void clone_view_command();
  void delete_view_command();
  void relayout_and_apply(list_pos pos);
  // Applies the view to the focused panel under the open list; applied_view follows unless the
  // host refused the view's folder.
  void apply_view(view* wanted);
  // False when the view could not be had; the list is then as it was. Its line's room is made
  // before.
  bool add_view_command(view_position (*make)(view_position));

  void cursor_down();
  void cursor_up();
  void cursor_home();
  void cursor_end();
  void page_up();
  void page_down();
  void move_view_up();
  void move_view_down();
  void move_view_to_top();
  void move_view_to_bottom();
  void renumber_command();

  int line_count = 0;
  int line_capacity = 0;
  std::unique_ptr<list_line[]> lines;
  view_list_dialog_impl* owner;
  view_position cursor_node;
  // The view whose state the focused panel is in; null when it is in none, as when that view
  // was deleted and the host would not enter the next one. Not owned.
  view* applied_view = nullptr;
  // A cursor step skipped its preview because another key was already waiting.
  bool preview_deferred = false;
  int widest_name = 0;

 private:
  list_pos current_pos() const;
  bool room_for_one_more();
  void step_next(list_pos& pos);
  void step_previous(list_pos& pos);
  void present_cursor(list_pos pos);
  void finish_reorder(list_pos pos, view_position target, int select_pos);
  int list_height() const;
};

class view_list_dialog_impl final : public view_list_dialog {
 public:
  view_list_dialog_impl();
  view_list_dialog_impl(const view_list_dialog_impl&) = delete;
  view_list_dialog_impl& operator=(const view_list_dialog_impl&) = delete;
  ~view_list_dialog_impl() override;
  int run() override;

  void layout(view_position cursor, int select_pos, int top_pos);
  void relayout();

  // What the host's notifications come to, from the binding's dialog procedure.
  void init_dialog(dialog_handle handle);
  // A close with a negative code is the host's own: the panel gets its view back.
  void closing(int code);
  // A key as the host reports it (a NumPad key, Ctrl with '`'); false leaves it to the host.
  bool reported_key(far_host::key_code key);
  // The dialog waits, or a Ctrl key went up: in quick switch, Ctrl is looked at.
  bool idle();

  // A key, or its key macro, through handle_key; then the preview that typing ahead put off.
  bool take_key(far_host::key_code key);
  bool handle_key(far_host::key_code key);
  void preview_cursor_view();
  void restore_active_view();
  void commit_switch();
  // Quick switch ends with a commit once Ctrl is found up.
  void poll_ctrl();

  int width = 0;
  int height = 0;
  dialog_item items[3];
  dialog_handle handle = nullptr;
  view_list list;
  notice_box notice;
  bool quick_switch = false;

 private:
  void refuse(int title_id);
  void close();
};

extern std::unique_ptr<view_list_dialog_impl> dialog_instance;

void create_view_list_dialog();
void destroy_view_list_dialog();

bool handle_key_callback(void* context, far_host::key_code key);

// Digits of the number column: those of the largest view number.
int number_column_width();

}  // namespace far_tolvane
