// A grid and the resize of its owner form.
#include <gtest/gtest.h>

#include "grid/view/ex_string_grid.h"
#include "platform/ui/form.h"

namespace {

TEST(GridFormResize, SizeWithFormFollowsTheFormAndKeepsItsHandler) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 500, 400);
  int kept = 0;
  form.OnResize = [&](TObject*) { ++kept; };

  auto* g = new TExStringGrid(&form);
  g->SetParent(&form);
  g->SetBounds(10, 10, 300, 200);

  // Without SizeWithForm the grid keeps its size, the form's own handler still runs.
  form.SetBounds(0, 0, 520, 420);
  EXPECT_EQ(kept, 1);
  EXPECT_EQ(g->Width(), 300);

  g->SizeWithForm = true;
  // The grid takes the form's change since the size it last followed (here the
  // size at its creation): 60 wider, 50 higher.
  form.SetBounds(0, 0, 560, 450);
  EXPECT_EQ(kept, 2);
  EXPECT_EQ(g->Width(), 360);
  EXPECT_EQ(g->Height(), 250);
  form.SetBounds(0, 0, 570, 450);
  EXPECT_EQ(g->Width(), 370);

  // A size that would leave the grid nothing is not applied.
  form.SetBounds(0, 0, 100, 450);
  EXPECT_EQ(g->Width(), 370);

  // The grid gives the form its handler back when it goes.
  delete g;
  form.SetBounds(0, 0, 600, 500);
  EXPECT_EQ(kept, 5);
}

TEST(GridFormResize, AnExceptionOfTheKeptHandlerGoesNoFurther) {
  TForm form(nullptr);
  form.OnResize = [](TObject*) { throw std::runtime_error("handler"); };
  auto* g = new TExStringGrid(&form);
  g->SetParent(&form);
  EXPECT_NO_THROW(form.SetBounds(0, 0, 640, 480));
}

}  // namespace
