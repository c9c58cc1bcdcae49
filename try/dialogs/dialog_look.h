// What drawing needs of a dialog, whichever API made it: FAR 1.7x's records with their texts in
// the plugin's code page, or FAR 3's with whole Unicode texts. One drawing serves both.
#pragma once

#include <string>
#include <vector>

#include "console/frame.h"

namespace try_host {

class dialog_look {
 public:
  enum class kind { double_box, single_box, text, button, list, other };
  struct shown_item {
    kind type = kind::other;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // from the dialog's corner; x1 < 0 centres a text
    bool hidden = false;
    bool centre_group = false;
    bool list_framed = false;  // a list box that draws its own frame
    std::wstring text;         // as shown: a button's with its brackets
  };
  struct shown_line {
    std::wstring text;
    bool disabled = false;
  };
  struct list_state {
    std::vector<shown_line> lines;
    int select = 0, top = 0;
  };

  virtual ~dialog_look() = default;
  virtual int look_x() const = 0;
  virtual int look_y() const = 0;
  virtual int look_width() const = 0;
  virtual int look_height() const = 0;
  virtual bool look_warning() const = 0;
  virtual int look_count() const = 0;
  virtual shown_item look_item(int index) const = 0;
  virtual int look_focus() const = 0;
  virtual list_state look_list(int index) const = 0;
};

// The dialog's background and shadow, then its items, in the dialog or the warning colours.
void draw_dialog(frame& screen, const dialog_look& shown);

}  // namespace try_host
