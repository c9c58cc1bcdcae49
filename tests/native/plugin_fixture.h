// Each test starts from a fresh model of the host and a fresh stand-in of Windows, and ends by
// shutting the plugin down as the host would.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host_model/host_model.h"
#include "native/fake_windows.h"

class plugin_test : public ::testing::Test {
 protected:
  plugin_test();
  void TearDown() override;

  // Hands the plugin the model's table, as the host does after loading it.
  void start(int struct_size = far_host::MIN_STARTUP_INFO_SIZE);
  void open();
  // The left panel at C:\Left, the right one at C:\Right, the left one focused.
  void two_panels(int active = 0);
  void make_dir(const std::string& dir, std::vector<std::string> names = {});

  fake_windows::machine& win;
  host_model::model host;
  bool started = false;
};

// The display order as view numbers, top first.
std::vector<int> order_numbers();
