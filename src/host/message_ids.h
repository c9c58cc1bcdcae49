// Ids of the texts in the plugin's language files (one quoted line per id, from 0).
#pragma once

namespace far_host {

enum message_id : int {
  MTooOldTitle = 0,
  MTooOldText = 1,
  MOk = 2,
  MMenuEntry = 4,
  MListTitle = 5,
  MNoticeCursor = 7,
  MNoticeClone = 8,
  MNoticeNew = 9,
  MMacroDelete = 10,
  MMacroNext = 11,
  MMacroPrevious = 12,
  MNoticeLine1 = 13,
  MNoticeLine2Format = 14,
  MKindFile = 15,
  MKindPlugin = 16,
  MKindTree = 17,
  MKindInfo = 18,
  MKindQuickView = 19,
  MKindOther = 20,
  MTooOldTextFar3 = 21,
};

constexpr int message_count = 22;

}  // namespace far_host
