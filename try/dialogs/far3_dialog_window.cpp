#include "dialogs/far3_dialog_window.h"

#include "host/far3_api.h"
#include "host_core/unicode.h"

namespace try_host {

namespace far3 = far3_host;

void far3_dialog_window::draw(frame& screen) const {
  // Nothing shows before DN_INITDIALOG has had its say, nor after the close.
  if (shown_.initialised && !shown_.closed) draw_dialog(screen, *this);
}

bool far3_dialog_window::look_warning() const { return shown_.flags & far3::FDLG_WARNING; }

dialog_look::shown_item far3_dialog_window::look_item(int index) const {
  const host_core::far3_item& held = shown_.items[static_cast<std::size_t>(index)];
  const far3::FarDialogItem& record = held.record;
  shown_item shown;
  switch (record.Type) {
    case far3::DI_DOUBLEBOX: shown.type = kind::double_box; break;
    case far3::DI_SINGLEBOX: shown.type = kind::single_box; break;
    case far3::DI_TEXT: shown.type = kind::text; break;
    case far3::DI_BUTTON: shown.type = kind::button; break;
    case far3::DI_LISTBOX: shown.type = kind::list; break;
    default: break;
  }
  shown.x1 = static_cast<int>(record.X1);
  shown.y1 = static_cast<int>(record.Y1);
  shown.x2 = static_cast<int>(record.X2);
  shown.y2 = static_cast<int>(record.Y2);
  shown.hidden = record.Flags & far3::DIF_HIDDEN;
  shown.centre_group = record.Flags & far3::DIF_CENTERGROUP;
  shown.list_framed = !(record.Flags & far3::DIF_LISTNOBOX);
  // A text as FAR 3 clips it for its placing; a default button in braces.
  shown.text = shown.type == kind::text ? host_core::wide_of(shown_.shown_text(index)) : held.text;
  if (shown.type == kind::button && !(record.Flags & far3::DIF_NOBRACKETS))
    shown.text = (record.Flags & far3::DIF_DEFAULTBUTTON) ? L"{ " + shown.text + L" }"
                                                          : L"[ " + shown.text + L" ]";
  return shown;
}

dialog_look::list_state far3_dialog_window::look_list(int index) const {
  const host_core::far3_item& box = shown_.items[static_cast<std::size_t>(index)];
  list_state shown;
  for (const host_core::far3_list_line& line : box.lines)
    shown.lines.push_back({line.text, (line.flags & far3::LIF_DISABLE) != 0});
  shown.select = static_cast<int>(box.pos.SelectPos);
  shown.top = static_cast<int>(box.pos.TopPos);
  return shown;
}

}  // namespace try_host
