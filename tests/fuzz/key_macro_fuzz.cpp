// Loads the key-macro table from arbitrary registry contents: subkey names, value types, sizes
// and texts, terminated or not, and an arbitrary FARUSER.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "far170/host_api.h"
#include "far170/key_macro_table.h"
#include "host_model/host_model.h"
#include "native/fake_windows.h"

namespace {

struct reader {
  const std::uint8_t* data;
  std::size_t size;
  std::uint8_t byte() {
    if (!size) return 0;
    --size;
    return *data++;
  }
  std::string text(std::size_t limit) {
    std::size_t length = byte() % (limit + 1);
    if (length > size) length = size;
    std::string result(reinterpret_cast<const char*>(data), length);
    data += length;
    size -= length;
    return result;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fake_windows::reset();
  auto& win = fake_windows::state();
  static host_model::model host;
  far_tolvane::host_api = host.startup_info();
  far_tolvane::host_api.FSF = &host.standard_functions;

  reader input{data, size};
  if (input.byte() & 1) win.environment["FARUSER"] = input.text(255);
  const std::string area = far_tolvane::key_macro_key_path().get();
  win.set_string(area, "Marker", "");
  const int entries = input.byte() % 8;
  for (int i = 0; i < entries; ++i) {
    const std::string name = input.text(24);
    if (name.empty() || name.find('\\') != std::string::npos) continue;
    auto& values = win.find_key(area)->sub_keys[name].values;
    const std::uint8_t kind = input.byte();
    if (kind & 0x80) continue;  // no "Sequence" at all
    fake_windows::registry_value value;
    value.type = kind & 7;
    const std::string text = input.text(64);
    value.data.assign(text.begin(), text.end());
    values["Sequence"] = value;
  }

  far_tolvane::load_key_macros();
  for (const auto& [trigger, macro] : far_tolvane::key_macro_table)
    if (trigger != macro.trigger || trigger == static_cast<std::uint32_t>(-1)) std::abort();
  if (win.open_registry_handles != 0) std::abort();
  return 0;
}
