#pragma once
// Sine and cosine of angles given in whole turns (1 turn = 360 degrees), computed here from a
// polynomial instead of the C library so that every platform and optimisation level produces the
// same bits, and therefore the same picture bytes.

namespace pictures {

double sinTurns(double turns);
double cosTurns(double turns);

}  // namespace pictures
