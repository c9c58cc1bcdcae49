// type_keys.exe PID VK STATE COUNT: writes COUNT presses of one key into PID's console input in a
// single call, as keys typed ahead wait there, then exits. STATE is the control-key state in hex
// (100 = ENHANCED_KEY, a grey key). Built by tests/bench/real_host, which times what follows.
#include <windows.h>

#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 5) return 2;
  const DWORD pid = std::strtoul(argv[1], nullptr, 0);
  const auto vk = static_cast<WORD>(std::strtoul(argv[2], nullptr, 0));
  const DWORD state = std::strtoul(argv[3], nullptr, 16);
  const int count = std::atoi(argv[4]);
  FreeConsole();
  if (!AttachConsole(pid)) return 1;
  HANDLE input =
      CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  std::vector<INPUT_RECORD> records(2 * static_cast<size_t>(count));
  for (size_t i = 0; i < records.size(); ++i) {
    KEY_EVENT_RECORD& key = records[i].Event.KeyEvent;
    records[i].EventType = KEY_EVENT;
    key.bKeyDown = i % 2 == 0;
    key.wRepeatCount = 1;
    key.wVirtualKeyCode = vk;
    key.wVirtualScanCode = static_cast<WORD>(MapVirtualKeyW(vk, 0));
    key.dwControlKeyState = state;
  }
  DWORD written = 0;
  const BOOL ok =
      WriteConsoleInputW(input, records.data(), static_cast<DWORD>(records.size()), &written);
  return ok && written == records.size() ? 0 : 1;
}
