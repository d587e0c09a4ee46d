// The board's drawing surface on wx and the pictures drawn by our own code.
#include <gtest/gtest.h>

#include <vector>

#include "ui/images.h"
#include "ui/wx_surface.h"

namespace {
constexpr Color kRed = MakeColor(255, 0, 0);
constexpr Color kBlue = MakeColor(0, 0, 255);
constexpr Color kGreen = MakeColor(0, 160, 0);

std::vector<Color> Region(WxSurface& s, int x, int y, int w, int h) {
  std::vector<Color> out;
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) out.push_back(s.PixelAt(x + i, y + j));
  return out;
}
}  // namespace

TEST(WxSurfaceTest, ShapesCoverExactlyTheirPixels) {
  WxSurface s(nullptr);
  s.EnsureSize(80, 60);
  s.FillRect(Rect{0, 0, 80, 60}, kWhite);

  // Rectangles exclude their right and bottom edges.
  s.FillRect(Rect{2, 2, 6, 5}, kRed);
  EXPECT_EQ(s.PixelAt(2, 2), kRed);
  EXPECT_EQ(s.PixelAt(5, 4), kRed);
  EXPECT_EQ(s.PixelAt(6, 4), kWhite);
  EXPECT_EQ(s.PixelAt(5, 5), kWhite);

  // Lines leave out their end point, straight or slanted.
  s.Line({10, 2}, {15, 2}, kBlack);
  EXPECT_EQ(s.PixelAt(10, 2), kBlack);
  EXPECT_EQ(s.PixelAt(14, 2), kBlack);
  EXPECT_EQ(s.PixelAt(15, 2), kWhite);
  s.Line({20, 8}, {20, 2}, kBlack);
  EXPECT_EQ(s.PixelAt(20, 8), kBlack);
  EXPECT_EQ(s.PixelAt(20, 3), kBlack);
  EXPECT_EQ(s.PixelAt(20, 2), kWhite);
  s.Line({30, 2}, {34, 6}, kBlack);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(s.PixelAt(30 + i, 2 + i), kBlack) << i;
  EXPECT_EQ(s.PixelAt(34, 6), kWhite);
  s.Line({40, 40}, {40, 40}, kBlack);  // nothing at all
  EXPECT_EQ(s.PixelAt(40, 40), kWhite);

  // A filled rectangle with a pen: one-pixel rim inside the rectangle.
  s.Rectangle(Rect{50, 2, 60, 10}, kBlue, kBlack);
  EXPECT_EQ(s.PixelAt(50, 2), kBlack);
  EXPECT_EQ(s.PixelAt(59, 9), kBlack);
  EXPECT_EQ(s.PixelAt(51, 3), kBlue);
  EXPECT_EQ(s.PixelAt(60, 9), kWhite);

  // A point's triangle: filled, outlined through its corners.
  const Point tri[3] = {{10, 20}, {20, 40}, {30, 20}};
  s.FillPolygon(tri, 3, kGreen, kWhite);
  s.FillRect(Rect{0, 45, 80, 60}, kBlack);
  const Point tri2[3] = {{10, 46}, {20, 58}, {30, 46}};
  s.FillPolygon(tri2, 3, kGreen, kRed);
  EXPECT_EQ(s.PixelAt(10, 46), kRed);
  EXPECT_EQ(s.PixelAt(20, 58), kRed);
  EXPECT_EQ(s.PixelAt(20, 50), kGreen);
  EXPECT_EQ(s.PixelAt(5, 50), kBlack);
  EXPECT_EQ(s.PixelAt(20, 30), kGreen);

  // An ellipse stays within its box and fills its middle.
  s.FillRect(Rect{60, 20, 80, 45}, kWhite);
  s.FillEllipse(Rect{62, 22, 74, 34}, kRed);
  EXPECT_EQ(s.PixelAt(68, 28), kRed);
  EXPECT_EQ(s.PixelAt(62, 22), kWhite);
  EXPECT_EQ(s.PixelAt(74, 28), kWhite);

  // Degenerate input draws nothing and does not fail.
  s.FillRect(Rect{10, 10, 5, 5}, kRed);
  s.FillEllipse(Rect{0, 0, 0, 0}, kRed);
  s.FillPolygon(nullptr, 3, kRed, kRed);
  s.FillPolygon(tri, 1, kRed, kRed);
  EXPECT_EQ(s.PixelAt(-1, 0), kBlack);
  EXPECT_EQ(s.PixelAt(0, 1000), kBlack);
}

