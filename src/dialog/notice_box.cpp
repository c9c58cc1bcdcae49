#include "dialog/notice_box.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "dialog/console_fit.h"
#include "dialog/view_list_dialog.h"
#include "host/message_ids.h"
#include "host/windows_api.h"
#include "plugin/host_api.h"

namespace far_tolvane {

using far_host::FarDialogItem;
using far_host::LONG_PARAM;

namespace {

// X1 is set by the caller: it depends on the item.
FarDialogItem text_item(int type, int y1, const char* text) {
  FarDialogItem item{};
  item.Type = type;
  item.Y1 = y1;
  copy_text(item.Data, text);
  return item;
}

int length(const char* text) { return static_cast<int>(std::strlen(text)); }

// Centred on the columns the host would centre it on (X1 = -1), but placed: FAR 3 clips a
// centred text to the box's width - 10, which cut the longest line.
void centre_text(FarDialogItem& item, int box_width) {
  const int text_length = length(item.Data);
  item.X1 = std::max(0, (box_width - text_length) / 2);
  item.X2 = std::min(item.X1 + text_length, box_width) - 1;
}

}  // namespace

void substitute_kind(const char* format, const char* kind, char (&text)[512]) {
  std::size_t used = 0;
  auto append = [&text, &used](std::string_view piece) {
    const std::size_t taken = std::min(piece.size(), sizeof text - 1 - used);
    std::memcpy(text + used, piece.data(), taken);
    used += taken;
  };
  const char* slot = std::strstr(format, "%s");
  append(slot ? std::string_view(format, static_cast<std::size_t>(slot - format)) : format);
  if (slot) {
    append(kind);
    append(slot + 2);
  }
  text[used] = '\0';
}

bool notice_box::show(bool quick, int title_id) {
  quick_switch = quick;
  const int mx = quick ? 0 : 2;
  const int my = quick ? 0 : 1;
  items[0] = text_item(far_host::DI_DOUBLEBOX, my, GetMsg(title_id));
  items[0].X1 = mx;
  items[1] = text_item(far_host::DI_TEXT, my + 1, GetMsg(far_host::MNoticeLine1));
  items[2] = text_item(far_host::DI_TEXT, my + 2, "");
  substitute_kind(GetMsg(far_host::MNoticeLine2Format),
                  GetMsg(active_slot->shown()->kind_message_id()), items[2].Data);
  const int inner_width =
      std::max({length(items[1].Data), length(items[2].Data), length(items[0].Data) + 2});
  const int box_height = quick ? 4 : 7;
  // A console narrower than the text narrows the box; its rows are all needed and stay.
  const int box_width =
      fit_console({inner_width + 2 * mx + 4, box_height}, {2 * mx + 3, box_height}, quick).width;

  centre_text(items[1], box_width);
  centre_text(items[2], box_width);
  items[0].X2 = box_width - mx - 1;
  items[0].Y2 = box_height - my - 1;
  items[3] = text_item(far_host::DI_BUTTON, box_height - my - 2, GetMsg(far_host::MOk));
  items[3].X1 = -1;
  items[3].Flags = far_host::DIF_CENTERGROUP | (quick ? far_host::DIF_HIDDEN : 0);
  items[3].Focus = 1;
  items[3].DefaultButton = 1;

  host_api.DialogEx(host_api.ModuleNumber, -1, -1, box_width, box_height, nullptr, items, 4, 0,
                    far_host::FDLG_WARNING, notice_box_proc, 0);
  return false;
}

LONG_PARAM FARAPI notice_box_proc(far_host::HANDLE dialog, int message, int param1,
                                  LONG_PARAM param2) {
  notice_box& box = dialog_instance->notice;
  if (message == far_host::DN_INITDIALOG) {
    box.dialog_handle = dialog;
    far_host::COORD centre{-1, -1};
    host_api.SendDlgMessage(dialog, far_host::DM_MOVEDIALOG, 1,
                            reinterpret_cast<LONG_PARAM>(&centre));
    if (!box.quick_switch) {
      far_host::COORD one_row_lower{0, 1};
      host_api.SendDlgMessage(dialog, far_host::DM_MOVEDIALOG, 0,
                              reinterpret_cast<LONG_PARAM>(&one_row_lower));
    }
    return 0;
  }
  // An idle moment, or Ctrl alone: let go by the user, or the list's wake-up tap.
  const bool look_at_ctrl = message == far_host::DN_ENTERIDLE ||
                            (message == far_host::DN_KEY && param2 == far_host::KEY_CTRL);
  if (look_at_ctrl && box.quick_switch && GetKeyState(VK_CONTROL) >= 0)
    host_api.SendDlgMessage(box.dialog_handle, far_host::DM_CLOSE, 0, 0);
  return host_api.DefDlgProc(dialog, message, param1, param2);
}

}  // namespace far_tolvane
