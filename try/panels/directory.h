// Real directories through the Win32 file API (Wine maps the Linux tree to Z:).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "panels/panel.h"

namespace try_host {

// The entries in reading order, with ".." first unless the directory is a root.
std::optional<std::vector<entry>> read_directory(const std::wstring& dir);
bool is_directory(const std::wstring& path);
// Without a trailing backslash, except for a root ("Z:\").
std::wstring normal_dir(std::wstring dir);
// Empty at a root.
std::wstring parent_dir(const std::wstring& dir);
std::wstring join_path(const std::wstring& dir, const std::wstring& name);
std::wstring last_name(const std::wstring& path);

}  // namespace try_host
