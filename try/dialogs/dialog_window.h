// A modal dialog run for the plugin's DialogEx: the host's copy of the items and list lines, the
// DM_ messages, the DN_ notifications and the host's default handling of keys.
#pragma once

#include <string>
#include <vector>

#include "app/window.h"
#include "host/far_api.h"
#include "host/key_codes.h"

namespace try_host {

class host_app;

class dialog_window : public window {
 public:
  // With x1 and y1 at -1, x2 and y2 are the size and the dialog is centred.
  dialog_window(host_app& host, int x1, int y1, int x2, int y2, const std::string& help_topic,
                const far_host::FarDialogItem* items, int count, far_host::DWORD flags,
                far_host::FARWINDOWPROC proc);

  int run(far_host::LONG_PARAM param);
  far_host::LONG_PARAM message(int msg, int param1, far_host::LONG_PARAM param2);

  void draw(frame& screen) const override;
  bool holds_redraw() const override { return redraw_off_ > 0; }

 private:
  struct list_state {
    std::vector<far_host::FarListItem> lines;
    far_host::FarListPos pos{0, 0};
    far_host::LONG_PARAM mouse_reaction = 0;
  };

  far_host::LONG_PARAM notify(int msg, int param1, far_host::LONG_PARAM param2);
  bool close(int code);
  void default_key(far_host::key_code key);
  void move_focus(int step);
  bool focusable(int index) const;
  void set_list_pos(int index, int select, int top);
  void centre();

  void draw_item(frame& screen, int index) const;
  void draw_list(frame& screen, int index, int x1, int y1, int x2, int y2) const;
  int button_x(int index) const;
  std::wstring button_text(int index) const;

  host_app& host_;
  int x_, y_, width_, height_;
  std::string help_topic_;
  std::vector<far_host::FarDialogItem> items_;
  std::vector<list_state> lists_;
  far_host::DWORD flags_;
  far_host::FARWINDOWPROC proc_;
  int focus_ = -1;
  int redraw_off_ = 0;
  bool closed_ = false;
  int exit_code_ = -1;
};

}  // namespace try_host
