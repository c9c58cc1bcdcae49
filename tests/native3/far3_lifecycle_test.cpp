#include "far3/host_api.h"
#include "far3/lifecycle.h"
#include "native3/far3_fixture.h"

TEST_F(far3_test, smoke) {
  two_panels();
  start();
  host.press("Down");
  host.press("Esc");
  open();
  for (auto& l : host.log) std::printf("%s\n", l.c_str());
  for (auto& l : lines()) std::printf("[%s]\n", l.c_str());
}
