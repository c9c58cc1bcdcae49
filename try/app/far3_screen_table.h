// FAR 3's table as the try host runs it: the host core's FAR 3 API over the host's panels, its
// dialogs drawn while they run and its messages shown, and a count of the plugin's requests for
// synchro notices, which its own thread makes.
#pragma once

#include <atomic>
#include <cstdint>

#include "console/window.h"
#include "host_core/far3_table.h"

namespace try_host {

class far3_screen_table : public host_core::far3_table {
 public:
  far3_screen_table(host_core::host& owner, window_host& screen)
      : far3_table(owner), screen_(screen) {}

  std::intptr_t dialog_run(far3_host::HANDLE handle) override;
  std::intptr_t message(const far3_host::GUID* plugin, const far3_host::GUID* id,
                        far3_host::FARMESSAGEFLAGS flags, const wchar_t* help,
                        const wchar_t* const* items, std::size_t count,
                        std::intptr_t buttons) override;
  std::intptr_t adv_control(const far3_host::GUID* plugin, int command, std::intptr_t param1,
                            void* param2) override;

  // ACTL_SYNCHRO calls so far, from any thread.
  unsigned synchro_asked() const { return synchro_asked_; }

 private:
  window_host& screen_;
  std::atomic<unsigned> synchro_asked_{0};
};

}  // namespace try_host
