// The list's key handling: what each key does, and how quick switch ends.
#include "binding/keys.h"
#include "dialog/reported_keys.h"
#include "dialog/typed_ahead.h"
#include "dialog/view_list_dialog.h"
#include "host/message_ids.h"
#include "host/windows_api.h"

namespace far_tolvane {

using far_host::key_code;

namespace {

bool ctrl_held() { return GetKeyState(VK_CONTROL) < 0; }

// Quick switching relies on reading the Ctrl key's state, which only the NT family reports
// reliably inside a console.
bool on_nt_family() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  return version.dwPlatformId != VER_PLATFORM_WIN32s &&
         version.dwPlatformId != VER_PLATFORM_WIN32_WINDOWS;
}

}  // namespace

void view_list_dialog_impl::closing(int code) {
  if (code < 0) restore_active_view();
  // A panel in no view's state must not have its slot's view taken from it at the next opening.
  active_slot->set_in_step(list.applied_view == active_slot->shown());
  // No wake-up may reach the panels after the list.
  stop_ctrl_watch();
  handle = nullptr;
  post_remaining_keys();
}

bool view_list_dialog_impl::reported_key(key_code reported) {
  const key_code key = table_key(reported);
  // Ctrl alone: let go by the user, or a wake-up's tap.
  if (key == far_host::KEY_CTRL && quick_switch) {
    poll_ctrl();
    return true;
  }
  return take_key(key);
}

bool view_list_dialog_impl::idle() {
  if (!quick_switch) return false;
  poll_ctrl();
  return true;
}

bool view_list_dialog_impl::take_key(key_code key) {
  const bool handled = play_key(key, handle_key_callback, this);
  if (list.preview_deferred && handle && !cursor_step_waiting()) preview_cursor_view();
  return handled;
}

// A macro's keys come as its sequence names them; they are named as pressed keys are, so that
// a NumPad key or Ctrl+` in a sequence acts as typed. A pressed key is named so already.
bool handle_key_callback(void* context, key_code key) {
  return static_cast<view_list_dialog_impl*>(context)->handle_key(table_key(key));
}

bool view_list_dialog_impl::handle_key(key_code key) {
  using namespace far_host;
  const key_code effective = quick_switch ? key & ~KEY_CTRL : key;
  const bool locked = active_slot->shown()->is_special_panel();
  auto walk = [&](void (view_list::*command)()) {
    if (locked)
      refuse(MNoticeCursor);
    else
      (list.*command)();
  };

  if (effective == KEY_ENTER) {
    commit_switch();
  } else if (key == (KEY_CTRL | KEY_ENTER)) {
    fixed_order = !fixed_order;
    commit_switch();
  } else if (effective == KEY_ESC || effective == KEY_F10 ||
             (key == KEY_KILLFOCUS && quick_switch)) {
    restore_active_view();
    close();
  } else if (effective == KEY_DOWN || effective == KEY_MSWHEEL_DOWN ||
             key == (KEY_CTRL | KEY_TILDE)) {
    walk(&view_list::cursor_down);
  } else if (effective == KEY_UP || effective == KEY_MSWHEEL_UP ||
             key == (KEY_CTRL | KEY_SHIFT | KEY_TILDE)) {
    walk(&view_list::cursor_up);
  } else if (effective == KEY_HOME) {
    walk(&view_list::cursor_home);
  } else if (effective == KEY_END) {
    walk(&view_list::cursor_end);
  } else if (effective == KEY_PGUP) {
    walk(&view_list::page_up);
  } else if (effective == KEY_PGDN) {
    walk(&view_list::page_down);
  } else if (effective == (KEY_CTRL | KEY_UP)) {
    list.move_view_up();
  } else if (effective == (KEY_CTRL | KEY_DOWN)) {
    list.move_view_down();
  } else if (effective == (KEY_CTRL | KEY_HOME)) {
    list.move_view_to_top();
  } else if (effective == (KEY_CTRL | KEY_END)) {
    list.move_view_to_bottom();
  } else if (key == (KEY_CTRL | KEY_SHIFT | KEY_F4)) {
    if (locked)
      refuse(MNoticeNew);
    else
      list.new_view_command();
  } else if (key == (KEY_CTRL | KEY_F3)) {
    if (locked)
      refuse(MNoticeClone);
    else
      list.clone_view_command();
  } else if (key == (KEY_CTRL | KEY_F4) || effective == KEY_DEL || key == (KEY_CTRL | KEY_DEL)) {
    list.delete_view_command();
  } else if (key == (KEY_CTRL | KEY_SHIFT | KEY_F5)) {
    list.renumber_command();
  } else if (key == (KEY_CTRL | 'F')) {
    fixed_order = !fixed_order;
    relayout();
  } else if (key == (KEY_CTRL | 'Q')) {
    if (on_nt_family()) {
      quick_switch = !quick_switch;
      relayout();
      if (quick_switch)
        start_ctrl_watch();
      else
        stop_ctrl_watch();
    }
  } else if (key == (KEY_CTRL | 'R')) {
    list.refresh_command();
  } else {
    return false;
  }
  return true;
}

void view_list_dialog_impl::preview_cursor_view() {
  list.preview_deferred = false;
  view* under_cursor = *list.cursor_node;
  if (under_cursor != list.applied_view) list.apply_view(under_cursor);
}

// When the host will not take the panel back into its own view's folder, the slot names the
// view the panel is still in.
void view_list_dialog_impl::restore_active_view() {
  list.preview_deferred = false;
  view* own = active_slot->shown();
  if (own == list.applied_view) return;
  if (own->apply())
    list.applied_view = own;
  else if (list.applied_view)
    switch_to_view(find_view(view_order, list.applied_view), true);
}

// A view whose folder the host refused is not switched to: the panel stays in the view it is in,
// and that one is committed.
void view_list_dialog_impl::commit_switch() {
  preview_cursor_view();
  if (list.applied_view && list.applied_view != *list.cursor_node)
    list.cursor_node = find_view(view_order, list.applied_view);
  list.cursor_node = switch_to_view(list.cursor_node, fixed_order);
  close();
}

void view_list_dialog_impl::poll_ctrl() {
  if (!ctrl_held()) commit_switch();
}

void view_list_dialog_impl::refuse(int title_id) {
  notice.show(quick_switch, title_id);
  if (quick_switch) close();
}

// Every close of the dialog's own making passes 0, so DN_CLOSE, which the host sends from
// inside DM_CLOSE, never restores for it.
void view_list_dialog_impl::close() { close_dialog(handle); }

}  // namespace far_tolvane
