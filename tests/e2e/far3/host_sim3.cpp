#include "e2e/far3/sim3.h"
// After the system's main header, which it needs.
#include <tlhelp32.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "host_core/real_folders.h"
#include "host_core/unicode.h"

namespace sim3 {

namespace {

LARGE_INTEGER started_at() {
  static const LARGE_INTEGER at = [] {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
  }();
  return at;
}

int refused = 0;

DWORD WINAPI classic_get_file_attributes(const wchar_t* path) {
  if (path && std::wcslen(path) >= MAX_PATH && std::wcsncmp(path, L"\\\\?\\", 4) != 0) {
    ++refused;
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return INVALID_FILE_ATTRIBUTES;
  }
  return GetFileAttributesW(path);
}

}  // namespace

int refused_long_paths() { return refused; }

void keep_to_classic_path_limit(HMODULE dll) {
  if (!dll) return;
  auto* base = reinterpret_cast<unsigned char*>(dll);
  const auto& dos = *reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto& nt = *reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos.e_lfanew);
  const IMAGE_DATA_DIRECTORY& entry = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (!entry.VirtualAddress) return;
  for (auto* module = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + entry.VirtualAddress);
       module->Name; ++module) {
    if (!module->OriginalFirstThunk) continue;
    const auto* names =
        reinterpret_cast<const IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto& named =
          *reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(named.Name), "GetFileAttributesW") != 0)
        continue;
      DWORD was = 0;
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &was);
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(classic_get_file_attributes);
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, was, &was);
    }
  }
}

double now_ms() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart - started_at().QuadPart) * 1000.0 /
         static_cast<double>(frequency.QuadPart);
}

int thread_count() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  int count = 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  CloseHandle(snapshot);
  return count;
}

watched_table::watched_table(host_model::model& host) : far3_table(host) {
  // A mutex takes its memory from the C runtime at its first lock: taken now, it is not counted
  // as the plugin's.
  deliver_notices();
  log_size();
}

std::intptr_t watched_table::adv_control(const far3_host::GUID* plugin, int command,
                                         std::intptr_t param1, void* param2) {
  if (command == far3_host::ACTL_SYNCHRO) {
    const std::lock_guard<std::mutex> hold(mutex_);
    synchro_.push_back({now_ms(), GetCurrentThreadId()});
  }
  return far3_table::adv_control(plugin, command, param1, param2);
}

std::intptr_t watched_table::dialog_run(far3_host::HANDLE handle) {
  const std::intptr_t code = far3_table::dialog_run(handle);
  const std::lock_guard<std::mutex> hold(mutex_);
  run_ends_.push_back({now_ms(), synchro_.size()});
  return code;
}

void watched_table::note(const std::string& entry) {
  const std::lock_guard<std::mutex> hold(mutex_);
  log_.push_back(entry);
}

std::vector<std::string> watched_table::calls(const std::string& prefix, std::size_t from) const {
  const std::lock_guard<std::mutex> hold(mutex_);
  std::vector<std::string> matching;
  for (std::size_t i = from; i < log_.size(); ++i)
    if (log_[i].compare(0, prefix.size(), prefix) == 0) matching.push_back(log_[i]);
  return matching;
}

std::size_t watched_table::log_size() const {
  const std::lock_guard<std::mutex> hold(mutex_);
  return log_.size();
}

std::vector<watched_table::synchro_call> watched_table::synchro_calls() const {
  const std::lock_guard<std::mutex> hold(mutex_);
  return synchro_;
}

std::vector<watched_table::run_end> watched_table::run_ends() const {
  const std::lock_guard<std::mutex> hold(mutex_);
  return run_ends_;
}

plugin::plugin(context& ctx) : ctx_(ctx) {
  load(ctx.dll_path);
  keep_to_classic_path_limit(GetModuleHandleW(host_core::wide_of(path()).c_str()));
}

plugin::~plugin() {
  ctx_.far3->synchro_handler = nullptr;
  unload();
}

void plugin::start() {
  global = far3_host::GlobalInfo{};
  global.StructSize = sizeof global;
  get_global_info(global);
  ctx_.far3->plugin_guid = global.Guid;
  ctx_.far3->synchro_handler = [this](const far3_host::ProcessSynchroEventInfo* event) {
    process_synchro_event(*event);
    return std::intptr_t{0};
  };
  set_startup_info(ctx_.far3->startup_info(path()));
  info = far3_host::PluginInfo{};
  info.StructSize = sizeof info;
  get_plugin_info(info);
}

far3_host::HANDLE plugin::open() {
  ctx_.far3->panels_wait();
  far3_host::OpenInfo request{sizeof request, far3_host::OPEN_PLUGINSMENU, info.PluginMenu.Guids, 0,
                              nullptr};
  far3_host::HANDLE made = plugin_module::open(request);
  ctx_.far3->panels_wait();
  return made;
}

