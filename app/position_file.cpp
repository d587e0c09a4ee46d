// Saving and loading positions.
#include "app/position_file.h"

#include <filesystem>
#include <fstream>

#include "app/game_state.h"
#include "app/layout_rules.h"
#include "app/text.h"
#include "app/tremawnd.h"
#include "platform/file_io.h"
#include "resources/strings.h"

// ---- the record ------------------------------------------------------------

namespace {

constexpr int kMaxCount = 15;
constexpr int32_t kMaxThinkTime = 1 << 30;
constexpr int32_t kMaxStatistic = 1000000;
constexpr int32_t kMaxCube = 64;

void PutByte(std::string& out, uint8_t v) { out.push_back(static_cast<char>(v)); }

void PutInt32(std::string& out, int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  for (int shift = 0; shift < 32; shift += 8) PutByte(out, static_cast<uint8_t>(u >> shift));
}

void PutZeros(std::string& out, size_t n) { out.append(n, '\0'); }

class Reader {
 public:
  explicit Reader(std::string_view bytes) : m_bytes(bytes) {}
  uint8_t Byte() { return static_cast<uint8_t>(m_bytes[m_pos++]); }
  int32_t Int32() {
    uint32_t u = 0;
    for (int shift = 0; shift < 32; shift += 8) u |= static_cast<uint32_t>(Byte()) << shift;
    return static_cast<int32_t>(u);
  }
  void Skip(size_t n) { m_pos += n; }

