// The program started in an empty data root of its own, with a scripted user and a
// recording web-link opener; everything is put back when the test ends.
#pragma once

#include "app/forms/main_window.h"
#include "tests/support/scripted_ui.h"

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <ostream>
#include <vector>

class TFadeButton;

// Failures show texts as texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class ShellFixture : public ::testing::Test {
protected:
  ShellFixture();
  ~ShellFixture() override;

  // Runs the start-up (every form built into the program) and shows the main window.
  void Start();
  // Writes a file below the data root ("LANGUAGE/Italiano.lng").
  void WriteFile(const QString& relativePath, const QByteArray& bytes);
  QString Path(const QString& relativePath) const;
  TFFabricoreFirmWare* Main() const { return FFabricoreFirmWare; }
  // Clicks a main-window button with the mouse; a hidden one (the other models'
  // steps) through the main window's click handler.
  static void ClickButton(TFadeButton* button);

  QTemporaryDir root;
  ScriptedUi ui;
  std::vector<QString> opened;  // web links the program asked to open
};
