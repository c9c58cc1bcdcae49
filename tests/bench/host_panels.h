// File panels as the host hands them to the plugin: names like a user's documents, and on every
// item a description and an owner, whose texts belong to the panel as they belong to the host.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <vector>

#include "host/far_api.h"

namespace bench {

inline char owner_text[] = "OFFICE\\accounts";

struct host_panel {
  std::vector<far_host::PluginPanelItem> items;
  std::vector<char> descriptions;
  far_host::PanelInfo info{};
};

// Selects every `select_every`-th item, none for 0. `left` is the panel's first column, which
// tells the plugin's focus test which panel is which.
inline void fill_panel(host_panel& panel, int count, const char* dir, int left = 0,
                       int select_every = 0) {
  constexpr std::size_t description_size = 40;
  panel.items.assign(count, far_host::PluginPanelItem{});
  panel.descriptions.assign(count * description_size, '\0');
  for (int i = 0; i < count; ++i) {
    far_host::PluginPanelItem& item = panel.items[i];
    std::snprintf(item.FindData.cFileName, sizeof item.FindData.cFileName, "document-%06d.txt", i);
    item.FindData.nFileSizeLow = static_cast<far_host::DWORD>(i) * 37;
    item.NumberOfLinks = 1;
    item.Description = &panel.descriptions[i * description_size];
    std::snprintf(item.Description, description_size, "Quarterly figures, draft %d", i);
    item.Owner = owner_text;
    if (select_every > 0 && i % select_every == 0) item.Flags = far_host::PPIF_SELECTED;
  }
  panel.info = far_host::PanelInfo{};
  panel.info.PanelRect = {left, 1, left + 59, 30};
  panel.info.PanelItems = panel.items.data();
  panel.info.ItemsNumber = count;
  panel.info.Visible = 1;
  std::strcpy(panel.info.CurDir, dir);
}

}  // namespace bench
