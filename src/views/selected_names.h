// The names of a panel's selected items, in the panel's order, all in one block: what a view
// needs to select them again, and nothing else of the panel's items.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "host/far_api.h"

namespace far_tolvane {

class selected_names {
 public:
  // Both leave this as it was and answer false when memory is short.
  bool take_from(const far_host::PluginPanelItem* items, int count);
  bool copy_from(const selected_names& source);

  // Sets PPIF_SELECTED on the first item of each saved name (exact, case-sensitive); other
  // flags stay as they are. Needs no memory it cannot do without.
  void select_in(far_host::PluginPanelItem* items, int count) const;

  int count() const { return count_; }
  std::size_t bytes() const { return bytes_; }
  // The names one after another, each ended by a zero.
  const char* block() const { return block_.get(); }

 private:
  void select_chunk(std::uint32_t* table, std::uint32_t slots, std::size_t& offset,
                    far_host::PluginPanelItem* items, int count) const;

  std::unique_ptr<char[]> block_;
  std::size_t bytes_ = 0;
  int count_ = 0;
};

}  // namespace far_tolvane
