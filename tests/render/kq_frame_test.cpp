// Frame transforms compose in row-vector order (own transform first), an animator's output
// replaces the local matrix, and deletion reaches exactly the frames it is asked to.
#include <gtest/gtest.h>

#include "render/kq_frame.h"
#include "render/matrices.h"

namespace {

D3DXVECTOR3 Origin(const D3DXMATRIX& m) { return D3DXVECTOR3(m._41, m._42, m._43); }

void ExpectPoint(const D3DXVECTOR3& actual, float x, float y, float z) {
  EXPECT_NEAR(actual.x, x, 1e-5f);
  EXPECT_NEAR(actual.y, y, 1e-5f);
  EXPECT_NEAR(actual.z, z, 1e-5f);
}

// Writes a fixed world matrix and counts its own destruction.
class FixedAnimator : public KQ_AnimationBase {
public:
  FixedAnimator(const D3DXMATRIX& output, int* destroyed) : output_(output), destroyed_(destroyed) {}
  ~FixedAnimator() override { ++*destroyed_; }
  void Animate(KQ_Frame& frame) override { frame.world = output_; }

private:
  D3DXMATRIX output_;
  int* destroyed_;
};

TEST(KQ_Frame, StartsWithIdentityMatricesWindingSetAndNothingAttached) {
  KQ_Frame frame;
  D3DXMATRIX identity;
  D3DXMatrixIdentity(&identity);
  EXPECT_TRUE(frame.world == identity);
  EXPECT_TRUE(frame.local == identity);
  EXPECT_EQ(1, frame.windingFlag);
  EXPECT_EQ(0, frame.radius);
  EXPECT_FALSE(frame.animator);
  EXPECT_TRUE(frame.children.empty());
}

TEST(KQ_Frame, WithoutAnimatorOrParentTheWorldIsTheLocalMatrix) {
  KQ_Frame frame;
  frame.local = Translation(3, 4, 5);
  frame.UpdateTransforms(nullptr);
  EXPECT_TRUE(frame.world == frame.local);
}

TEST(KQ_Frame, AChildInheritsItsParentsAnimatedWorldNotItsLocalMatrix) {
  int destroyed = 0;
  KQ_Frame parent;
  parent.local = Translation(9, 9, 9);  // ignored: the animator decides
  parent.animator = std::make_shared<FixedAnimator>(Translation(1, 0, 0), &destroyed);
  KQ_Frame* child = parent.AddChild();
  child->local = Translation(0, 2, 0);

  parent.UpdateTransforms(nullptr);

  ExpectPoint(Origin(child->world), 1, 2, 0);
  parent.DeleteChildren();
}

TEST(KQ_Frame, TheChildsOwnTransformActsBeforeItsParents) {
  KQ_Frame parent;
  D3DXMatrixRotationZ(&parent.local, D3DX_PI / 2);
  KQ_Frame* child = parent.AddChild();
  child->local = Translation(1, 0, 0);
  const D3DXMATRIX carrier = Translation(0, 0, 7);

  parent.UpdateTransforms(&carrier);

  // (1, 0, 0) turned a quarter about z is (0, 1, 0); the carrier's translation comes last.
  ExpectPoint(Origin(child->world), 0, 1, 7);
  parent.DeleteChildren();
}

TEST(KQ_Frame, AddChildCopiesTheBoundingSphereOnly) {
  KQ_Frame parent;
  parent.centre = D3DXVECTOR3(5, 6, 7);
  parent.radius = 2;
  parent.local = Translation(1, 1, 1);
  KQ_Frame* child = parent.AddChild();

  ASSERT_EQ(1u, parent.children.size());
  EXPECT_EQ(child, parent.children[0]);
  EXPECT_EQ(2, child->radius);
  EXPECT_TRUE(child->centre == D3DXVECTOR3(5, 6, 7));
  D3DXMATRIX identity;
  D3DXMatrixIdentity(&identity);
  EXPECT_TRUE(child->local == identity);
  EXPECT_TRUE(child->world == identity);
  EXPECT_FALSE(child->animator);
  parent.DeleteChildren();
}

TEST(KQ_Frame, DestroyingAFrameLeavesItsChildrenAlive) {
  int destroyed = 0;
  KQ_Frame* child = nullptr;
  {
    KQ_Frame parent;
    child = parent.AddChild();
    child->animator = std::make_shared<FixedAnimator>(Translation(0, 0, 0), &destroyed);
  }
  EXPECT_EQ(0, destroyed);
  child->DestroyWithChildren();
  EXPECT_EQ(1, destroyed);
}

TEST(KQ_Frame, DestroyWithChildrenDeletesTheWholeTreeWithItsAnimators) {
  int destroyed = 0;
  KQ_Frame* root = new KQ_Frame;
  root->animator = std::make_shared<FixedAnimator>(Translation(0, 0, 0), &destroyed);
  for (int i = 0; i < 2; ++i) {
    KQ_Frame* child = root->AddChild();
    child->animator = std::make_shared<FixedAnimator>(Translation(0, 0, 0), &destroyed);
    child->AddChild()->animator = std::make_shared<FixedAnimator>(Translation(0, 0, 0), &destroyed);
  }
  root->DestroyWithChildren();
  EXPECT_EQ(5, destroyed);
}

TEST(KQ_Frame, CopiesShareTheAnimatorAndChildrenAndTheAnimatorGoesOnce) {
  int destroyed = 0;
  auto original = std::make_unique<KQ_Frame>();
  original->animator = std::make_shared<FixedAnimator>(Translation(2, 0, 0), &destroyed);
  KQ_Frame* child = original->AddChild();
  KQ_Frame copy(*original);
  KQ_Frame assigned;
  assigned = *original;

  EXPECT_EQ(original->animator, copy.animator);
  EXPECT_EQ(original->animator, assigned.animator);
  ASSERT_EQ(1u, copy.children.size());
  EXPECT_EQ(child, copy.children[0]);

  original->DeleteChildren();
  original.reset();
  EXPECT_EQ(0, destroyed);
  copy.children.clear();
  assigned.children.clear();
  copy.UpdateTransforms(nullptr);
  ExpectPoint(Origin(copy.world), 2, 0, 0);
  copy.animator.reset();
  assigned.animator.reset();
  EXPECT_EQ(1, destroyed);
}

}  // namespace
