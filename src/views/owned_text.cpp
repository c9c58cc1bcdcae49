#include "views/owned_text.h"

#include <algorithm>
#include <new>

namespace far_tolvane {

bool owned_text::assign(host_text text) {
  if (text.size() < short_room) {
    std::copy(text.begin(), text.end(), short_);
    short_[text.size()] = 0;
    long_.reset();
  } else {
    std::unique_ptr<host_char[]> fresh(new (std::nothrow) host_char[text.size() + 1]);
    if (!fresh) return false;
    std::copy(text.begin(), text.end(), fresh.get());
    fresh[text.size()] = 0;
    long_ = std::move(fresh);
  }
  size_ = text.size();
  return true;
}

}  // namespace far_tolvane
