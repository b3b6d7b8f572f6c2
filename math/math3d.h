#pragma once
// Single-precision 3-vectors and 3x3 matrices for the rigid-body simulations.
// Sums of products run k = 0, 1, 2 with a single-precision accumulator so results
// are the same on every machine.

#include <cmath>

#include "math/check.h"

namespace math3d {

// Not quite pi: every degree/radian and hertz conversion in both programs uses it.
inline constexpr float Pi = 3.14159267f;
inline constexpr float TwoPi = 6.28318534f;  // hertz to radians per second

#define MATH3D_CHECK(condition) RB_CHECK(condition, "math3d")

class Vector3 {
 public:
  constexpr Vector3() = default;
  constexpr Vector3(float x, float y, float z) : v_{x, y, z} {}

  float GetX() const { return v_[0]; }
  float GetY() const { return v_[1]; }
  float GetZ() const { return v_[2]; }
  void SetX(float x) { v_[0] = x; }
  void SetY(float y) { v_[1] = y; }
  void SetZ(float z) { v_[2] = z; }

  // Guarded access.
  float& operator()(unsigned Row) {
    MATH3D_CHECK(Row < 3);
    return v_[Row];
  }
  float operator()(unsigned Row) const {
    MATH3D_CHECK(Row < 3);
    return v_[Row];
  }
  // Unchecked access, for the products.
  float& operator[](unsigned i) { return v_[i]; }
  float operator[](unsigned i) const { return v_[i]; }

  float Length() const {
    float sum = v_[0] * v_[0];
    sum += v_[1] * v_[1];
    sum += v_[2] * v_[2];
    return std::sqrt(sum);
  }

  // A zero vector stays as it is.
  Vector3& Normalize() {
    const float length = Length();
    if (length == 0.0f)
      return *this;
    v_[0] /= length;
    v_[1] /= length;
    v_[2] /= length;
    return *this;
  }

 private:
  float v_[3] = {0.0f, 0.0f, 0.0f};
};

inline Vector3 CrossProduct(const Vector3& a, const Vector3& b) {
  return Vector3(a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]);
}
inline Vector3 operator+(const Vector3& a, const Vector3& b) {
  return Vector3(a[0] + b[0], a[1] + b[1], a[2] + b[2]);
}
inline Vector3 operator*(const Vector3& v, float s) {
  return Vector3(v[0] * s, v[1] * s, v[2] * s);
}
inline Vector3 operator*(float s, const Vector3& v) {
  return v * s;
}

enum ConstructionMode { SkewSymmetric = 0 };

class Matrix3x3 {
 public:
  Matrix3x3() = default;  // identity

  // The cross-product matrix: Matrix3x3(v, SkewSymmetric) * u == CrossProduct(v, u).
  Matrix3x3(const Vector3& v, ConstructionMode Mode) {
    MATH3D_CHECK(Mode == SkewSymmetric);
    m_[0] = 0.0f, m_[1] = -v[2], m_[2] = v[1];
    m_[3] = v[2], m_[4] = 0.0f, m_[5] = -v[0];
    m_[6] = -v[1], m_[7] = v[0], m_[8] = 0.0f;
  }

  // Guarded access.
  float& operator()(unsigned Row, unsigned Column) {
    MATH3D_CHECK((Row < 3) && (Column < 3));
    return m_[Row * 3 + Column];
  }
  float operator()(unsigned Row, unsigned Column) const {
    MATH3D_CHECK((Row < 3) && (Column < 3));
    return m_[Row * 3 + Column];
  }
  // Unchecked access, for the products.
  float& At(unsigned row, unsigned column) { return m_[row * 3 + column]; }
  float At(unsigned row, unsigned column) const { return m_[row * 3 + column]; }

  Vector3 Column(unsigned c) const { return Vector3(m_[c], m_[3 + c], m_[6 + c]); }
  void SetColumn(unsigned c, const Vector3& v) {
    m_[c] = v[0];
    m_[3 + c] = v[1];
    m_[6 + c] = v[2];
  }

 private:
  float m_[9] = {1.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 1.0f};
};

