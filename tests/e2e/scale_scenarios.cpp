// Views of big folders, whose items the host makes up with their texts: hundreds of clones of a
// view of 100,000 files in one opening, and openings that run out of memory inside the plugin.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <set>

#include "e2e/sim.h"

using namespace far_host;

namespace {

// Texts the made-up items point to; they belong to the host, as its panels' texts do.
char description[] = "Quarterly figures, draft for the board";
char owner[] = "OFFICE\\accounts";
char column_state[] = "reviewed";
char column_month[] = "2024-03";
char* columns[] = {column_state, column_month};

// Every item has a description and an owner, every tenth custom column data too.
std::vector<PluginPanelItem> made_up_items(int count, const char* stem) {
  std::vector<PluginPanelItem> items;
  items.reserve(static_cast<std::size_t>(count));
  char name[64];
  for (int i = 0; i < count; ++i) {
    std::snprintf(name, sizeof name, "%s-%06d.txt", stem, i);
    items.push_back(host_model::make_item(name));
    PluginPanelItem& item = items.back();
    item.FindData.nFileSizeLow = static_cast<far_host::DWORD>(i) * 37;
    item.NumberOfLinks = 1;
    item.Description = description;
    item.Owner = owner;
    if (i % 10 == 0) {
      item.CustomColumnData = columns;
      item.CustomColumnNumber = 2;
    }
  }
  return items;
}

// A real, empty folder that the host shows with made-up items.
void big_folder(sim::context& ctx, const std::string& name, int count, const char* stem) {
  ctx.make_dir(name);
  ctx.host->made_up_dirs[ctx.dir(name)] = made_up_items(count, stem);
}

// Selects every n-th item of the panel and gives their names.
std::vector<std::string> select_every(host_model::panel& shown, int n) {
  for (std::size_t i = 0; i < shown.files.items.size(); i += static_cast<std::size_t>(n))
    shown.files.items[i].Flags |= PPIF_SELECTED;
  return shown.selected_names();
}

int lines_naming(const std::vector<std::string>& lines, const std::string& dir) {
  return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
    return line.find(dir + " ") != std::string::npos;
  }));
}

}  // namespace

SCENARIO(two_hundred_clones_of_a_view_of_100000_files_and_their_deletion) {
  big_folder(ctx, "Big", 100000, "report");
  ctx.make_dir("Small", {"a.txt"});
  ctx.panels("Big", "Small");
  host_model::panel& left = ctx.host->panels[0];
  const auto selected = select_every(left, 100);
  left.files.current = 5000;
  left.files.top = 4990;
  sim::plugin dll(ctx.dll_path);
  dll.set_startup_info(ctx.host->startup_info());
  // Every apply moves the panel anew, which clears its selection: what is selected after it is
  // what the view restored.
  auto panel_shows_big = [&] {
    return left.dir == ctx.dir("Big") && left.selected_names() == selected &&
           left.files.current == 5000;
  };
  for (int i = 0; i < 200; ++i) ctx.host->key(KEY_CTRL | KEY_F3);
  ctx.host->then([&] {
    const auto& shown = *ctx.host->list_dialog();
    const auto lines = shown.line_texts();
    CHECK(lines.size() == 202 && lines_naming(lines, ctx.dir("Big")) == 201);
    CHECK(host_model::lines_printable(shown));
    CHECK(panel_shows_big());
  });
  for (int i = 0; i < 200; ++i) ctx.host->key(KEY_DEL);
  ctx.host->then([&] {
    const auto lines = ctx.host->list_dialog()->line_texts();
    CHECK(lines.size() == 2);
    if (lines.size() != 2) return;
    CHECK(lines[0].rfind("2. Files < " + ctx.dir("Big") + " ", 0) == 0);
    CHECK(lines[1].rfind("1. Files > " + ctx.dir("Small") + " ", 0) == 0);
    CHECK(panel_shows_big());
  });
  ctx.host->key(KEY_ESC);
  dll.open();
  CHECK(!ctx.host->ran_dry);
  CHECK(panel_shows_big());
  dll.exit_far();
}

namespace {

// Takes from the process all its free address space but `room` bytes in one piece, and every
// free block of the C runtime heap, which the plugin allocates from: what the plugin asks for
// next comes out of that room. The simulator's own heap keeps its free space (host_sim.cpp).
class squeeze {
 public:
  squeeze() = default;
  squeeze(const squeeze&) = delete;
  squeeze& operator=(const squeeze&) = delete;
  ~squeeze() { end(); }

