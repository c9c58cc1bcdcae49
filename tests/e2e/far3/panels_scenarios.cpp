// The panels through the real DLL: folders with Cyrillic names and past the classic path limit,
// read with the wide calls, captured at start, walked, committed and restored; and the preview
// of a folder of 100,000 files.
#include <cstdio>

#include "e2e/far3/sim3.h"
#include "host_core/unicode.h"

namespace {

// Six levels of fifty-odd characters under the scratch folder: past 259 characters whole.
std::string deep_name() {
  std::string name;
  for (int level = 1; level <= 6; ++level) {
    if (!name.empty()) name += "\\";
    name +=
        "уровень-" + std::to_string(level) + "-" + std::string(40, static_cast<char>('a' + level));
  }
  return name;
}

std::string current_name(const host_core::panel& shown) {
  const auto* item = shown.files.current_item();
  return item ? item->FindData.cFileName : "";
}

// What a person sees of a line: whole characters only, none of them a replacement.
bool whole_characters(const std::string& line) {
  return host_core::is_utf8(line) && line.find("\xEF\xBF\xBD") == std::string::npos;
}

// Starts the plugin on the panels as they are, makes a third view from the left panel and
// takes that panel to Третий: the display order is [3 Третий (focused), 2 left, 1 right].
void three_views(sim3::context& ctx, sim3::plugin& dll) {
  ctx.make_dir("Третий", {"т.txt"});
  dll.start();
  ctx.host->press("CtrlShiftF4");
  ctx.host->press("Enter");
  dll.open();
  ctx.host->change_dir(ctx.host->active_panel(), ctx.dir("Третий"));
}

}  // namespace

SCENARIO(far3_start_up_captures_unicode_and_long_paths_and_the_list_shows_them_whole) {
  ctx.make_dir("Проекты", {"отчёт1.txt", "отчёт2.txt", "смета.txt"});
  const std::string deep = deep_name();
  ctx.make_dir(deep, {"последний.txt"});
  CHECK(host_core::wide_of(ctx.dir(deep)).size() > 259);
  ctx.panels("Проекты", deep);
  host_core::panel& left = ctx.host->panels[0];
  host_core::panel& right = ctx.host->panels[1];
  CHECK(left.files.items.size() == 4);
  CHECK(right.files.items.size() == 2 && current_name(right) == "..");
  left.select("отчёт2.txt");
  left.move_cursor(3);
  const std::string left_current = current_name(left);

  const int refused_before = sim3::refused_long_paths();
  sim3::plugin dll(ctx);
  dll.start();
  ctx.host->press("Esc");
  dll.open();
  const auto lines = ctx.list()->line_texts();
  for (const auto& line : lines) std::printf("    line: %s\n", line.c_str());
  CHECK(lines.size() == 2);
  if (lines.size() != 2) return;
  for (const auto& line : lines) CHECK(whole_characters(line));
  CHECK(lines[0].rfind("2. Files < " + ctx.dir("Проекты") + " ", 0) == 0);
  // The long one keeps its root and its deepest folder whole, shortened between them to the
  // console's width.
  CHECK(lines[1].rfind("1. Files > " + ctx.dir("").substr(0, 3) + "\xE2\x80\xA6", 0) == 0);
  const std::string last_level = deep.substr(deep.find_last_of('\\') + 1);
  CHECK(lines[1].find(last_level) != std::string::npos);
  CHECK(static_cast<int>(host_core::wide_of(lines[1]).size()) < ctx.list()->width);

  // The right view taken there and left: going back to it enters the long path again, which
  // only the prefixed wide calls reach.
  ctx.host->active = 1;
  ctx.host->press("CtrlShiftF4");
  ctx.host->press("Enter");
  dll.open();
  ctx.make_dir("Другой");
  ctx.host->change_dir(right, ctx.dir("Другой"));
  ctx.host->press("Down");
  ctx.host->then([&] {
    CHECK(right.dir == ctx.dir(deep));
    CHECK(right.files.items.size() == 2 &&
          right.files.items.back().FindData.cFileName == std::string("последний.txt"));
  });
  ctx.host->press("Esc");
  dll.open();
  CHECK(right.dir == ctx.dir("Другой"));
  // The left panel's view was never touched.
  CHECK(left.dir == ctx.dir("Проекты"));
  CHECK(left.selected_names() == std::vector<std::string>{"отчёт2.txt"});
  CHECK(current_name(left) == left_current);
  // The plugin asked about the long path only as Windows answers it.
  CHECK(sim3::refused_long_paths() == refused_before);
  dll.exit();
}

