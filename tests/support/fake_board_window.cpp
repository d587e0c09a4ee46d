#include "tests/support/fake_board_window.h"

namespace {
class FakeTrayLabel : public TrayLabel {
 public:
  explicit FakeTrayLabel(std::shared_ptr<FakeBoardWindow::Label> l) : label(std::move(l)) {}
  ~FakeTrayLabel() override { label->alive = false; }
  void SetText(const std::string& text, bool yellow) override {
    label->text = text;
    label->yellow = yellow;
    ++label->updates;
  }
  std::shared_ptr<FakeBoardWindow::Label> label;
};
}  // namespace

void FakeBoardWindow::Install() {
  g_BoardWnd = this;
  installed_ = true;
}

FakeBoardWindow::~FakeBoardWindow() {
  if (installed_ && g_BoardWnd == this) g_BoardWnd = nullptr;
}

void FakeBoardWindow::Wait(int ms) {
  if (surface != nullptr) surface->Flush();
  events.push_back({Event::Wait, ms, {}});
  if (onWait) onWait(ms);
}

void FakeBoardWindow::PlaySoundFile(const std::string& file) { events.push_back({Event::Sound, 0, file}); }

std::unique_ptr<TrayLabel> FakeBoardWindow::CreateTrayLabel(const Rect& r, bool alignRight, const std::string& text) {
  auto label = std::make_shared<Label>();
  label->rect = r;
  label->alignRight = alignRight;
  label->text = text;
  label->yellow = trayHighlight;
  labels.push_back(label);
  return std::make_unique<FakeTrayLabel>(label);
}

std::vector<int> FakeBoardWindow::Waits() const {
  std::vector<int> out;
  for (const Event& e : events)
    if (e.kind == Event::Wait) out.push_back(e.ms);
  return out;
}

std::vector<std::string> FakeBoardWindow::Sounds() const {
  std::vector<std::string> out;
  for (const Event& e : events)
    if (e.kind == Event::Sound) out.push_back(e.file);
  return out;
}

const FakeBoardWindow::Label* FakeBoardWindow::LabelAt(int top) const {
  for (auto it = labels.rbegin(); it != labels.rend(); ++it)
    if ((*it)->rect.top == top) return it->get();
  return nullptr;
}
