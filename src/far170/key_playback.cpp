#include "binding/keys.h"

#include <cstddef>

#include "far170/host_api.h"
#include "far170/key_macro_table.h"

namespace far_tolvane {
namespace {

// Present only while a sequence plays. The table is not reloaded while the dialog runs, so the
// reference to the sequence stays valid.
struct playback_state {
  const key_sequence* sequence;
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
    const far_host::key_code code = state.sequence->begin()[state.next++];
    handler(context, code);
  }
  playback_cursor = nullptr;
  return true;
}

// The host copies the keys, so it is handed the rest of the sequence where it lies.
void post_remaining_keys() {
  if (!playback_cursor) return;
  const key_sequence& sequence = *playback_cursor->sequence;
  if (playback_cursor->next >= sequence.size()) return;
  const far_host::key_code* rest = sequence.begin() + playback_cursor->next;
  far_host::KeySequence posted{far_host::KSFLAGS_DISABLEOUTPUT,
                               static_cast<int>(sequence.size() - playback_cursor->next),
                               const_cast<far_host::DWORD*>(rest)};
  playback_cursor->next = sequence.size();
  host_api.AdvControl(host_api.ModuleNumber, far_host::ACTL_POSTKEYSEQUENCE, &posted);
}

}  // namespace far_tolvane
