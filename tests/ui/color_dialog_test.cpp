// The colour-scheme dialog under X: what it shows (in pixels for the
// swatches), the colour chooser from a swatch and its ".." button, the
// preview, reset, and OK, Cancel and Esc.
#include "settings/color_dialog.h"

#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tests/settings/recording_game.h"
#include "tests/support/fake_host.h"
#include "tests/ui/dialog_actions.h"
#include "ui/color_dialog.h"
#include "ui/dialog_help.h"
#include "ui/wx_dialogs.h"

namespace {

using Calls = std::vector<std::string>;

// The swatch as it paints itself.
wxImage Painted(ColorSwatch* swatch) {
  wxBitmap bmp(swatch->GetClientSize());
  {
    wxMemoryDC dc(bmp);
    swatch->Draw(dc);
  }
  return bmp.ConvertToImage();
}

bool HasWhitePixel(const wxImage& img) {
  for (int y = 0; y < img.GetHeight(); ++y)
    for (int x = 0; x < img.GetWidth(); ++x)
      if (img.GetRed(x, y) == 255 && img.GetGreen(x, y) == 255 && img.GetBlue(x, y) == 255) return true;
  return false;
}

void ClickSwatch(ColorSwatch* swatch) {
  wxMouseEvent up(wxEVT_LEFT_UP);
  up.SetEventObject(swatch);
  swatch->GetEventHandler()->ProcessEvent(up);
}

class ColorDialogWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetOptionsToBuiltIn();
    g_SchemeFile = game.dir.File("tremaw32.clr");
    g_Colors = g_DefaultSchemes[0];
    dialogs.game = &game;
    dialogs.chooseColour = [this](Color initial, Color& chosen) {
      offered.push_back(initial);
      chosen = next;
      return pick;
    };
  }
  void TearDown() override {
    ResetOptionsToBuiltIn();
    g_SchemeFile.clear();
  }
  int Open(std::function<int(BackgClrDialog&)> act) {
    dialogs.answer = [act](wxDialog& d) { return act(dynamic_cast<BackgClrDialog&>(d)); };
    return dialogs.Colors();
  }

  RecordingGame game;
  FakeHost host;
  WxGameDialogs dialogs{nullptr, &host};
  std::vector<Color> offered;  // the chooser's starting colours
  Color next = 0;
  bool pick = true;
};

TEST_F(ColorDialogWindowTest, ShowsTheSchemeInUseWithGermanLabelsAndItsHelp) {
  ColorScheme schemes[kSchemes] = {g_DefaultSchemes[0], g_DefaultSchemes[1], g_DefaultSchemes[2], g_DefaultSchemes[3]};
  schemes[2][ColorBackground] = 0x00203040;
  ASSERT_TRUE(WriteSchemeFile(g_SchemeFile, schemes));
  g_CurScheme = 2;
  std::vector<int> asked;
  SetDialogHelpHook([&](int context) { asked.push_back(context); });
  EXPECT_EQ(Open([&](BackgClrDialog& dlg) {
              EXPECT_EQ(dlg.GetTitle().utf8_string(), "Wähle oder ändere Farbschema");
              EXPECT_EQ(dlg.Schemes()->GetCount(), 4u);
              for (unsigned n = 0; n < 4 && n < dlg.Schemes()->GetCount(); ++n)
                EXPECT_EQ(dlg.Schemes()->GetString(n).utf8_string(), std::string("Schema ") + char('A' + n));
              EXPECT_EQ(dlg.Schemes()->GetSelection(), 2);
              const Calls labels = {"O&K", "Abbr&uch", "&Zurücksetzen", "Hif&e"};
              const int ids[] = {wxID_OK, wxID_CANCEL, 1016, wxID_HELP};
              for (int i = 0; i < 4; ++i) EXPECT_EQ(LabelOf(dlg.FindWindow(ids[i])), labels[i]);
              EXPECT_TRUE(dlg.ResetButton()->IsEnabled());  // scheme C differs from its built-in values
              ExpectNoControlOverlaps(&dlg);
              for (int slot = 0; slot < kColorSlots; ++slot) {
                EXPECT_EQ(LabelOf(dlg.PickButton(slot)), "..");
                // The swatch is filled with its colour, its label on it, white on dark colours.
                const wxImage img = Painted(dlg.Swatch(slot));
                const Color c = schemes[2][slot];
                EXPECT_EQ(wxColour(img.GetRed(2, 2), img.GetGreen(2, 2), img.GetBlue(2, 2)),
                          wxColour(ColorR(c), ColorG(c), ColorB(c)))
                    << slot;
                EXPECT_EQ(HasWhitePixel(img), WhiteSwatchText(c)) << slot;
              }
              PressKey(dlg, WXK_F1);
              Click(dlg.FindWindow(wxID_HELP));
              return wxID_CANCEL;
            }),
            IDCANCEL);
  SetDialogHelpHook(nullptr);
  EXPECT_EQ(asked, (std::vector<int>{105, 105}));
  EXPECT_EQ(g_Colors, g_DefaultSchemes[0]);  // opening and Cancel leave the colours as they were
}