void plugin::exit() {
  far3_host::ExitInfo request{sizeof request, nullptr};
  exit_far(request);
}

void context::make_dir(const std::string& name, const std::vector<std::string>& files) {
  for (std::size_t cut = name.find('\\');; cut = name.find('\\', cut + 1)) {
    CreateDirectoryW(host_core::long_path(dir(name.substr(0, cut))).c_str(), nullptr);
    if (cut == std::string::npos) break;
  }
  for (const auto& file : files) {
    HANDLE handle =
        CreateFileW(host_core::long_path(dir(name) + "\\" + file).c_str(), GENERIC_WRITE, 0,
                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
}

void context::panels(const std::string& left, const std::string& right) {
  check(host->change_dir(host->panels[0], dir(left)), left.c_str(), __FILE__, __LINE__);
  check(host->change_dir(host->panels[1], dir(right)), right.c_str(), __FILE__, __LINE__);
  host->active = 0;
}

host_core::far3_dialog* context::list() const {
  for (auto it = far3->dialogs.rbegin(); it != far3->dialogs.rend(); ++it)
    if ((*it)->help_topic == "Panel_list") return it->get();
  return nullptr;
}

namespace {

// What holds after every scenario, as FAR 3 would see it.
void after_each(context& ctx) {
  ctx.check(ctx.host->feed.empty(), "the feed was used up", __FILE__, __LINE__);
  ctx.check(!ctx.host->ran_dry, "no dialog waited for more input than the scenario gave", __FILE__,
            __LINE__);
  for (const auto& fault : ctx.far3->faults) std::printf("    FAR 3 fault: %s\n", fault.c_str());
  ctx.check(ctx.far3->faults.empty(), "no call FAR 3 would crash on or refuse", __FILE__, __LINE__);
  for (const auto& fault : ctx.far3->screen_faults)
    std::printf("    screen fault: %s\n", fault.c_str());
  ctx.check(ctx.far3->screen_faults.empty(), "the screen showed what is", __FILE__, __LINE__);
  ctx.check(ctx.far3->running().empty(), "no dialog left running", __FILE__, __LINE__);
  for (const auto& made : ctx.far3->dialogs)
    ctx.check(made->freed, "every dialog freed", __FILE__, __LINE__);
  ctx.check(ctx.host->reserved_not_zero.empty(), "reserved parameters 0", __FILE__, __LINE__);
}

}  // namespace

}  // namespace sim3

int main(int argc, char** argv) {
  if (argc < 2) return sim::usage("host_sim3");
  sim3::now_ms();
  // FAR's own output is the console, whose size the plugin fits its list to; this program's
  // goes to the log, and the C runtime keeps the handle it started with.
  HANDLE console =
      CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  CONSOLE_SCREEN_BUFFER_INFO screen{};
  if (console == INVALID_HANDLE_VALUE || !GetConsoleScreenBufferInfo(console, &screen)) {
    std::printf("host_sim3: no console to run in\n");
    return 2;
  }
  SetStdHandle(STD_OUTPUT_HANDLE, console);
  std::printf("console %d x %d\n", screen.dwSize.X, screen.dwSize.Y);
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::string root = host_core::utf8_of(temp) + "tolvane-e2e3";
  const std::string width = sizeof(void*) == 8 ? "x64" : "x86";
  sim::run_settings settings;
  settings.only = argc > 2 ? argv[2] : nullptr;
  settings.scratch = host_core::long_path(root);
  settings.summary = "e2e-far3-" + width;
  return sim::run_scenarios<sim3::context>(settings, [&](const sim::scenario<sim3::context>& each) {
    host_model::model host;
    host.ways = host_core::far3_ways();
    host.far3 = {new sim3::watched_table(host), [](host_core::far3_table* table) { delete table; }};
    auto& table = static_cast<sim3::watched_table&>(*host.far3);
    table.load_language_file(sim::folder_of(argv[1]) + "\\TolvaneEng.lng");
    host.read_dir = [](const std::string& dir, std::vector<far_host::PluginPanelItem>& items) {
      return host_core::read_real_folder_utf8(dir, true, items);
    };
    host.set_ctrl = host_core::set_ctrl_key;
    sim3::context ctx{{argv[1], root, &host, 0}, &table};
    table.idle_hook = [&ctx] { Sleep(static_cast<DWORD>(ctx.idle_ms)); };
    const double began = sim3::now_ms();
    each.run(ctx);
    sim3::after_each(ctx);
    std::printf("    %s, %.1f s\n", width.c_str(), (sim3::now_ms() - began) / 1000);
    return ctx.failures;
  });
}