SCENARIO(far3_a_walk_previews_esc_restores_enter_commits_and_cyrillic_selections_come_back) {
  ctx.make_dir("Проекты", {"отчёт1.txt", "отчёт2.txt", "отчёт3.txt", "смета.txt"});
  ctx.make_dir("Архив", {"старое.txt"});
  host_core::panel& left = ctx.host->panels[0];
  ctx.panels("Проекты", "Архив");
  left.select("отчёт1.txt");
  left.select("смета.txt");
  left.move_cursor(3);
  const std::string cursor_name = current_name(left);
  const std::vector<std::string> selection = left.selected_names();
  CHECK(selection.size() == 2);

  sim3::plugin dll(ctx);
  three_views(ctx, dll);
  // The left panel as the view of Проекты keeps it, and as the view of Третий does.
  auto on_projects = [&] {
    CHECK(left.dir == ctx.dir("Проекты"));
    CHECK(left.selected_names() == selection);
    CHECK(current_name(left) == cursor_name);
  };
  auto on_third = [&] {
    CHECK(left.dir == ctx.dir("Третий"));
    CHECK(left.selected_names().empty());
  };
  // The view one line down committed.
  auto enter_next = [&] {
    ctx.host->press("Down");
    ctx.host->press("Enter");
    dll.open();
  };
  ctx.host->press("Down");
  ctx.host->then(on_projects);
  ctx.host->press("Esc");
  dll.open();
  on_third();

  enter_next();
  on_projects();

  // Away to Третий and back: the selection was kept with the view, not left on the panel.
  enter_next();
  on_third();
  enter_next();
  on_projects();
  for (const auto& line : ctx.list()->line_texts()) CHECK(whole_characters(line));
  dll.exit();
}

SCENARIO(far3_a_100000_file_folder_is_previewed_with_one_directory_change_and_no_sort) {
  ctx.make_dir("Большая");
  std::vector<far_host::PluginPanelItem> items{host_core::make_item("..", 0x10)};
  char name[32];
  for (int i = 0; i < 100000; ++i) {
    std::snprintf(name, sizeof name, "файл%06d.txt", i);
    items.push_back(host_core::make_item(name));
  }
  ctx.host->made_up_dirs[ctx.dir("Большая")] = std::move(items);
  ctx.make_dir("Справа", {"x.txt"});
  host_core::panel& left = ctx.host->panels[0];
  sim3::plugin dll(ctx);
  ctx.panels("Большая", "Справа");
  three_views(ctx, dll);
  const int reads = left.reads;
  ctx.host->press("Esc");
  dll.open();
  CHECK(left.reads == reads);

  const std::size_t mark = ctx.far3->log_size();
  double previewed_in = 0;
  ctx.host->then([&] { previewed_in = sim3::now_ms(); });
  ctx.host->press("Down");
  ctx.host->then([&] {
    previewed_in = sim3::now_ms() - previewed_in;
    CHECK(left.dir == ctx.dir("Большая"));
    CHECK(left.files.items.size() == 100001);
    CHECK(left.reads == reads + 1);
    CHECK(left.sorts == 0);
  });
  ctx.host->press("Esc");
  dll.open();
  const auto changes = ctx.far3->calls("FCTL_SETPANELDIRECTORY", mark);
  for (const auto& call : changes) std::printf("    %s\n", call.c_str());
  // Down's preview and Esc's restore, one each.
  CHECK(changes.size() == 2);
  if (changes.size() == 2) CHECK(changes[0] == "FCTL_SETPANELDIRECTORY " + ctx.dir("Большая"));
  CHECK(ctx.far3->calls("FCTL_SETSORTMODE", mark).empty());
  CHECK(ctx.far3->calls("FCTL_SETSORTORDER", mark).empty());
  // Nothing is selected there: no item is fetched one by one.
  CHECK(ctx.far3->calls("FCTL_GETPANELITEM", mark).empty());
  std::printf("    preview of 100,000 files: %.0f ms\n", previewed_in);
  CHECK(left.dir == ctx.dir("Третий"));
  dll.exit();
}

