#pragma once
// The manual-dice dialog: one field per die, a digit 1 to 6 each, with the
// face beside it.
#include <wx/dialog.h>

#include <cstdint>

struct DiceRoller;
class Host;
class wxStaticBitmap;
class wxTextCtrl;

class DiceDlg : public wxDialog {
 public:
  // Shows die[0] and die[1] of dice. host (may be null) gives the beep and the
  // message box.
  DiceDlg(wxWindow* parent, DiceRoller& dice, Host* host);

  // The edit of IDC_DICE_VALUE1 or IDC_DICE_VALUE2, the face static of
  // IDC_DICE_FACE1 or IDC_DICE_FACE2; null for other ids.
  wxTextCtrl* Edit(int id) const;
  wxStaticBitmap* Face(int id) const;
  // The value whose face a static shows.
  int FaceValue(int faceId) const;
  // The edit that the change handling last gave the focus to.
  int ChosenEdit() const { return m_chosenEdit; }

  // OK: takes the fields into the dice object and closes; an empty field is
  // refused with a message and a beep, and the dialog stays. True when closed.
  bool PressOK();

  int32_t m_value1 = 1;
  int32_t m_value2 = 1;
  DiceRoller* m_dice;

 private:
  void OnValueChanged(int editId, int32_t& member);
  void ShowDieIcon(int editId, int value);
  void Choose(int editId);
  void Beep();

  Host* m_host;
  wxTextCtrl* m_edit[2] = {};
  wxStaticBitmap* m_face[2] = {};
  int m_faceValue[2] = {1, 1};
  int m_chosenEdit = 0;
};
