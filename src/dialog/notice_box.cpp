#include "dialog/notice_box.h"

#include <algorithm>

#include "binding/texts.h"
#include "dialog/console_fit.h"
#include "dialog/view_list_dialog.h"
#include "host/message_ids.h"
#include "host/windows_api.h"

namespace far_tolvane {

namespace {

// X1 is set by the caller: it depends on the item.
dialog_item text_item(item_kind kind, int y1, const host_char* text) {
  dialog_item item;
  item.kind = kind;
  item.y1 = y1;
  item.text = text;
  return item;
}

// The 1.70 host's items hold 511 characters; no box is laid out for more.
int length(const host_char* text) {
  return static_cast<int>(std::min(text_length(text), std::size_t{511}));
}

// Centred on the columns the host would centre it on (X1 = -1), but placed: FAR 3 clips a
// centred text to the box's width - 10, which cut the longest line.
void centre_text(dialog_item& item, int box_width) {
  const int text_length = length(item.text);
  item.x1 = std::max(0, (box_width - text_length) / 2);
  item.x2 = std::min(item.x1 + text_length, box_width) - 1;
}

}  // namespace

void substitute_kind(const host_char* format, const host_char* kind, host_char (&text)[512]) {
  std::size_t used = 0;
  auto append = [&text, &used](host_text piece) {
    const std::size_t taken = std::min(piece.size(), sizeof text / sizeof *text - 1 - used);
    std::copy(piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(taken), text + used);
    used += taken;
  };
  const host_text whole(format);
  const std::size_t slot = whole.find(ascii_text<3>("%s").c_str());
  if (slot == host_text::npos) {
    append(whole);
  } else {
    append(host_text(format, slot));
    append(kind);
    append(format + slot + 2);
  }
  text[used] = 0;
}

bool notice_box::show(bool quick, int title_id) {
  quick_switch = quick;
  const int mx = quick ? 0 : 2;
  const int my = quick ? 0 : 1;
  substitute_kind(GetMsg(far_host::MNoticeLine2Format),
                  GetMsg(active_slot->shown()->kind_message_id()), kind_line);
  items[0] = text_item(item_kind::double_box, my, GetMsg(title_id));
  items[0].x1 = mx;
  items[1] = text_item(item_kind::text, my + 1, GetMsg(far_host::MNoticeLine1));
  items[2] = text_item(item_kind::text, my + 2, kind_line);
  const int inner_width =
      std::max({length(items[1].text), length(items[2].text), length(items[0].text) + 2});
  const int box_height = quick ? 4 : 7;
  // A console narrower than the text narrows the box; its rows are all needed and stay.
  const int box_width =
      fit_console({inner_width + 2 * mx + 4, box_height}, {2 * mx + 3, box_height}, quick).width;

  centre_text(items[1], box_width);
  centre_text(items[2], box_width);
  items[0].x2 = box_width - mx - 1;
  items[0].y2 = box_height - my - 1;
  items[3] = text_item(item_kind::button, box_height - my - 2, GetMsg(far_host::MOk));
  items[3].x1 = -1;
  items[3].hidden = quick;
  items[3].default_button = true;

  run_notice_dialog(box_width, box_height, items);
  return false;
}

void notice_box::init_dialog(dialog_handle dialog) {
  handle = dialog;
  centre_dialog(dialog);
  if (!quick_switch) move_dialog_by(dialog, 0, 1);
}

void notice_box::look_at_ctrl() const {
  if (quick_switch && GetKeyState(VK_CONTROL) >= 0) close_dialog(handle);
}

}  // namespace far_tolvane