// A folder named with the prefix that lifts the classic limit, as FAR 3 may show one: the view
// taken there is found where it is and entered again, not sent to C:\ as gone.
SCENARIO(far3_a_view_of_a_prefixed_folder_past_the_classic_limit_is_entered_again) {
  const std::string deep = deep_name();
  ctx.make_dir(deep, {"последний.txt"});
  ctx.make_dir("Слева", {"a.txt"});
  ctx.make_dir("Другой");
  const std::string prefixed = "\\\\?\\" + ctx.dir(deep);
  ctx.panels("Слева", "Другой");
  host_core::panel& right = ctx.host->panels[1];
  CHECK(ctx.host->change_dir(right, prefixed));
  const int refused_before = sim3::refused_long_paths();
  sim3::plugin dll(ctx);
  dll.start();
  // On the right, a new view committed in its place: the prefixed one is left to walk back to.
  ctx.host->active = 1;
  ctx.host->press("CtrlShiftF4");
  ctx.host->press("Enter");
  dll.open();
  ctx.host->change_dir(right, ctx.dir("Другой"));
  ctx.host->press("Down");
  ctx.host->then([&] {
    CHECK(right.dir == prefixed);
    CHECK(right.files.items.size() == 2);
  });
  ctx.host->press("Esc");
  dll.open();
  const auto lines = ctx.list()->line_texts();
  for (const auto& line : lines) std::printf("    line: %s\n", line.c_str());
  CHECK(lines.size() == 3 && lines[1].rfind("1. Files ", 0) == 0);
  CHECK(sim3::refused_long_paths() == refused_before);
  dll.exit();
}

// The real DLL reads FAR 3's record of a plugin panel's folder, whose texts follow it, in
// either width: the view is listed by the plugin's own name for the folder, and while it is the
// focused panel's the list refuses to walk and names the plugin panel.
SCENARIO(far3_a_plugin_panels_folder_is_listed_as_its_plugin_names_it) {
  ctx.make_dir("Слева", {"a.txt"});
  ctx.make_dir("Архивы");
  ctx.panels("Слева", "Архивы");
  host_core::panel& right = ctx.host->panels[1];
  right.open_plugin_panel();
  right.plugin_dir = {"отчёты\\2024", ctx.dir("Архивы") + "\\копия.zip", "zip"};
  sim3::plugin dll(ctx);
  dll.start();
  ctx.host->press("Esc");
  dll.open();
  auto lines = ctx.list()->line_texts();
  for (const auto& line : lines) std::printf("    line: %s\n", line.c_str());
  CHECK(lines.size() == 2 && lines[1].rfind("1. Plugin > отчёты\\2024", 0) == 0);

  ctx.host->active = 1;
  ctx.host->press("Down");
  ctx.host->then([&] {
    host_core::far3_dialog* notice = ctx.far3->last_dialog();
    CHECK(notice && notice != ctx.list() && notice->text(2).find("Plugin") != std::string::npos);
  });
  ctx.host->press("Enter");
  ctx.host->press("Esc");
  dll.open();
  lines = ctx.list()->line_texts();
  CHECK(lines.size() == 2 && lines[0].rfind("1. Plugin > отчёты\\2024", 0) == 0);
  CHECK(right.kind == host_core::panel_kind::plugin);
  dll.exit();
}
