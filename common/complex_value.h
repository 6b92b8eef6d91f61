#pragma once

// A complex number as the calculators write it: real part and imaginary part.
struct Complex {
  double re = 0.0;
  double im = 0.0;
};
