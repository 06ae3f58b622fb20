// Angles reach the library in degrees. The conversion multiplies first and divides second,
// so every caller gets bit-identical radians for the same angle.
#pragma once

template <typename T>
T degreesToRadians(T degrees) {
  return degrees * T(3.141592653589793) / T(180.0);
}
