#include "dialogs/dialog_window.h"

namespace try_host {

using namespace far_host;

bool dialog_window::look_warning() const { return flags & FDLG_WARNING; }

dialog_look::shown_item dialog_window::look_item(int index) const {
  const FarDialogItem& record = items[index];
  shown_item shown;
  switch (record.Type) {
    case DI_DOUBLEBOX: shown.type = kind::double_box; break;
    case DI_SINGLEBOX: shown.type = kind::single_box; break;
    case DI_TEXT: shown.type = kind::text; break;
    case DI_BUTTON: shown.type = kind::button; break;
    case DI_LISTBOX: shown.type = kind::list; break;
    default: break;
  }
  shown.x1 = record.X1;
  shown.y1 = record.Y1;
  shown.x2 = record.X2;
  shown.y2 = record.Y2;
  shown.hidden = record.Flags & DIF_HIDDEN;
  shown.centre_group = record.Flags & DIF_CENTERGROUP;
  shown.list_framed = !(record.Flags & DIF_LISTNOBOX);
  shown.text = screen_.text(record.Data);
  if (shown.type == kind::button) shown.text = L"[ " + shown.text + L" ]";
  return shown;
}

dialog_look::list_state dialog_window::look_list(int index) const {
  const list_box& box = lists[index];
  list_state shown;
  for (const FarListItem& line : box.lines)
    shown.lines.push_back({screen_.text(line.Text), (line.Flags & LIF_DISABLE) != 0});
  shown.select = box.pos.SelectPos;
  shown.top = box.pos.TopPos;
  return shown;
}

}  // namespace try_host
