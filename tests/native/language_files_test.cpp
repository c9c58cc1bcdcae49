#include <gtest/gtest.h>

#include <string>

#include "host/message_ids.h"
#include "host_core/language_files.h"

namespace {

int count_of(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

}  // namespace

TEST(language_files, hold_every_message_and_one_kind_slot_in_the_notice_format) {
  for (const char* name : {"TolvaneEng.lng", "TolvaneRus.lng"}) {
    SCOPED_TRACE(name);
    const auto texts = host_core::read_language_file(std::string(TOLVANE_LANG_DIR "/") + name);
    ASSERT_EQ(static_cast<int>(texts.size()), far_host::message_count);
    const std::string& format = texts[far_host::MNoticeLine2Format];
    EXPECT_EQ(count_of(format, "%s"), 1);
    EXPECT_EQ(count_of(format, "%"), 1) << "no other conversion";
    for (int id : {0, 1, 2, 4, 5, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 18, 19, 20})
      EXPECT_FALSE(texts[id].empty()) << id;
  }
}
