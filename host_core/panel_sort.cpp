#include "host_core/panel_sort.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace host_core {

using far_host::FILETIME;
using far_host::PluginPanelItem;

namespace {

struct folding_table {
  unsigned char lower[256]{};
  folding_table() {
    for (int c = 0; c < 256; ++c)
      lower[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
  }
} folding;

int compare_names(const char* a, const char* b) {
  for (;; ++a, ++b) {
    const unsigned char x = folding.lower[static_cast<unsigned char>(*a)],
                        y = folding.lower[static_cast<unsigned char>(*b)];
    if (x != y) return x < y ? -1 : 1;
    if (!x) return 0;
  }
}

const char* extension(const char* name) {
  const char* dot = std::strrchr(name, '.');
  return dot ? dot + 1 : "";
}

bool is_up(const PluginPanelItem& item) { return !std::strcmp(item.FindData.cFileName, ".."); }
bool is_dir(const PluginPanelItem& item) { return item.FindData.dwFileAttributes & 0x10; }

std::uint64_t value(const FILETIME& time) {
  return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

std::uint64_t time_of(const PluginPanelItem& item, int mode) {
  const auto& data = item.FindData;
  return value(mode == SM_MTIME   ? data.ftLastWriteTime
               : mode == SM_CTIME ? data.ftCreationTime
                                  : data.ftLastAccessTime);
}

std::uint64_t size_of(const PluginPanelItem& item) {
  return (std::uint64_t{item.FindData.nFileSizeHigh} << 32) | item.FindData.nFileSizeLow;
}

// Negative when a comes first in the normal order. Times and sizes put the newest and the
// largest first, as the host does.
int compare(const PluginPanelItem& a, const PluginPanelItem& b, int mode) {
  switch (mode) {
    case SM_EXT:
      if (const int by_ext =
              compare_names(extension(a.FindData.cFileName), extension(b.FindData.cFileName)))
        return by_ext;
      break;
    case SM_MTIME:
    case SM_CTIME:
    case SM_ATIME:
      if (time_of(a, mode) != time_of(b, mode)) return time_of(a, mode) > time_of(b, mode) ? -1 : 1;
      break;
    case SM_SIZE:
      if (size_of(a) != size_of(b)) return size_of(a) > size_of(b) ? -1 : 1;
      break;
    default: break;
  }
  return compare_names(a.FindData.cFileName, b.FindData.cFileName);
}

}  // namespace

void set_name_folding(const unsigned char (&lower)[256]) {
  std::memcpy(folding.lower, lower, sizeof folding.lower);
}

// Positions are sorted rather than the records themselves, which are a few hundred bytes each;
// the records then move once.
void sort_items(std::vector<PluginPanelItem>& items, std::vector<std::uint32_t>& order, int mode,
                bool reversed) {
  auto before = [&](std::uint32_t i, std::uint32_t j) {
    const PluginPanelItem &a = items[i], &b = items[j];
    if (is_up(a) != is_up(b)) return is_up(a);
    if (is_dir(a) != is_dir(b)) return is_dir(a);
    if (mode != SM_UNSORTED)
      if (const int by_mode = compare(a, b, mode)) return reversed ? by_mode > 0 : by_mode < 0;
    return reversed && mode == SM_UNSORTED ? order[i] > order[j] : order[i] < order[j];
  };
  // Items often come in order already, as a folder read unsorted does: then nothing moves and
  // no memory is taken.
  bool in_order = true;
  for (std::size_t i = 1; i < items.size() && in_order; ++i)
    in_order = !before(static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(i - 1));
  if (in_order) return;
  std::vector<std::uint32_t> positions(items.size());
  std::iota(positions.begin(), positions.end(), 0u);
  std::sort(positions.begin(), positions.end(), before);
  std::vector<PluginPanelItem> sorted_items;
  std::vector<std::uint32_t> sorted_order;
  sorted_items.reserve(items.size());
  sorted_order.reserve(items.size());
  for (const std::uint32_t at : positions) {
    sorted_items.push_back(items[at]);
    sorted_order.push_back(order[at]);
  }
  items.swap(sorted_items);
  order.swap(sorted_order);
}

}  // namespace host_core
