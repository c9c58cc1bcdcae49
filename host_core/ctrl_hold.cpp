#include "host_core/ctrl_hold.h"

namespace host_core {

void ctrl_hold::key(far_host::key_code code, std::uint64_t now_ms) {
  holding_ = (code & far_host::KEY_CTRL) != 0;
  released_at_ = now_ms + hold_ms_;
}

}  // namespace host_core