  void start(std::size_t room) {
    void* kept = room ? VirtualAlloc(nullptr, room, MEM_RESERVE, PAGE_NOACCESS) : nullptr;
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const std::uintptr_t granularity = system.dwAllocationGranularity;
    auto address = reinterpret_cast<std::uintptr_t>(system.lpMinimumApplicationAddress);
    const auto top = reinterpret_cast<std::uintptr_t>(system.lpMaximumApplicationAddress);
    MEMORY_BASIC_INFORMATION region;
    while (address < top &&
           VirtualQuery(reinterpret_cast<void*>(address), &region, sizeof region) != 0) {
      const std::uintptr_t next =
          reinterpret_cast<std::uintptr_t>(region.BaseAddress) + region.RegionSize;
      const std::uintptr_t first = (address + granularity - 1) / granularity * granularity;
      if (region.State == MEM_FREE && first < next && taken_ < max_regions)
        if (void* taken = VirtualAlloc(reinterpret_cast<void*>(first), next - first, MEM_RESERVE,
                                       PAGE_NOACCESS))
          regions_[taken_++] = taken;
      address = next;
    }
    for (std::size_t size = 1 << 20; size >= sizeof(void*); size /= 2)
      while (void* block = std::malloc(size)) {
        *static_cast<void**>(block) = filled_;
        filled_ = block;
      }
    if (kept) VirtualFree(kept, 0, MEM_RELEASE);
  }

  void end() {
    while (filled_) {
      void* next = *static_cast<void**>(filled_);
      std::free(filled_);
      filled_ = next;
    }
    while (taken_ > 0) VirtualFree(regions_[--taken_], 0, MEM_RELEASE);
  }

 private:
  static constexpr int max_regions = 4096;
  void* regions_[max_regions] = {};
  int taken_ = 0;
  void* filled_ = nullptr;  // blocks chained through their first word
};

squeeze memory_squeeze;

int cursor_number(const host_model::dialog& shown) {
  const int pos = shown.list().pos.SelectPos;
  if (pos < 0 || pos >= static_cast<int>(shown.list().lines.size())) return 0;
  return std::atoi(shown.list().lines[static_cast<std::size_t>(pos)].Text);
}

// A line without its padding and panel marker: number, mark, kind and directory.
std::string plain(std::string line) {
  line.erase(std::remove_if(line.begin(), line.end(),
                            [](char c) { return c == ' ' || c == '<' || c == '>'; }),
             line.end());
  return line;
}

}  // namespace

