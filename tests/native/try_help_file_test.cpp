// The try host's reading of the plugin's help markup.
#include <gtest/gtest.h>

#include "host_core/help_file.h"

using host_core::help_line;
using host_core::help_span;
using host_core::parse_help_file;
using host_core::parse_help_line;

namespace {

std::string show(const help_line& line) {
  std::string text;
  for (const help_span& span : line) {
    const char* mark = span.style == help_span::bold   ? "B"
                       : span.style == help_span::link ? "L"
                                                       : "P";
    text += std::string("[") + mark + ":" + span.text +
            (span.topic.empty() ? "" : "@" + span.topic) + "]";
  }
  return text;
}

}  // namespace

TEST(try_help_markup, bold_links_and_doubled_marks) {
  EXPECT_EQ(show(parse_help_line("   #Ctrl+~~#             Next view")),
            "[P:   ][B:Ctrl+~][P:             Next view]");
  EXPECT_EQ(show(parse_help_line(" The ~list of views~@Panel_list@ is opened (#F11#).")),
            "[P: The ][L:list of views@Panel_list][P: is opened (][B:F11][P:).]");
  EXPECT_EQ(show(parse_help_line("#a ~~b~~# c ## d")), "[B:a ~b~][P: c # d]");
  // A link that never closes is shown as written.
  EXPECT_EQ(show(parse_help_line("see ~broken@X")), "[P:see ~broken@X]");
}

TEST(try_help_markup, topics_with_their_header_lines) {
  const auto file = parse_help_file(
      ".Language=English,English\r\n.PluginContents=Tolvane\r\n\r\n@Contents\r\n$ #Tolvane#\r\n"
      " Text with $ inside\r\n$ not a header\r\n\r\n\r\n@Other\r\nline\r\n");
  EXPECT_EQ(file.contents_title, "Tolvane");
  ASSERT_EQ(file.topics.size(), 2u);
  const auto& contents = file.topics.at("Contents");
  ASSERT_EQ(contents.header.size(), 1u);
  EXPECT_EQ(show(contents.header[0]), "[P: ][B:Tolvane]");
  // Trailing blank lines belong to no topic; a `$` line after the text is text.
  ASSERT_EQ(contents.body.size(), 2u);
  EXPECT_EQ(show(contents.body[1]), "[P:$ not a header]");
  EXPECT_EQ(show(file.topics.at("Other").body[0]), "[P:line]");
}
