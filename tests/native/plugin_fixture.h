// Each test starts from a fresh model of the host and a fresh stand-in of Windows, and ends by
// shutting the plugin down as the host would.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host_model/host_model.h"
#include "native/fake_windows.h"
#include "views/view.h"

class plugin_test : public ::testing::Test {
 protected:
  plugin_test();
  void TearDown() override;

  // Hands the plugin the model's table, as the host does after loading it.
  void start(int struct_size = far_host::MIN_STARTUP_INFO_SIZE);
  void open();
  // The left panel at C:\Left, the right one at C:\Right, the left one focused.
  void two_panels(int active = 0);
  void make_dir(const std::string& dir, const std::vector<std::string>& names = {});
  // A stored view of a plain file panel at the directory, appended to the display order.
  far_tolvane::view* add_view(const std::string& dir);
  // Starts with two panels and `stored` more views at C:\V1, C:\V2, ...
  void start_with_views(int stored, int active = 0);
  host_model::dialog& list() { return *host.list_dialog(); }
  std::vector<std::string> lines() { return list().line_texts(); }

  fake_windows::machine& win;
  host_model::model host;
  bool started = false;
};

// A model and a stand-in machine made for each other, as every test starts with them.
void connect(host_model::model& host, fake_windows::machine& win);
// Every view in both lists once, slots and shown_in agreeing, numbers unique; an open list with
// printable lines and its cursor on an enabled line.
void check_registry(const host_model::model& host);

// The display order as view numbers, top first.
std::vector<int> order_numbers();
// How many of the logged calls start with the prefix.
int count_calls(const host_model::model& host, const std::string& prefix);
