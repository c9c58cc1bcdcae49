// The records a host reads a dialog's list from, as many as asked for: the block grows and is
// kept for the next time, so that refilling the list needs no memory.
#pragma once

#include <cstddef>
#include <memory>
#include <new>

namespace far_tolvane {

template <typename Record>
class record_block {
 public:
  // False, and the block as it was, when memory is short.
  bool reserve(int count) {
    if (count <= capacity_) return true;
    std::unique_ptr<Record[]> fresh(new (std::nothrow) Record[static_cast<std::size_t>(count)]);
    if (!fresh) return false;
    records_ = std::move(fresh);
    capacity_ = count;
    return true;
  }
  void release() {
    records_.reset();
    capacity_ = 0;
  }
  Record* get() const { return records_.get(); }
  Record& operator[](int index) const { return records_[static_cast<std::size_t>(index)]; }

 private:
  std::unique_ptr<Record[]> records_;
  int capacity_ = 0;
};

}  // namespace far_tolvane
