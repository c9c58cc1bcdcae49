// The plugin's help file read into topics and styled spans. Free of Windows headers, so that the
// native unit tests check the markup.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace host_core {

struct help_span {
  enum style_t { plain, bold, link } style = plain;
  std::string text;
  std::string topic;  // the target of a link
};

using help_line = std::vector<help_span>;

struct help_topic {
  std::vector<help_line> header;  // the `$` lines, which stay on top while the text scrolls
  std::vector<help_line> body;
};

struct help_file {
  std::string contents_title;  // from .PluginContents
  std::map<std::string, help_topic> topics;
};

// `#text#` is bold and `~text~@Topic@` a link; a doubled `#` or `~` stands for the character.
help_line parse_help_line(const std::string& line);
// A whole file: directives first, then topics, each opened by a line `@Name`.
help_file parse_help_file(const std::string& text);

}  // namespace host_core
