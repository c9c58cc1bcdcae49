#include "panels/panel_sort.h"

#include <algorithm>
#include <cwctype>

namespace try_host {

namespace {

int compare_names(const std::wstring& a, const std::wstring& b) {
  const std::size_t count = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < count; ++i) {
    const wint_t x = std::towlower(a[i]), y = std::towlower(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::wstring extension(const std::wstring& name) {
  const std::size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos ? std::wstring() : name.substr(dot + 1);
}

// Negative when a comes first in the normal order. Times and sizes put the newest and the
// largest first, as the host does.
int compare(const entry& a, const entry& b, int mode) {
  switch (mode) {
    case SM_UNSORTED: return a.order - b.order;
    case SM_EXT:
      if (const int by_ext = compare_names(extension(a.name), extension(b.name))) return by_ext;
      break;
    case SM_MTIME:
    case SM_CTIME:
    case SM_ATIME: {
      auto time = [mode](const entry& e) {
        return mode == SM_MTIME ? e.written : mode == SM_CTIME ? e.created : e.accessed;
      };
      if (time(a) != time(b)) return time(a) > time(b) ? -1 : 1;
      break;
    }
    case SM_SIZE:
      if (a.size != b.size) return a.size > b.size ? -1 : 1;
      break;
    default: break;
  }
  if (const int by_name = compare_names(a.name, b.name)) return by_name;
  return a.order - b.order;
}

}  // namespace

void sort_entries(std::vector<entry>& entries, int mode, bool reversed) {
  std::stable_sort(entries.begin(), entries.end(), [&](const entry& a, const entry& b) {
    if (a.is_up() != b.is_up()) return a.is_up();
    if (a.is_dir() != b.is_dir()) return a.is_dir();
    const int order = compare(a, b, mode);
    return reversed ? order > 0 : order < 0;
  });
}

}  // namespace try_host