 private:
  std::string_view m_bytes;
  size_t m_pos = 0;
};

bool InRange(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

// A board a game can go on from. The owners of the bars and trays are taken
// as fixed: a board stored at a game's start holds 0 there.
bool ValidBoard(const PointRecord* b) {
  int total[3] = {0, 0, 0};
  for (int i = 0; i < kBoardSize; ++i) {
    if (b[i].count > kMaxCount) return false;
    const int fixed = FixedOwner(i);
    if (fixed != SideNone) {
      if (b[i].owner != SideNone && b[i].owner != fixed) return false;
      total[fixed] += b[i].count;
      continue;
    }
    const bool occupied = b[i].count > 0;
    if (occupied ? (b[i].owner != SideComputer && b[i].owner != SideHuman) : b[i].owner != SideNone) return false;
    total[b[i].owner] += b[i].count;
  }
  if (total[SideComputer] != kMaxCheckers || total[SideHuman] != kMaxCheckers) return false;
  if (b[kComputerTray].count == kMaxCheckers || b[kHumanTray].count == kMaxCheckers) return false;
  return !(ClosedOut(b, SideHuman) && ClosedOut(b, SideComputer));
}

bool ValidCube(int32_t value, int32_t owner) {
  if (!InRange(owner, 0, 2)) return false;
  for (int32_t v = 1; v <= kMaxCube; v *= 2)
    if (value == v) return true;
  return false;
}

bool ValidSides(const int32_t* values, int32_t max) {
  return InRange(values[SideHuman], 0, max) && InRange(values[SideComputer], 0, max);
}

}  // namespace

int FixedOwner(int index) {
  switch (index) {
    case kHumanBar:
    case kHumanTray: return SideHuman;
    case kComputerBar:
    case kComputerTray: return SideComputer;
    default: return SideNone;
  }
}

std::string EncodePositionFile(const PositionRecord& r) {
  std::string out;
  out.reserve(kPositionFileSize);
  PutInt32(out, kPositionFileMarker);
  for (int i = 0; i < kBoardSize; ++i) {
    PutByte(out, r.board[i].count);
    PutZeros(out, 3);
    const int fixed = FixedOwner(i);
    PutInt32(out, fixed != SideNone ? fixed : r.board[i].owner);
  }
  for (uint8_t d : r.dice) PutByte(out, d);
  PutZeros(out, 1);
  PutInt32(out, r.diceCount);
  PutInt32(out, r.stepCount);
  PutByte(out, r.race);
  PutZeros(out, 3);
  PutInt32(out, r.thinkTime[SideHuman]);
  PutInt32(out, r.thinkTime[SideComputer]);
  PutInt32(out, r.cubeOwner);
  PutInt32(out, r.cubeValue);
  PutInt32(out, r.diceSum[SideHuman]);
  PutInt32(out, r.diceSum[SideComputer]);
  PutByte(out, r.computerMayDouble);
  PutInt32(out, r.doublesCount[SideHuman]);
  PutInt32(out, r.doublesCount[SideComputer]);
  PutInt32(out, r.hitCount[SideHuman]);
  PutInt32(out, r.hitCount[SideComputer]);
  return out;
}

std::optional<PositionRecord> DecodePositionFile(std::string_view bytes) {
  if (bytes.size() != kPositionFileSize) return std::nullopt;
  Reader in(bytes);
  if (in.Int32() != kPositionFileMarker) return std::nullopt;
  PositionRecord r;
  for (int i = 0; i < kBoardSize; ++i) {
    r.board[i].count = in.Byte();
    in.Skip(3);
    r.board[i].owner = in.Int32();
  }
  for (uint8_t& d : r.dice) d = in.Byte();
  in.Skip(1);
  r.diceCount = in.Int32();
  r.stepCount = in.Int32();
  r.race = in.Byte();
  in.Skip(3);
  r.thinkTime[SideHuman] = in.Int32();
  r.thinkTime[SideComputer] = in.Int32();
  r.cubeOwner = in.Int32();
  r.cubeValue = in.Int32();
  r.diceSum[SideHuman] = in.Int32();
  r.diceSum[SideComputer] = in.Int32();
  r.computerMayDouble = in.Byte() != 0 ? 1 : 0;
  r.doublesCount[SideHuman] = in.Int32();
  r.doublesCount[SideComputer] = in.Int32();
  r.hitCount[SideHuman] = in.Int32();
  r.hitCount[SideComputer] = in.Int32();

  if (!ValidBoard(r.board) || !ValidCube(r.cubeValue, r.cubeOwner) || !ValidSides(r.thinkTime, kMaxThinkTime) ||
      !ValidSides(r.diceSum, kMaxStatistic) || !ValidSides(r.doublesCount, kMaxStatistic) ||
      !ValidSides(r.hitCount, kMaxStatistic))
    return std::nullopt;
  for (int i = 0; i < kBoardSize; ++i)
    if (FixedOwner(i) != SideNone) r.board[i].owner = FixedOwner(i);
  return r;
}

// ---- the commands ------------------------------------------------------------

namespace {

constexpr const char* kInitialName = "*.pos";
constexpr const char* kExtension = ".pos";
constexpr size_t kTitleChars = 63;

std::string FileTitle(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool HasExtension(const std::string& path) {
  const size_t slash = path.rfind('/');
  const size_t start = slash == std::string::npos ? 0 : slash + 1;
  const size_t dot = path.rfind('.');
  return dot != std::string::npos && dot > start;
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

// A plain file that can be opened for reading: one the reader refused only
// for its size, which makes it a wrong position file rather than no file.
bool OpenableFile(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  return in.is_open();
}

FileChooser PositionChooser(bool save) {
  FileChooser c;
  c.save = save;
  c.filter = LoadResString(kPositionFilterText);
  c.initialName = kInitialName;
  return c;
}

PositionRecord RecordOfGame(const TremaWnd& w, uint32_t tick) {
  PositionRecord r;
  for (int i = 0; i < kBoardSize; ++i) r.board[i] = g_BoardRecord[i];
  for (int i = 0; i < 4; ++i) r.dice[i] = w.m_dice->die[i];
  r.diceCount = w.m_dice->count;
  r.stepCount = w.m_stepCount;
  r.race = w.m_engine->race ? 1 : 0;
  for (int side : {SideHuman, SideComputer}) {
    r.thinkTime[side] = ThinkTimeNow(side, tick);
    r.diceSum[side] = g_DiceSum[side];
    r.doublesCount[side] = g_DoublesCount[side];
    r.hitCount[side] = g_HitCount[side];
  }
  r.cubeOwner = w.m_cubeOwner;
  r.cubeValue = w.m_cubeValue;
  r.computerMayDouble = w.m_computerMayDouble;
  return r;
}

}  // namespace

void TremaWnd::OnFileSave() {
  if (!HumanInputAllowed() || m_awaitConfirm || m_stepCount != 0) return;
  std::string path;
  if (!Dialogs().ChooseFile(PositionChooser(true), path) || path.empty()) return;
  // The chooser asked before replacing the name it showed; a name we complete
  // is one it never saw.
  if (!HasExtension(path)) {
    path += kExtension;
    if (Exists(path) &&
        host().MessageBox("Die Datei „" + FileTitle(path) + "“ gibt es schon.\nSoll sie ersetzt werden?",
                          MB_YESNO | MB_ICONQUESTION) != IDYES)
      return;
  }
  // The clock of the side to move is saved stopped and stays stopped until
  // the next prompt.
  const uint32_t tick = host().TickCount();
  const std::string bytes = EncodePositionFile(RecordOfGame(*this, tick));
  if (!ReplaceFile(path, bytes.data(), bytes.size())) {
    host().MessageBox(
        "Die Position konnte nicht in „" + path + "“ gespeichert werden.\nEine vorhandene Datei bleibt unverändert.",
        MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  StopThinkClock(g_turn, tick);
}

void TremaWnd::OnFileOpen() {
  if (!HumanInputAllowed() || m_awaitConfirm) return;
  std::string path;
  if (!Dialogs().ChooseFile(PositionChooser(false), path) || path.empty()) return;
  std::string bytes;
  // One byte more than a record is enough to tell that a file is too long.
  const FileState state = ReadWholeFile(path, bytes, kPositionFileSize + 1);
  if (state != FileState::Read && !(state == FileState::Unusable && OpenableFile(path))) return;
  const std::optional<PositionRecord> loaded = DecodePositionFile(bytes);
  if (!loaded) {
    host().MessageBox(LoadResString(kBadPositionFileText), MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  const PositionRecord& r = *loaded;

  m_openingRoll = 0;
  HideAllDice();
  // The turn in progress is dropped, its highlights first, while the old
  // dice still name them.
  HighlightPoint(m_curStep[0], false);
  ClearSteps();
  // The targets lit under the mouse belong to the old dice.
  HighlightPoint(g_HoverPoint, false);
  g_HoverPoint = -1;
  g_UndoneThisTurn = 0;
  m_hintMade = 0;

  for (int i = 0; i < kBoardSize; ++i) {
    g_BoardRecord[i] = r.board[i];
    RefillEntry(*m_board[i], r.board[i].owner, r.board[i].count);
  }

  for (int side : {SideHuman, SideComputer}) {
    g_ThinkTime[side] = r.thinkTime[side];
    g_ThinkRunning[side] = false;
    g_DiceSum[side] = r.diceSum[side];
    g_DoublesCount[side] = r.doublesCount[side];
    g_HitCount[side] = r.hitCount[side];
  }
  m_cubeOwner = r.cubeOwner;
  m_cubeValue = r.cubeValue;
  m_computerMayDouble = r.computerMayDouble;

  UpdateCube();
  InitLog();
  m_dice->Roll(m_engine.get());
  AddLogLine(FormatRoll());
  PromptStep(false);
  ShowDice();
  view().SetTitle(Utf8Prefix(DisplayName() + " - " + FileTitle(path), kTitleChars));
  DrawTrendBar();
}