inline Matrix3x3 operator*(const Matrix3x3& a, const Matrix3x3& b) {
  Matrix3x3 p;
  for (unsigned i = 0; i < 3; ++i) {
    for (unsigned j = 0; j < 3; ++j) {
      float sum = 0.0f;
      for (unsigned k = 0; k < 3; ++k) sum += a.At(i, k) * b.At(k, j);
      p.At(i, j) = sum;
    }
  }
  return p;
}

inline Vector3 operator*(const Matrix3x3& m, const Vector3& v) {
  Vector3 r;
  for (unsigned i = 0; i < 3; ++i) {
    float sum = 0.0f;
    for (unsigned j = 0; j < 3; ++j) sum += m.At(i, j) * v[j];
    r[i] = sum;
  }
  return r;
}

inline Matrix3x3 operator*(float s, const Matrix3x3& m) {
  Matrix3x3 r;
  for (unsigned i = 0; i < 3; ++i)
    for (unsigned j = 0; j < 3; ++j) r.At(i, j) = s * m.At(i, j);
  return r;
}

inline Matrix3x3 operator+(const Matrix3x3& a, const Matrix3x3& b) {
  Matrix3x3 r;
  for (unsigned i = 0; i < 3; ++i)
    for (unsigned j = 0; j < 3; ++j) r.At(i, j) = a.At(i, j) + b.At(i, j);
  return r;
}

inline Matrix3x3 Transpose(const Matrix3x3& m) {
  Matrix3x3 t;
  for (unsigned i = 0; i < 3; ++i)
    for (unsigned j = 0; j < 3; ++j) t.At(i, j) = m.At(j, i);
  return t;
}

inline float DegreesToRadians(float degrees) {
  return static_cast<float>(double(degrees) * double(Pi) * (1.0 / 180.0));
}

// Counter-clockwise about +z, angle in degrees.
inline Matrix3x3 RotationZ(float angle) {
  const float a = DegreesToRadians(angle);
  Matrix3x3 r;
  r.At(0, 0) = std::cos(-a);
  r.At(0, 1) = std::sin(-a);
  r.At(1, 0) = -std::sin(-a);
  r.At(1, 1) = std::cos(-a);
  return r;
}

// Counter-clockwise about +x, angle in degrees.
inline Matrix3x3 RotationX(float angle) {
  const float a = DegreesToRadians(angle);
  Matrix3x3 r;
  r.At(1, 1) = std::cos(-a);
  r.At(1, 2) = std::sin(-a);
  r.At(2, 1) = -std::sin(-a);
  r.At(2, 2) = std::cos(-a);
  return r;
}

// Turns by psi about z, then theta about x, then phi about z, all about the fixed
// axes and in degrees: RotationZ(phi) * RotationX(theta) * RotationZ(psi).
inline Matrix3x3 EulerOrientation(float phi, float theta, float psi) {
  return RotationZ(phi) * RotationX(theta) * RotationZ(psi);
}

// Gram-Schmidt on the columns: column 0 keeps its direction, column 2 is rebuilt
// as column 0 x column 1, so the result is always right-handed.
inline void Orthonormalize(Matrix3x3& m) {
  Vector3 x = m.Column(0);
  Vector3 y = m.Column(1);
  x.Normalize();
  Vector3 z = CrossProduct(x, y);
  z.Normalize();
  y = CrossProduct(z, x);
  y.Normalize();
  m.SetColumn(0, x);
  m.SetColumn(1, y);
  m.SetColumn(2, z);
}

// Column-major 4x4 for glMultMatrixf: rotation by m, then translation by p.
inline void ToOpenGLMatrix(const Matrix3x3& m, const Vector3& p, float* pM) {
  MATH3D_CHECK(pM);
  for (unsigned row = 0; row < 3; ++row)
    for (unsigned column = 0; column < 3; ++column) pM[column * 4 + row] = m.At(row, column);
  pM[3] = pM[7] = pM[11] = 0.0f;
  pM[12] = p[0];
  pM[13] = p[1];
  pM[14] = p[2];
  pM[15] = 1.0f;
}

#undef MATH3D_CHECK

}  // namespace math3d
