#pragma once
// Colour vision for tests: how a colour looks to a viewer with a colour vision deficiency, and how far
// apart two colours look.
//
// Published formulas used:
// - sRGB decoding: IEC 61966-2-1 (the piecewise transfer function, 0.04045 / 12.92 / 2.4).
// - Colour blindness: G. M. Machado, M. M. Oliveira, L. A. F. Fernandes, "A Physiologically-based
//   Model for Simulation of Color Vision Deficiency", IEEE TVCG 15(6), 2009: the severity 1.0
//   matrices for protanopia, deuteranopia and tritanopia, applied to linear RGB.
// - Greyscale: the relative luminance Y of linear sRGB (ITU-R BT.709 primaries).
// - CIELAB: CIE 15:2004, D65 white, from XYZ by the sRGB (IEC 61966-2-1) matrix.
// - Colour difference: CIEDE2000 as written out by G. Sharma, W. Wu, E. N. Dalal, "The CIEDE2000
//   Color-Difference Formula: Implementation Notes, Supplementary Test Data, and Mathematical
//   Observations", Color Research & Application 30(1), 2005 (kL = kC = kH = 1).

#include <QColor>

#include <array>

namespace colourvision {

enum class Vision { Normal, Deuteranopia, Protanopia, Tritanopia, Greyscale };
inline constexpr std::array kAllVisions = {Vision::Normal, Vision::Deuteranopia, Vision::Protanopia,
                                           Vision::Tritanopia, Vision::Greyscale};
const char* visionName(Vision v);

struct Lab {
    double L = 0, a = 0, b = 0;
};

// Linear RGB (0..1) of an sRGB colour, as `vision` sees it, clamped to the displayable range.
std::array<double, 3> simulateLinear(const QColor& c, Vision vision);
// The colour as `vision` sees it, encoded back to sRGB (for pictures of the simulation).
QColor simulate(const QColor& c, Vision vision);
Lab toLab(const std::array<double, 3>& linear);
double deltaE2000(const Lab& x, const Lab& y);
// How far apart `a` and `b` look to `vision`.
double difference(const QColor& a, const QColor& b, Vision vision);

} // namespace colourvision
