#include "far3/host_api.h"

namespace far_tolvane {

far3_host::PluginStartupInfo host_api{};
far3_host::FarStandardFunctions host_standard_functions{};

// B0C6D1C6-76CB-434C-9E60-1FAB9E95A79F
const far3_host::GUID plugin_guid{
    0xB0C6D1C6, 0x76CB, 0x434C, {0x9E, 0x60, 0x1F, 0xAB, 0x9E, 0x95, 0xA7, 0x9F}};
// 120E7105-71F8-4FEC-8947-9E1E1EFE94F2
const far3_host::GUID menu_guid{
    0x120E7105, 0x71F8, 0x4FEC, {0x89, 0x47, 0x9E, 0x1E, 0x1E, 0xFE, 0x94, 0xF2}};
// 4454820B-1070-4ED5-B053-3973154E6E8C
const far3_host::GUID list_dialog_guid{
    0x4454820B, 0x1070, 0x4ED5, {0xB0, 0x53, 0x39, 0x73, 0x15, 0x4E, 0x6E, 0x8C}};
// 3A8B05A3-5874-4482-AB00-BEEC358A472F
const far3_host::GUID notice_dialog_guid{
    0x3A8B05A3, 0x5874, 0x4482, {0xAB, 0x00, 0xBE, 0xEC, 0x35, 0x8A, 0x47, 0x2F}};

const wchar_t* GetMsg(int id) { return host_api.GetMsg(&plugin_guid, id); }

}  // namespace far_tolvane