TEST_F(ColorDialogWindowTest, EditsPreviewAtOnceAndOkSavesAllFourSchemes) {
  EXPECT_EQ(Open([&](BackgClrDialog& dlg) {
              EXPECT_FALSE(dlg.ResetButton()->IsEnabled());
              // A swatch and its ".." button open the chooser for the same slot.
              next = 0x00112233;
              ClickSwatch(dlg.Swatch(ColorHuman));
              next = 0x00445566;
              Click(dlg.PickButton(ColorHuman));
              EXPECT_EQ(offered, (std::vector<Color>{g_DefaultSchemes[0][ColorHuman], 0x00112233}));
              EXPECT_EQ(g_Colors[ColorHuman], 0x00445566u);
              EXPECT_EQ(dlg.Swatch(ColorHuman)->Colour(), 0x00445566u);
              EXPECT_TRUE(dlg.ResetButton()->IsEnabled());
              // A cancelled chooser changes nothing.
              pick = false;
              Click(dlg.PickButton(ColorBar));
              EXPECT_EQ(dlg.Swatch(ColorBar)->Colour(), g_DefaultSchemes[0][ColorBar]);
              pick = true;
              // The bar's row has its ids the other way round.
              next = 0x00010101;
              Click(dlg.FindWindow(1023));
              EXPECT_EQ(g_Colors[ColorBar], 0x00010101u);
              Click(dlg.ResetButton());
              EXPECT_EQ(g_Colors, g_DefaultSchemes[0]);
              EXPECT_FALSE(dlg.ResetButton()->IsEnabled());
              // Edit scheme B, then choose D and keep it.
              ChooseEntry(dlg.Schemes(), 1);
              next = 0x00ABCDEF;
              Click(dlg.PickButton(ColorBackground));
              ChooseEntry(dlg.Schemes(), 3);
              EXPECT_EQ(dlg.Swatch(ColorComputer)->Colour(), g_DefaultSchemes[3][ColorComputer]);
              EXPECT_EQ(g_Colors, g_DefaultSchemes[3]);
              Click(dlg.FindWindow(wxID_OK));
              return dlg.GetReturnCode();
            }),
            IDOK);
  EXPECT_EQ(g_CurScheme, 3);
  EXPECT_EQ(g_Colors, g_DefaultSchemes[3]);
  ColorScheme saved[kSchemes];
  int read = 0;
  ASSERT_TRUE(ReadSchemeFile(g_SchemeFile, saved, read));
  EXPECT_EQ(read, 4);
  EXPECT_EQ(saved[1][ColorBackground], 0x00ABCDEFu);
  EXPECT_EQ(saved[0], g_DefaultSchemes[0]);
  EXPECT_EQ(saved[3], g_DefaultSchemes[3]);

  // A file that cannot be written: the command hears of it.
  g_SchemeFile = game.dir.path().string();
  EXPECT_EQ(Open([](BackgClrDialog& dlg) {
              Click(dlg.FindWindow(wxID_OK));
              return dlg.GetReturnCode();
            }),
            kColorsNotSaved);
}

TEST_F(ColorDialogWindowTest, CancelEscAndTheCloseBoxBringBackTheColoursBefore) {
  g_Colors[ColorBar] = 0x00ABCDEF;
  const ColorScheme before = g_Colors;
  for (int how = 0; how < 3; ++how) {
    game.calls.clear();
    EXPECT_EQ(Open([&](BackgClrDialog& dlg) {
                ChooseEntry(dlg.Schemes(), 2);
                next = 0x00000001;
                Click(dlg.PickButton(ColorPointA));
                EXPECT_EQ(g_Colors[ColorPointA], 0x00000001u);
                if (how == 0) Click(dlg.FindWindow(wxID_CANCEL));
                if (how == 1) PressKey(dlg, WXK_ESCAPE);
                if (how == 2) dlg.Close();
                return dlg.GetReturnCode();
              }),
              IDCANCEL)
        << how;
    EXPECT_EQ(g_Colors, before) << how;
    EXPECT_EQ(game.calls.back(), "colors") << how;
    EXPECT_EQ(g_CurScheme, 0) << how;
    EXPECT_FALSE(std::ifstream(g_SchemeFile).good()) << how;
  }
}

}  // namespace
