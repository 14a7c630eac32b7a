// A test with an active project "P1" in a temporary data root: the shared state
// reset, the editor file paths set, the default texts loaded and the row clipboard
// empty; everything is put back afterwards.
#pragma once

#include <QTemporaryDir>
#include <gtest/gtest.h>

class ProjectTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  QTemporaryDir dir_;
};