TEST(WxSurfaceTest, TextIsOpaqueAndSquaresRestoreExactly) {
  WxSurface s(nullptr);
  s.EnsureSize(120, 60);
  s.FillRect(Rect{0, 0, 120, 60}, kWhite);

  const Size ext = s.TextExtent("7");
  EXPECT_GT(ext.cx, 2);
  EXPECT_GT(ext.cy, 6);
  EXPECT_LT(ext.cy, 30) << "the game's font is a small one";
  EXPECT_GT(s.TextExtent("Würfeln: 6+6").cx, s.TextExtent("Wrfeln: 6+6").cx) << "umlauts survive";
  EXPECT_EQ(s.TextExtent("").cx, 0);

  s.Text(10, 10, "7", kBlack, kRed);
  // The cell is filled with the background colour, the glyph is dark.
  EXPECT_EQ(s.PixelAt(10, 10), kRed);
  EXPECT_EQ(s.PixelAt(10 + ext.cx - 1, 10 + ext.cy - 1), kRed);
  int dark = 0;
  for (Color c : Region(s, 10, 10, ext.cx, ext.cy))
    if (ColorR(c) < 128 && ColorG(c) < 128) ++dark;
  EXPECT_GT(dark, 3);
  EXPECT_EQ(s.PixelAt(10 + ext.cx, 10), kWhite);

  // A square copied out and put back returns the pixels exactly, also after
  // something else was drawn over them.
  s.FillEllipse(Rect{40, 10, 60, 30}, kBlue);
  const std::vector<Color> before = Region(s, 38, 8, 24, 24);
  auto square = s.CreateSquare(24, 24);
  s.CopyOut(*square, 38, 8);
  s.FillRect(Rect{30, 0, 70, 40}, kGreen);
  EXPECT_NE(Region(s, 38, 8, 24, 24), before);
  s.ClearDirty();
  s.CopyIn(*square, 38, 8);
  EXPECT_EQ(Region(s, 38, 8, 24, 24), before);
  EXPECT_EQ(s.Dirty(), (Rect{38, 8, 62, 32}));
  s.Flush();  // no canvas: only forgets what changed
  EXPECT_EQ(s.Dirty(), Rect{});

  // Growing keeps what is drawn.
  s.EnsureSize(300, 200);
  EXPECT_EQ(s.GetSize().cx, 300);
  EXPECT_EQ(Region(s, 38, 8, 24, 24), before);
  s.EnsureSize(10, 10);
  EXPECT_EQ(s.GetSize().cx, 300) << "never shrinks";
}

// At two device pixels to each logical one, a straight line covers exactly the
// logical pixels it covers at one, whichever way it runs, and a square (made
// before the scale changed, too) puts every device pixel back.
TEST(WxSurfaceTest, DenseSurfaceKeepsLinesAndSquaresExact) {
  WxSurface flat(nullptr), dense(nullptr);
  auto square = dense.CreateSquare(12, 12);
  ASSERT_TRUE(dense.SetScale(2));
  for (WxSurface* s : {&flat, &dense}) {
    s->EnsureSize(40, 30);
    s->FillRect(Rect{0, 0, 40, 30}, kWhite);
    s->Line({4, 2}, {12, 2}, kBlack);
    s->Line({12, 5}, {4, 5}, kBlack);
    s->Line({20, 2}, {20, 12}, kBlack);
    s->Line({24, 12}, {24, 2}, kBlack);
    const Point tri[3] = {{2, 16}, {8, 26}, {14, 16}};
    s->FillPolygon(tri, 3, kGreen, kRed);
  }
  ASSERT_EQ(dense.Scale(), 2);
  // Down to the triangle's top edge, drawn leftwards with its end point; its
  // slanting sides step finer.
  for (int y = 0; y <= 16; ++y)
    for (int x = 0; x < 30; ++x) {
      const Color c = flat.PixelAt(x, y);
      for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i) ASSERT_EQ(dense.DevicePixelAt(2 * x + i, 2 * y + j), c) << x << "," << y;
    }
  dense.FillEllipse(Rect{30, 4, 39, 13}, kBlue);
  std::vector<Color> before;
  for (int y = 6; y < 30; ++y)
    for (int x = 58; x < 80; ++x) before.push_back(dense.DevicePixelAt(x, y));
  dense.CopyOut(*square, 29, 3);
  dense.FillRect(Rect{28, 2, 40, 16}, kGreen);
  dense.CopyIn(*square, 29, 3);
  std::vector<Color> after;
  for (int y = 6; y < 30; ++y)
    for (int x = 58; x < 80; ++x) after.push_back(dense.DevicePixelAt(x, y));
  EXPECT_EQ(after, before);
}

TEST(ImagesTest, DieFacesAndConfirmationCursor) {
  for (int v = 1; v <= 6; ++v) {
    int pips = 0;
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c) {
        pips += DiePip(v, r, c) ? 1 : 0;
        EXPECT_EQ(DiePip(v, r, c), DiePip(v, 2 - r, 2 - c)) << "faces are symmetric";
      }
    EXPECT_EQ(pips, v);
    EXPECT_EQ(DiePip(v, 1, 1), v % 2 == 1) << "odd faces have the centre pip";
  }
  EXPECT_FALSE(DiePip(0, 1, 1));
  EXPECT_FALSE(DiePip(7, 0, 0));
  EXPECT_FALSE(DiePip(3, 3, 0));

  const Color bg = MakeColor(0, 128, 64);
  const wxImage one = DieFaceImage(1, bg);
  ASSERT_EQ(one.GetWidth(), kDieFaceSize);
  ASSERT_EQ(one.GetHeight(), kDieFaceSize);
  EXPECT_EQ(one.GetRed(16, 16), 0);                    // the pip
  EXPECT_EQ(one.GetRed(8, 8), 255);                    // white face
  EXPECT_EQ(one.GetGreen(0, 0), 128);                  // the corner shows the background
  EXPECT_EQ(DieFaceImage(2, bg).GetRed(16, 16), 255);  // no centre pip on a two
  EXPECT_EQ(DieFaceImage(6, bg).GetRed(8, 16), 0);     // a middle-row pip on a six

  const wxImage cursor = ConfirmCursorImage();
  EXPECT_TRUE(cursor.HasMask());
  EXPECT_EQ(cursor.GetOptionInt(wxIMAGE_OPTION_CUR_HOTSPOT_X), 0);
  EXPECT_TRUE(ConfirmCursor().IsOk());
}
