#include "keymacros/key_playback.h"

#include <cstddef>
#include <vector>

#include "keymacros/key_macro_table.h"
#include "plugin/host_api.h"

namespace far_tolvane {
namespace {

// Present only while a sequence plays. The table is not reloaded while the dialog runs, so the
// reference to the sequence stays valid.
struct playback_state {
  const std::vector<far_host::key_code>* sequence;
  std::size_t next;
};
playback_state* playback_cursor = nullptr;

}  // namespace

bool play_key(far_host::key_code key, key_handler handler, void* context) {
  auto found = key_macro_table.find(key);
  if (found == key_macro_table.end()) return handler(context, key);
  playback_state state{&found->second.sequence, 0};
  playback_cursor = &state;
  while (state.next < state.sequence->size()) {
    const far_host::key_code code = (*state.sequence)[state.next++];
    handler(context, code);
  }
  playback_cursor = nullptr;
  return true;
}

void post_remaining_keys() {
  if (!playback_cursor) return;
  const auto& sequence = *playback_cursor->sequence;
  if (playback_cursor->next >= sequence.size()) return;
  std::vector<far_host::DWORD> keys(
      sequence.begin() + static_cast<std::ptrdiff_t>(playback_cursor->next), sequence.end());
  playback_cursor->next = sequence.size();
  far_host::KeySequence posted{far_host::KSFLAGS_DISABLEOUTPUT, static_cast<int>(keys.size()),
                               keys.data()};
  host_api.AdvControl(host_api.ModuleNumber, far_host::ACTL_POSTKEYSEQUENCE, &posted);
}

}  // namespace far_tolvane