// Start-up and a first opening with no memory at all, then openings with new views, clones,
// walks, refreshes, deletes and restores with 4 MB of address space left, or 512 KB for a whole
// opening: the plugin's allocations fail there and nowhere else. Afterwards every view made before
// is as it was and applies its directory and selection, the numbers match the lines, and the C
// runtime heap holds nothing of the plugin's once it is unloaded.
SCENARIO(openings_that_run_out_of_memory_keep_every_view) {
  big_folder(ctx, "Big", 20000, "a-rather-long-name-of-a-file");
  ctx.make_dir("Small", {"a.txt"});
  ctx.host->made_up_dirs["C:\\"] = made_up_items(3, "root");
  ctx.panels("Big", "Small");
  const auto selected = select_every(ctx.host->panels[0], 1);  // 800 KB of names a view
  // The host model's records and log take their room now: growing them under the squeeze would
  // need fresh address space.
  PanelInfo first_answer;
  ctx.host->control(invalid_handle, FCTL_GETPANELINFO, &first_answer);
  ctx.host->panels[1].files.items.reserve(ctx.host->panels[0].files.items.size());
  ctx.host->log.reserve(200000);
  const std::size_t heap_before = sim::crt_heap_in_use();
  {
    // Start-up with no memory at all makes nothing and the opening then shows nothing; the first
    // opening with memory makes the views.
    sim::plugin dll(ctx.dll_path);
    memory_squeeze.start(0);
    dll.set_startup_info(ctx.host->startup_info());
    dll.open();
    memory_squeeze.end();
    CHECK(ctx.host->dialogs.empty());
    ctx.host->key(KEY_ESC);
    dll.open();
    CHECK(ctx.host->dialogs.size() == 1 && ctx.host->list_dialog()->list().lines.size() == 2);
    dll.exit_far();
  }
  {
    // The first opening has views but no memory for their lines.
    sim::plugin dll(ctx.dll_path);
    const std::size_t loaded = sim::crt_heap_in_use();
    dll.set_startup_info(ctx.host->startup_info());
    memory_squeeze.start(0);
    ctx.host->key(KEY_ESC);
    dll.open();
    memory_squeeze.end();
    CHECK(ctx.host->dialogs.size() == 1);  // no list beside the one of before
    ctx.host->feed.clear();

    std::set<std::string> before;
    ctx.host->keys({KEY_CTRL | KEY_F3, KEY_CTRL | KEY_F3, KEY_CTRL | KEY_F3});
    ctx.host->then([&] {
      for (const auto& line : ctx.host->list_dialog()->line_texts()) before.insert(plain(line));
    });
    ctx.host->key(KEY_ESC);
    dll.open();
    CHECK(before.size() == 5);
    const int last_before = 5;

    // The panel shows the view under the cursor after every command, done or refused.
    auto panel_shows_cursor_view = [&] {
      const auto& shown = *ctx.host->list_dialog();
      const std::string line = shown.list().lines[shown.list().pos.SelectPos].Text;
      return line.find(ctx.host->active_panel().dir + " ") != std::string::npos;
    };
    std::mt19937 random(17);
    auto delete_unless_made_before = [&] {
      if (cursor_number(*ctx.host->list_dialog()) > last_before)
        ctx.host->feed.push_front({host_model::event::key, KEY_DEL, {}});
    };
    for (int opening = 0; opening < 8; ++opening) {
      // Now inside the list, now before the opening; now released before Esc, now after it; now
      // on the other panel.
      ctx.host->active = opening % 3 == 1 ? 1 : 0;
      const bool whole_opening = opening % 4 == 3;
      const bool release_in_list = opening % 2 == 0;
      if (whole_opening)
        memory_squeeze.start(512 << 10);  // less than the names of one view
      else
        ctx.host->then([&] { memory_squeeze.start(4 << 20); });
      for (int step = 0; step < 60; ++step) {
        switch (random() % 12) {
          case 0: ctx.host->key(KEY_CTRL | KEY_SHIFT | KEY_F4); break;
          case 1: ctx.host->key(KEY_DOWN); break;
          case 2: ctx.host->key(KEY_UP); break;
          case 3: ctx.host->key(KEY_HOME); break;
          case 4: ctx.host->key(KEY_END); break;
          case 5: ctx.host->key(KEY_CTRL | 'R'); break;
          case 6: ctx.host->key(KEY_CTRL | KEY_DOWN); break;
          case 7: ctx.host->then(delete_unless_made_before); break;
          default: ctx.host->key(KEY_CTRL | KEY_F3); break;
        }
        ctx.host->then([&] { CHECK(panel_shows_cursor_view()); });
      }
      ctx.host->then([&] { CHECK(host_model::lines_printable(*ctx.host->list_dialog())); });
      if (release_in_list) ctx.host->then([&] { memory_squeeze.end(); });
      ctx.host->key(KEY_ESC);
      dll.open();
      memory_squeeze.end();
      CHECK(!ctx.host->ran_dry);
    }

    // Every view in turn, then renumbered.
    ctx.host->active = 0;
    ctx.host->then([&] {
      const auto& shown = *ctx.host->list_dialog();
      CHECK(host_model::lines_printable(shown));
      std::set<std::string> now;
      std::set<int> numbers;
      for (const auto& line : shown.line_texts()) {
        now.insert(plain(line));
        numbers.insert(std::atoi(line.c_str()));
      }
      CHECK(std::includes(now.begin(), now.end(), before.begin(), before.end()));
      CHECK(numbers.size() == shown.list().lines.size());
      ctx.host->key(KEY_HOME);
      for (std::size_t i = 0; i + 1 < shown.list().lines.size(); ++i) {
        if (i > 0) ctx.host->key(KEY_DOWN);
        ctx.host->then([&] {
          const auto& panel = ctx.host->active_panel();
          CHECK(panel_shows_cursor_view());
          CHECK(panel.selected_names() ==
                (panel.dir == ctx.dir("Big") ? selected : std::vector<std::string>{}));
        });
      }
      ctx.host->key(KEY_CTRL | KEY_SHIFT | KEY_F5);
      ctx.host->then([&] {
        const auto lines = ctx.host->list_dialog()->line_texts();
        for (std::size_t i = 0; i < lines.size(); ++i)
          CHECK(std::atoi(lines[i].c_str()) == static_cast<int>(lines.size() - i));
      });
      ctx.host->key(KEY_ESC);
    });
    dll.open();
    CHECK(!ctx.host->ran_dry);
    dll.exit_far();
    // ExitFAR gives back all it took, the list's records among them.
    CHECK(sim::crt_heap_in_use() == loaded);
  }
  CHECK(sim::crt_heap_in_use() == heap_before);
}
