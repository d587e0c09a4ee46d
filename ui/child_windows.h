#pragma once
// The main frame's child windows: the board canvas, the game log, the trend
// bar, a tray's count and the doubling cube. They show what the frame hands
// them; none of them knows the game.
#include <wx/button.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include <functional>
#include <string>
#include <vector>

#include "board/board_window.h"

class wxDC;

// Makes font smaller, in half points down to a floor, until each of texts is
// at most width pixels wide in it on window's screen. True when the font was
// changed.
bool FitFont(wxWindow* window, wxFont& font, const std::vector<wxString>& texts, int width);

// The board: shows the kept surface through paint. Named so that the input
// router takes its mouse events as clicks on the board.
class BoardCanvas : public wxWindow {
 public:
  BoardCanvas(wxWindow* parent, std::function<void()> paint);
};

// The game log: the lines the game keeps, drawn in the game's font, and the
// blinking input cursor after the last one. It never keeps the focus.
class GameLogPanel : public wxWindow {
 public:
  GameLogPanel(wxWindow* parent, const wxRect& r);
  bool AcceptsFocus() const override { return false; }
  bool AcceptsFocusFromKeyboard() const override { return false; }

  int LineHeight() const { return m_lineHeight; }
  int LinesPerPage() const { return GetClientSize().y / m_lineHeight; }
  static constexpr int kTextIndent = 2;

  void SetLines(const std::vector<std::string>& lines);
  void SetColour(const wxColour& c);
  void SetCursorText(const wxPoint& at, const wxString& text);

 private:
  void MeasureLineHeight();
  void Paint();

  std::vector<wxString> m_lines;
  wxColour m_bg = *wxWHITE;
  int m_lineHeight = 14;
  wxPoint m_cursorAt;
  wxString m_cursorText;
  bool m_cursorShown = false;
};

// A window that stands on its parent: each paint clears it to the parent's
// background colour before Draw adds what it shows.
class OnParentBackground : public wxWindow {
 public:
  // Paints into dc what the paint handler paints on the screen.
  void Render(wxDC& dc);

 protected:
  OnParentBackground(wxWindow* parent, const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                     long style = 0, const wxString& name = wxASCII_STR(wxPanelNameStr));
  virtual void Draw(wxDC& dc) = 0;
};

// The trend bar over pane 1 of the status bar: two filled rectangles with a
// one-pixel outline, or nothing.
class TrendBarWindow : public OnParentBackground {
 public:
  explicit TrendBarWindow(wxWindow* parent) : OnParentBackground(parent) {}
  void Set(const wxRect& c, const wxColour& cc, const wxRect& h, const wxColour& hc);
  void Clear();
  bool Shown() const { return m_shown; }
  wxRect ComputerRect() const { return m_c; }
  wxRect HumanRect() const { return m_h; }

 private:
  void Draw(wxDC& dc) override;

  wxRect m_c, m_h;
  wxColour m_cc, m_hc;
  bool m_shown = false;
};

// The count of a bear-off tray: text on the board's background, black, or
// yellow while the tray is a target. Clicks go through to the board.
class TrayLabelCtrl : public OnParentBackground {
 public:
  TrayLabelCtrl(wxWindow* parent, const wxRect& r, bool alignRight, const wxString& text);
  bool AcceptsFocus() const override { return false; }
  void Set(const wxString& text, bool yellow);
  const wxString& Text() const { return m_text; }
  bool Yellow() const { return m_yellow; }

 private:
  void Draw(wxDC& dc) override;

  bool m_alignRight;
  wxString m_text;
  bool m_yellow = false;
};

// The core's handle of a tray label; the control goes with it.
class WxTrayLabel : public TrayLabel {
 public:
  explicit WxTrayLabel(TrayLabelCtrl* ctrl) : m_ctrl(ctrl) {}
  ~WxTrayLabel() override;
  void SetText(const std::string& text, bool yellow) override;

 private:
  wxWeakRef<TrayLabelCtrl> m_ctrl;
};

// The doubling cube: a push button that never keeps the keyboard focus.
class CubeButtonCtrl : public wxButton {
 public:
  CubeButtonCtrl(wxWindow* parent, const wxRect& r);
  bool AcceptsFocus() const override { return false; }
  bool AcceptsFocusFromKeyboard() const override { return false; }
};
