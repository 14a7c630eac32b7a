// The checks the communication-parameter form runs on OK, in their fixed order; the
// first failing check gives the language text index of its message.
#pragma once

#include "gateway/par_gen_file.h"

#include <array>
#include <optional>

// When a check runs: always, or only while a check box is on.
enum class TParGenCheckWhen { Always, DNSEnabled, GatewayEnabled };

// How a field is tested.
enum class TParGenCheckKind {
  Int32Range,  // the text as a 32-bit number (-1 when it is none) within Min..Max
  Int64Range,  // the same read as a 64-bit number
  NotBlank,    // not empty after trimming blanks
};

struct TParGenCheck {
  TParGenField Field;
  TParGenCheckWhen When;
  TParGenCheckKind Kind;
  int64_t Min;
  int64_t Max;
  int TextIndex;
};
extern const std::array<TParGenCheck, 25> ParGen_Checks;

// Runs the checks in order; the text index of the first failure, nothing when all pass.
// The form shows that text of the language text list in an error box.
std::optional<int> Controllo_Dati(const TParGenModel& model);
