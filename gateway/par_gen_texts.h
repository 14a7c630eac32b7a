// Which text of the language text list each control of the communication-parameter
// form shows. The form's own texts are a short table; each panel's controls take
// the consecutive texts of the panel's runs, row by row: a label its caption, each
// input its hint (the four address edits one each), a check box its caption and
// then its hint. Three Wi-Fi combo boxes take their items from the runs too.
// Widget-free: Set_Lang applies the assignments.
#pragma once

#include "gateway/par_gen_panels.h"

#include <QString>
#include <span>
#include <vector>

enum class TTextTarget {
  Caption,  // caption of the control (the form's own caption for an empty name)
  Hint,
  Items,    // the list of a combo box: Count texts from Text on, item 0 selected
};

struct TTextAssignment {
  QString Control;
  TTextTarget Target;
  int Text;
  int Count = 1;

  bool operator==(const TTextAssignment&) const = default;
};

// A run of consecutive text indexes, First to Last.
struct TTextRun {
  int First;
  int Last;
};

// The texts of the form, its subtitle and its two buttons.
std::vector<TTextAssignment> Form_Text_Assignments();

// The runs of a panel's texts, in the order its controls take them.
std::span<const TTextRun> Panel_Text_Runs(TParGenPanel panel);

// The assignments of one panel by the panel rule (its header is not among them:
// that is set once when the panels are ordered).
std::vector<TTextAssignment> Panel_Text_Assignments(TParGenPanel panel);

// Everything Set_Lang assigns: the form's texts, then the 34 panels.
const std::vector<TTextAssignment>& ParGen_Text_Assignments();
