#pragma once
// The game's string table: German texts as UTF-8, by their numeric ids.
#include "resources/ids.h"

// The ids of the table's texts. A command's status-bar prompt has the
// command's own id.
enum TextId : int {
  kFirstOrdinalText = 100,  // "ter" after a step's number; the next three follow
  kSecondOrdinalText = 101,
  kThirdOrdinalText = 102,
  kFourthOrdinalText = 103,
  kFromText = 105,
  kToText = 106,
  kRollText = 107,
  kComputerDoublesText = 108,
  kResetScoresText = 112,
  kChooseDestinationText = 114,
  kComputerThinksText = 115,
  kComputerMovesText = 116,
  kConfirmText = 117,
  kCannotMoveText = 118,
  kComputerLeadsText = 119,
  kHumanLeadsText = 120,
  kShowTrendPromptText = ID_SHOW_TREND,
  kUndoStepPromptText = ID_UNDO_STEP,
  kPassPromptText = ID_PASS,
  kResetScorePromptText = ID_RESET_SCORE,
  kDoublePromptText = ID_DOUBLE,
  kSettingsPromptText = ID_SETTINGS,
  kThinkTimeText = 230,
  kPlayBarFirstText = 231,
  kTrendEvenText = 232,
  kNewGameText = 233,
  kBadPositionFileText = 234,
  kComputerDeclinesText = 235,
  kHoldEscText = 236,
  kInvalidRollsFileText = 238,
  kNoMoveText = 239,
  kSettingsCaptionText = 240,
  kMustPlayBothText = 1047,
  kColorSchemeNameText = 1048,
  kPositionFilterText = 1049,
  kRollListFilterText = 1050,
  kSoundFilterText = 1051,
  kRedrawPromptText = ID_REDRAW,
  kColorsPromptText = ID_COLORS,
  kSwapSidesPromptText = ID_SWAP_SIDES,
  kFinishGamePromptText = ID_FINISH_GAME,
  kBestMovePromptText = ID_BEST_MOVE,
  kGiveUpPromptText = ID_GIVE_UP,
  kDocumentationPromptText = ID_DOCUMENTATION,
  kIdleText = AFX_IDS_IDLEMESSAGE,
  kFileNewPromptText = ID_FILE_NEW,
  kFileOpenPromptText = ID_FILE_OPEN,
  kFileSaveAsPromptText = ID_FILE_SAVE_AS,
  kAboutPromptText = ID_APP_ABOUT,
  kHelpPromptText = ID_HELP,
};

// Every id of the enumeration, in its order.
// clang-format off
constexpr TextId kTextIds[] = {
    kFirstOrdinalText, kSecondOrdinalText, kThirdOrdinalText, kFourthOrdinalText,
    kFromText, kToText, kRollText, kComputerDoublesText,
    kResetScoresText, kChooseDestinationText, kComputerThinksText, kComputerMovesText,
    kConfirmText, kCannotMoveText, kComputerLeadsText, kHumanLeadsText,
    kShowTrendPromptText, kUndoStepPromptText, kPassPromptText, kResetScorePromptText,
    kDoublePromptText, kSettingsPromptText, kThinkTimeText, kPlayBarFirstText,
    kTrendEvenText, kNewGameText, kBadPositionFileText, kComputerDeclinesText,
    kHoldEscText, kInvalidRollsFileText, kNoMoveText, kSettingsCaptionText,
    kMustPlayBothText, kColorSchemeNameText, kPositionFilterText, kRollListFilterText,
    kSoundFilterText, kRedrawPromptText, kColorsPromptText, kSwapSidesPromptText,
    kFinishGamePromptText, kBestMovePromptText, kGiveUpPromptText, kDocumentationPromptText,
    kIdleText, kFileNewPromptText, kFileOpenPromptText, kFileSaveAsPromptText,
    kAboutPromptText, kHelpPromptText,
};
// clang-format on

// The entry's text, or null when the table has no entry of that id.
const char* StringTableEntry(int id);
