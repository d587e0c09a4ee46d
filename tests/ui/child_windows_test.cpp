// The windows that stand on the board: each paints itself on its parent's
// colour, then what it shows.
#include "ui/child_windows.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>

#include "tests/ui/gui_support.h"

namespace {
const wxColour kBoard(0, 128, 0);

struct Painted {
  wxImage image;
  bool Is(int x, int y, const wxColour& c) const {
    return image.GetRed(x, y) == c.Red() && image.GetGreen(x, y) == c.Green() && image.GetBlue(x, y) == c.Blue();
  }
  // Pixels of the text: yellowish or dark ones.
  int Count(bool yellow) const {
    int n = 0;
    for (int y = 0; y < image.GetHeight(); ++y)
      for (int x = 0; x < image.GetWidth(); ++x) {
        const int r = image.GetRed(x, y), g = image.GetGreen(x, y), b = image.GetBlue(x, y);
        n += yellow ? (r > 160 && g > 160 && b < 100) : (r < 60 && g < 60 && b < 60);
      }
    return n;
  }
};

// What the window paints, on a white bitmap of its size.
Painted Paint(OnParentBackground& window) {
  const wxSize size = window.GetSize();
  wxBitmap bitmap(size.x, size.y, 24);
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    window.Render(dc);
  }
  return Painted{bitmap.ConvertToImage()};
}

struct ChildWindowsTest : ::testing::Test {
  void SetUp() override {
    frame = new wxFrame(nullptr, wxID_ANY, "Brett");
    frame->SetBackgroundColour(kBoard);
  }
  void TearDown() override {
    frame->Destroy();
    RunEvents(10);
  }
  wxFrame* frame = nullptr;
};
}  // namespace

TEST_F(ChildWindowsTest, TrayLabelShowsItsCountBlackOrYellowOnTheBoard) {
  auto* label = new TrayLabelCtrl(frame, wxRect(0, 0, 40, 20), false, "15");
  Painted black = Paint(*label);
  EXPECT_TRUE(black.Is(39, 19, kBoard));
  EXPECT_GT(black.Count(false), 0);
  EXPECT_EQ(black.Count(true), 0);

  label->Set("15", true);
  Painted yellow = Paint(*label);
  EXPECT_TRUE(yellow.Is(39, 19, kBoard));
  EXPECT_GT(yellow.Count(true), 0);
  EXPECT_EQ(yellow.Count(false), 0);
}

TEST_F(ChildWindowsTest, TrendBarShowsTwoOutlinedSharesOrNothing) {
  auto* trend = new TrendBarWindow(frame);
  trend->SetSize(0, 0, 40, 12);
  const wxColour red(255, 0, 0), blue(0, 0, 255);
  trend->Set(wxRect(2, 2, 10, 6), red, wxRect(12, 2, 10, 6), blue);
  Painted shown = Paint(*trend);
  EXPECT_TRUE(shown.Is(5, 2, *wxBLACK));  // the outline
  EXPECT_TRUE(shown.Is(5, 4, red));
  EXPECT_TRUE(shown.Is(15, 4, blue));
  EXPECT_TRUE(shown.Is(30, 10, kBoard));

  trend->Clear();
  Painted cleared = Paint(*trend);
  EXPECT_TRUE(cleared.Is(5, 4, kBoard));
  EXPECT_TRUE(cleared.Is(15, 4, kBoard));
}
