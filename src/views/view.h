// A saved state of a panel that a panel can be switched to; every other part handles views
// through this interface.
#pragma once

#include <memory>

#include "host/host_char.h"
#include "memory/node_pool.h"

namespace far_tolvane {

class panel_slot;

class view {
 public:
  view& operator=(const view&) = delete;
  virtual ~view();

  virtual int kind_message_id() const = 0;
  virtual const host_char* path() const = 0;
  // Valid until the next short_path call on any view.
  virtual const host_char* short_path(int width) const = 0;
  virtual bool is_special_panel() const = 0;
  virtual bool exists() const = 0;
  virtual bool check_exists() = 0;
  // False when the host would not enter the view's folder: the panel stays in its own.
  virtual bool apply() const = 0;
  // Takes again the state of the focused or of the other panel, whichever shows the view; the
  // base keeps what it has, for views that no file panel can refresh.
  virtual void refresh_from_active_panel();
  virtual void refresh_from_passive_panel();
  // A copy with its own new number, shown by no panel; null when memory is short.
  virtual std::unique_ptr<view> clone() const = 0;

  void add_slot(panel_slot* slot);
  void remove_slot(panel_slot* slot);

  // The panels that show this view, in the order they were attached; not owned.
  node_list<panel_slot*> shown_in;
  int number;

 protected:
  // Takes the smallest free number, in a node its maker reserved (reserve_nodes), as every
  // maker of a view does.
  view();
  // A copy never shares its source's number or panels.
  view(const view&);
};

}  // namespace far_tolvane
