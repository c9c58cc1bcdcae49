// Each test starts the FAR 3 build from a fresh model of the host, seen through FAR 3's own
// table, and a fresh stand-in of Windows, and ends by shutting the plugin down as FAR does.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host_core/far3_table.h"
#include "host_model/host_model.h"
#include "native/fake_windows.h"
#include "views/view.h"

class far3_test : public ::testing::Test {
 protected:
  far3_test();
  void TearDown() override;

  // What FAR does at its first start with the plugin: GetGlobalInfoW, SetStartupInfoW,
  // GetPluginInfoW.
  void start();
  // F11 and the plugin's entry: the panels wait for input first, and again once OpenW returns.
  void open();
  // The left panel at C:\Left, the right one at C:\Right, the left one focused.
  void two_panels(int active = 0);
  void make_dir(const std::string& dir, const std::vector<std::string>& names = {});
  // A folder of `count` files f000000.txt ... with a ".." entry, for the cost of a preview.
  void make_big_dir(const std::string& dir, int count);
  host_core::panel& focused() { return host.active_panel(); }
  // A stored view of the directory, appended to the display order: taken through the binding
  // from the focused panel, moved there with the names selected and `adjust` applied, and then
  // put back.
  far_tolvane::view* add_view(const std::string& dir, const std::vector<std::string>& selected = {},
                              const std::function<void(host_core::panel&)>& adjust = {});

  // The list's dialog, the last one run with its GUID.
  host_core::far3_dialog& list();
  std::vector<std::string> lines() { return list().line_texts(); }
  // Logged calls that start with the prefix, from the `from`-th entry of the log on.
  std::vector<std::string> calls(const std::string& prefix, std::size_t from = 0) const;

  fake_windows::machine& win;
  host_model::model host;
  host_core::far3_table& far3;
  far3_host::GlobalInfo global{};
  far3_host::PluginInfo plugin_info{};
  bool started = false;
};

// The GUIDs as FAR writes them.
std::string guid_text(const far3_host::GUID& guid);
