#include "math/math3d.h"

#include <gtest/gtest.h>

namespace math3d {
namespace {

constexpr float kEps = 1e-6f;

void ExpectVector(const Vector3& v, float x, float y, float z, float eps = kEps) {
  EXPECT_NEAR(v.GetX(), x, eps);
  EXPECT_NEAR(v.GetY(), y, eps);
  EXPECT_NEAR(v.GetZ(), z, eps);
}

bool IsIdentity(const Matrix3x3& m, float eps = kEps) {
  for (unsigned i = 0; i < 3; ++i)
    for (unsigned j = 0; j < 3; ++j)
      if (std::fabs(m(i, j) - (i == j ? 1.0f : 0.0f)) > eps)
        return false;
  return true;
}

TEST(Vector3Test, ArithmeticLengthNormalizeAndCrossProduct) {
  const Vector3 v(1, 2, 3);
  ExpectVector(v * 2.0f + 0.5f * v, 2.5f, 5, 7.5f, 0);
  Vector3 w(3, 0, 4);
  EXPECT_FLOAT_EQ(w.Length(), 5.0f);
  w.Normalize();
  ExpectVector(w, 0.6f, 0, 0.8f);
  Vector3 zero;
  zero.Normalize();  // no division by a zero length
  ExpectVector(zero, 0, 0, 0, 0);
  // The cross product and the skew-symmetric matrix agree.
  ExpectVector(CrossProduct(Vector3(1, 0, 0), Vector3(0, 1, 0)), 0, 0, 1, 0);
  const Vector3 p(0.3f, -1.7f, 2.5f), u(4.0f, 0.5f, -1.25f);
  const Matrix3x3 skew(p, SkewSymmetric);
  ExpectVector(skew * p, 0, 0, 0);
  const Vector3 b = CrossProduct(p, u);
  ExpectVector(skew * u, b.GetX(), b.GetY(), b.GetZ());
}

TEST(Matrix3x3Test, ProductsFollowRowColumnConvention) {
  Matrix3x3 a, b;
  float n = 1.0f;
  for (unsigned i = 0; i < 3; ++i)
    for (unsigned j = 0; j < 3; ++j) {
      a(i, j) = n;
      b(i, j) = 10.0f - n;
      n += 1.0f;
    }
  const Matrix3x3 p = a * b;
  // Row 0 of a is (1,2,3); column 0 of b is (9,6,3).
  EXPECT_FLOAT_EQ(p(0, 0), 1 * 9 + 2 * 6 + 3 * 3);
  EXPECT_FLOAT_EQ(p(2, 1), 7 * 8 + 8 * 5 + 9 * 2);
  ExpectVector(a * Vector3(1, 0, -1), -2, -2, -2, 0);
  EXPECT_EQ(Transpose(a)(0, 2), a(2, 0));
  const Matrix3x3 s = 2.0f * a + b;
  EXPECT_EQ(s(1, 1), 2 * 5.0f + 5.0f);
}

TEST(Matrix3x3Test, OrthonormalizeRepairsColumns) {
  Matrix3x3 missing_z;
  missing_z(2, 2) = 0.0f;
  Orthonormalize(missing_z);
  EXPECT_TRUE(IsIdentity(missing_z, 0));

  // A drifted rotation becomes orthonormal and right-handed; column 0 keeps its direction.
  Matrix3x3 drifted = RotationZ(30) * RotationX(50);
  drifted(0, 0) *= 1.01f;
  drifted(1, 2) += 0.02f;
  const Vector3 before = drifted.Column(0) * (1.0f / drifted.Column(0).Length());
  Orthonormalize(drifted);
  EXPECT_TRUE(IsIdentity(Transpose(drifted) * drifted, 2e-6f));
  ExpectVector(drifted.Column(0), before.GetX(), before.GetY(), before.GetZ());
  const Vector3 z = CrossProduct(drifted.Column(0), drifted.Column(1));
  ExpectVector(drifted.Column(2), z.GetX(), z.GetY(), z.GetZ());
}

TEST(Matrix3x3Test, OpenGLMatrixIsColumnMajor) {
  float m[16];
  ToOpenGLMatrix(Matrix3x3(), Vector3(1, 2, 3), m);
  const float expected[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(m[i], expected[i]) << i;
  const Matrix3x3 r = RotationZ(90);
  ToOpenGLMatrix(r, Vector3(), m);
  EXPECT_EQ(m[1], r(1, 0));  // column 0, row 1
  EXPECT_EQ(m[4], r(0, 1));
}

TEST(Math3dDeathTest, GuardsReportConditionSourceAndLine) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  Vector3 v;
  Matrix3x3 m;
  unsigned three = 3;
  EXPECT_DEATH(v(three) = 1.0f, "Assertion failed: Row < 3, file math3d, line [0-9]+");
  EXPECT_DEATH(m(0, three) = 1.0f,
               R"(Assertion failed: \(Row < 3\) && \(Column < 3\), file math3d)");
  EXPECT_DEATH(m(static_cast<unsigned>(-1), 0), R"(\(Row < 3\) && \(Column < 3\))");
  EXPECT_DEATH(Matrix3x3(v, static_cast<ConstructionMode>(1)),
               "Assertion failed: Mode == SkewSymmetric, file math3d");
  EXPECT_DEATH(ToOpenGLMatrix(m, v, nullptr), "Assertion failed: pM, file math3d");
}

}  // namespace
}  // namespace math3d
