#include "far170/host_api.h"

namespace far_tolvane {

far_host::PluginStartupInfo host_api{};
far_host::FarStandardFunctions host_standard_functions{};

const char* GetMsg(int id) { return host_api.GetMsg(host_api.ModuleNumber, id); }

unsigned host_version_word;

namespace {

struct release {
  unsigned major, minor;
};

release host_release() {
  if (!host_version_word)
    host_version_word = static_cast<unsigned>(
        host_api.AdvControl(host_api.ModuleNumber, far_host::ACTL_GETFARVERSION, nullptr));
  // Minor in the low byte, major in the next, the build above them.
  return {(host_version_word >> 8) & 0xFF, host_version_word & 0xFF};
}

}  // namespace

bool host_hides_panels_under_dialogs() {
  const release host = host_release();
  return host.major == 1 && host.minor > 70;
}

bool host_sends_idle_notices() { return host_release().major <= 1; }

}  // namespace far_tolvane
