#include "host_core/help_file.h"

#include <sstream>

namespace host_core {

namespace {

class line_builder {
 public:
  void add(help_span::style_t style, const std::string& text, const std::string& topic = {}) {
    if (text.empty()) return;
    if (!line_.empty() && line_.back().style == style && style != help_span::link) {
      line_.back().text += text;
      return;
    }
    line_.push_back({style, text, topic});
  }
  help_line take() { return std::move(line_); }

 private:
  help_line line_;
};

// Reads up to the closing mark, a doubled mark standing for itself. False when it never closes.
bool read_until(const std::string& line, std::size_t& at, char mark, std::string& text) {
  while (at < line.size()) {
    if (line[at] == mark) {
      if (at + 1 < line.size() && line[at + 1] == mark) {
        text += mark;
        at += 2;
        continue;
      }
      ++at;
      return true;
    }
    text += line[at++];
  }
  return false;
}

}  // namespace

help_line parse_help_line(const std::string& line) {
  line_builder built;
  bool bold = false;
  std::string text;
  auto flush = [&] {
    built.add(bold ? help_span::bold : help_span::plain, text);
    text.clear();
  };
  std::size_t at = 0;
  while (at < line.size()) {
    const char c = line[at];
    const bool doubled = at + 1 < line.size() && line[at + 1] == c;
    if ((c == '#' || c == '~') && doubled) {
      text += c;
      at += 2;
    } else if (c == '#') {
      flush();
      bold = !bold;
      ++at;
    } else if (c == '~') {
      flush();
      std::size_t scan = at + 1;
      std::string label, topic;
      if (read_until(line, scan, '~', label) && scan < line.size() && line[scan] == '@' &&
          read_until(line, ++scan, '@', topic)) {
        built.add(help_span::link, label, topic);
        at = scan;
      } else {
        // An unclosed link is shown as it was written.
        text = line.substr(at);
        at = line.size();
      }
    } else {
      text += c;
      ++at;
    }
  }
  flush();
  return built.take();
}

help_file parse_help_file(const std::string& text) {
  help_file file;
  std::istringstream in(text);
  std::string line;
  help_topic* topic = nullptr;
  bool in_header = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!topic && line.rfind(".PluginContents=", 0) == 0) {
      file.contents_title = line.substr(16);
      continue;
    }
    if (line.size() > 1 && line[0] == '@' && line[1] != '@') {
      topic = &file.topics[line.substr(1)];
      in_header = true;
      continue;
    }
    if (!topic) continue;
    if (in_header && !line.empty() && line[0] == '$') {
      topic->header.push_back(parse_help_line(line.substr(1)));
      continue;
    }
    in_header = false;
    topic->body.push_back(parse_help_line(line));
  }
  for (auto& entry : file.topics) {
    auto& body = entry.second.body;
    while (!body.empty() && body.back().empty()) body.pop_back();
  }
  return file;
}

}  // namespace host_core
