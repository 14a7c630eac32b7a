// The tree view: nodes at their levels, selection in code without events, a mouse
// click on a node selecting it and raising OnClick, the colour OnCustomDrawItem
// gives each node, pictures, and clearing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTreeWidget>

#include "platform/rtl/exceptions.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"
#include "platform/ui/tree_view.h"
#include "tests/support/ui_input.h"

namespace {

struct TreeView : ::testing::Test {
  TreeView() {
    form = new TForm(nullptr);
    form->SetClientSize(300, 300);
    tree = new TTreeView(form);
    tree->SetParent(form);
    tree->SetBounds(0, 0, 300, 300);
  }
  ~TreeView() override { delete form; }

  // Clicks the node with the mouse, on its row in the view.
  void Click(TTreeNode* node) {
    auto* view = static_cast<QTreeWidget*>(tree->Widget());
    for (int y = 0; y < 300; ++y) {
      if (tree->GetNodeAt(40, y) != node) continue;
      const QPoint p = view->viewport()->mapFrom(view, QPoint(40, y));
      for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, QPointF(p), QPointF(view->viewport()->mapToGlobal(p)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &e);
      }
      return;
    }
    FAIL() << "the node is not on screen";
  }

  TForm* form;
  TTreeView* tree;
};

}  // namespace

TEST_F(TreeView, NodesHangAtTheirLevelsAndTheUsersClickSelects) {
  TTreeNode* root = tree->Items()->Add(nullptr, "device");
  TTreeNode* ld = tree->Items()->AddChild(root, "LD0");
  TTreeNode* ln = tree->Items()->AddChild(ld, "MMXU1");
  TTreeNode* other = tree->Items()->Add(ld, "CTRL");  // a sibling of LD0
  EXPECT_EQ(tree->Items()->Count(), 4);
  EXPECT_EQ(root->Count(), 2);
  EXPECT_EQ(root->Item(1), other);
  EXPECT_EQ(ln->Level(), 2);
  EXPECT_EQ(ln->Parent(), ld);
  EXPECT_THROW(root->Item(2), EListError);

  int clicks = 0;
  tree->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, tree);
    ++clicks;
  };
  tree->SetSelected(ld);  // in code: no event
  EXPECT_EQ(tree->Selected(), ld);
  EXPECT_EQ(clicks, 0);
  root->Expand(true);
  EXPECT_TRUE(ld->Expanded());
  form->Show();
  ProcessEvents();
  Click(ln);
  EXPECT_EQ(tree->Selected(), ln);
  EXPECT_EQ(clicks, 1);
  ld->Collapse(false);
  EXPECT_FALSE(ld->Expanded());

  tree->Items()->Clear();
  EXPECT_EQ(tree->Items()->Count(), 0);
  EXPECT_EQ(tree->Selected(), nullptr);
  EXPECT_EQ(tree->Items()->GetFirstNode(), nullptr);
}

TEST_F(TreeView, CustomDrawingColoursEachNodeAndPicturesFollowTheIndex) {
  TTreeNode* a = tree->Items()->Add(nullptr, "a");
  TTreeNode* b = tree->Items()->Add(nullptr, "b");
  TBitmap picture(16, 16);
  tree->AddImage(picture);
  EXPECT_EQ(tree->ImageCount(), 1);
  b->SetImageIndex(0);
  a->SetImageIndex(5);  // beyond the pictures: none shown
  EXPECT_EQ(b->ImageIndex(), 0);
  tree->Font()->SetColor(clBlack);
  EXPECT_EQ(tree->Node_Text_Color(a), clBlack);
  tree->OnCustomDrawItem = [&](TObject*, TTreeNode* node, TCustomDrawState, bool& defaultDraw) {
    if (node == b) tree->Canvas()->Font()->SetColor(0xFF0000);
    defaultDraw = true;
  };
  EXPECT_EQ(tree->Node_Text_Color(b), TColor(0xFF0000));
  EXPECT_EQ(tree->Node_Text_Color(a), clBlack);  // each node starts from the view's font
}
