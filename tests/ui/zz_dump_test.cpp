#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/uiaction.h>
#include "tests/ui/gui_support.h"
#include "ui/main_frame.h"
#include "ui/wx_host.h"
#include "ui/wx_surface.h"
#include "settings/options.h"
#include "app/tremawnd.h"
#include "board/types.h"
TEST(Dump, Board) {
  ResetOptionsToBuiltIn();
  MainFrameSetup s; s.profilePath = "/tmp/none.ini"; s.displayName = "Kolvar Backgammon";
  auto* f = new MainFrame(std::move(s));
  std::vector<std::string> boxes;
  f->GameHost().SetAnswerFunction([&](const std::string& t, unsigned){ boxes.push_back(t); return 7; });
  f->StartGame(); RunEvents(800);
  wxUIActionSimulator sim;
  wxPoint c = f->Canvas()->ClientToScreen(wxPoint(300, 300));
  sim.MouseMove(c); RunEvents(100);
  f->SetStatusText(2, "");
  sim.Char('?', wxMOD_SHIFT); RunEvents(300);
  printf("pane2=[%s] focus=%p canvas=%p\n", f->StatusText(2).c_str(), (void*)wxWindow::FindFocus(), (void*)f->Canvas());
  sim.Char('N', wxMOD_CONTROL); RunEvents(300);
  printf("boxes=%zu\n", boxes.size());
  sim.Char(WXK_SPACE); RunEvents(300);
  for (auto& l : f->LogLinesShown()) printf("log: %s\n", l.c_str());
  // click on point A (1) 
  Position** b = f->Core()->m_board;
  for (int p : {1, 7}) {
    wxPoint a = f->Canvas()->ClientToScreen(wxPoint(b[p]->x + g_Unit, b[p]->y + g_Unit));
    sim.MouseMove(a); RunEvents(50); sim.MouseClick(); RunEvents(1500);
  }
  for (auto& l : f->LogLinesShown()) printf("log: %s\n", l.c_str());
  sim.Char('G'); RunEvents(1500);
  for (auto& l : f->LogLinesShown()) printf("log2: %s\n", l.c_str());
  printf("status0=%s turn=%d count=%d winner=%d dice=%d,%d\n", f->StatusText(0).c_str(), g_turn, f->Core()->m_dice->count, f->Core()->m_winner, f->Core()->m_dice->die[0], f->Core()->m_dice->die[1]);
  wxBitmap w(1100, 760, 24);
  { wxMemoryDC m(w); wxScreenDC sc; m.Blit(0, 0, 1100, 760, &sc, 0, 0); }
  w.SaveFile("/tmp/screen.png", wxBITMAP_TYPE_PNG);
  f->Close(true); RunEvents(50);
}
