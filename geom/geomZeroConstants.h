// The zero records that the vector and matrix records start from. They are constant data,
// fixed at compile time, so they are zero before any start-up code of any module runs.
#pragma once

struct geomZeroConstantsS {
  double matrix4x4[16];
  double matrix3x3[9];
  double vector3d[3];
  double vector2d[2];
  double vector4d[4];
};

inline constexpr geomZeroConstantsS geomZeroConstants{};
