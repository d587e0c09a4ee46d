#include "app/dice.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "app/text.h"
#include "board/globals.h"
#include "engine/engine.h"
#include "platform/host.h"
#include "platform/random.h"
#include "resources/strings.h"
#include "settings/options.h"

namespace {

constexpr size_t kBlockBytes = 64 * 1024;

uint8_t RandomDie() { return static_cast<uint8_t>(GameRand() % 6 + 1); }

bool DieChar(char c) { return ValidDie(c - '0'); }

// Opens the roll list for reading. Only a regular file of a roll list's size
// is accepted: a pipe or a device would block the game or never reach an end,
// a directory has nothing to read, and searching a huge file for a die would
// freeze the game. The open itself never blocks, even if the name is swapped
// for a FIFO between the two checks.
FILE* OpenRollsFile() {
  std::string name = g_RollsFile;
  // Names from the settings file may still use the other system's separator.
  for (char& c : name)
    if (c == '\\') c = '/';
  if (name.empty()) return nullptr;

  struct stat st {};
  if (stat(name.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
  int fd = open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxRollsFileBytes) {
    close(fd);
    return nullptr;
  }
  FILE* file = fdopen(fd, "r");
  if (file == nullptr) close(fd);
  return file;
}

}  // namespace

DiceRoller::~DiceRoller() { CloseListFile(); }

void DiceRoller::CloseListFile() {
  if (listFile != nullptr) {
    std::fclose(listFile);
    listFile = nullptr;
  }
}

bool DiceRoller::ReadDie(uint8_t& value) {
  if (listFile == nullptr) {
    m_blockPos = m_blockEnd = 0;
    listFile = OpenRollsFile();
    if (listFile == nullptr) return false;
  }
  m_block.resize(kBlockBytes);
  // Only the real end starts the list again; reaching it twice for one die
  // means the file holds no die at all (a read error ends the same way). A
  // file that grew beyond any roll list since it was opened ends so too.
  bool wrapped = false;
  long long searched = 0;
  for (;;) {
    const char* begin = m_block.data() + m_blockPos;
    const char* end = m_block.data() + m_blockEnd;
    const char* die = std::find_if(begin, end, DieChar);
    if (die != end) {
      value = static_cast<uint8_t>(*die - '0');
      m_blockPos = static_cast<size_t>(die - m_block.data()) + 1;
      return true;
    }
    m_blockPos = m_blockEnd = 0;
    if (searched > 2 * kMaxRollsFileBytes) return false;
    const size_t n = std::fread(m_block.data(), 1, m_block.size(), listFile);
    if (n > 0) {
      m_blockEnd = n;
      searched += static_cast<long long>(n);
      continue;
    }
    if (wrapped || std::ferror(listFile) != 0) return false;
    wrapped = true;
    std::rewind(listFile);
  }
}

void DiceRoller::RollListFailed() {
  CloseListFile();
  if (host != nullptr) host->MessageBox(LoadResString(kInvalidRollsFileText), MB_OK | MB_ICONEXCLAMATION);
  // Random dice for the rest of this game; the next game tries the file again.
  mode = 0;
}

void DiceRoller::DrawFromSource() {
  for (;;) {
    die[0] = die[1] = die[2] = die[3] = kNone;
    count = 0;
    die[0] = RandomDie();
    die[1] = RandomDie();
    count = 2;

    if (mode == 1) {
      if (g_AutoFinishActive == 0 && manualDialog != nullptr) {
        const uint8_t drawn[2] = {die[0], die[1]};
        manualDialog->Run(*this);
        // The dialog owns only the two values; anything it leaves out of range
        // would index the engine's tables, so the drawn values stand then.
        if (!ValidDie(die[0]) || !ValidDie(die[1])) {
          die[0] = drawn[0];
          die[1] = drawn[1];
        }
        die[2] = die[3] = kNone;
        count = 2;
      }
    } else if (mode == 2) {
      for (int i = 0; i < 2; ++i) {
        uint8_t value = 0;
        if (!ReadDie(value)) {
          // The die not yet read keeps its random value.
          RollListFailed();
          break;
        }
        die[i] = value;
      }
    }

    // The opening roll decides who starts, so random dice may not tie; entered
    // and listed rolls are played as they are.
    if (historyPos == 0 && die[0] == die[1] && mode == 0) continue;
    return;
  }
}

void DiceRoller::Roll(Engine* engine) {
  if (replay != 0 && historyPos >= 0 && static_cast<size_t>(historyPos) + 1 < history.size()) {
    die[0] = die[1] = die[2] = die[3] = kNone;
    die[0] = history[historyPos];
    die[1] = history[historyPos + 1];
    historyPos += 2;
    count = 2;
  } else {
    // Once the earlier game's rolls are used up, this game rolls anew.
    replay = 0;
    DrawFromSource();
    history.push_back(die[0]);
    history.push_back(die[1]);
    historyPos += 2;
  }

  if (Doubles()) {
    die[2] = die[3] = die[0];
    count *= 2;
  }

  // The rules and the turn that follows read the race flag.
  if (engine != nullptr) engine->UpdateRace();
}
