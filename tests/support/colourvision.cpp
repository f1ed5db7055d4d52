#include "colourvision.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace colourvision {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado et al. 2009, severity 1.0.
constexpr Matrix kProtanopia{
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia{
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kTritanopia{
    {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}};

double decode(double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double encode(double v) {
    return v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
}

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

double degrees(double radians) {
    double d = radians * 180 / std::numbers::pi;
    return d < 0 ? d + 360 : d;
}

} // namespace

const char* visionName(Vision v) {
    switch (v) {
    case Vision::Normal:
        return "normal";
    case Vision::Deuteranopia:
        return "deuteranopia";
    case Vision::Protanopia:
        return "protanopia";
    case Vision::Tritanopia:
        return "tritanopia";
    case Vision::Greyscale:
        return "greyscale";
    }
    return "";
}

std::array<double, 3> simulateLinear(const QColor& c, Vision vision) {
    const std::array<double, 3> rgb{decode(c.redF()), decode(c.greenF()), decode(c.blueF())};
    const Matrix* m = nullptr;
    switch (vision) {
    case Vision::Normal:
        return rgb;
    case Vision::Greyscale: {
        const double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
        return {y, y, y};
    }
    case Vision::Protanopia:
        m = &kProtanopia;
        break;
    case Vision::Deuteranopia:
        m = &kDeuteranopia;
        break;
    case Vision::Tritanopia:
        m = &kTritanopia;
        break;
    }
    std::array<double, 3> out{};
    for (int i = 0; i < 3; ++i)
        out[i] = std::clamp((*m)[i][0] * rgb[0] + (*m)[i][1] * rgb[1] + (*m)[i][2] * rgb[2], 0.0, 1.0);
    return out;
}

QColor simulate(const QColor& c, Vision vision) {
    const auto l = simulateLinear(c, vision);
    return QColor::fromRgbF(float(encode(l[0])), float(encode(l[1])), float(encode(l[2])), c.alphaF());
}

Lab toLab(const std::array<double, 3>& l) {
    const double x = 0.4124564 * l[0] + 0.3575761 * l[1] + 0.1804375 * l[2];
    const double y = 0.2126729 * l[0] + 0.7151522 * l[1] + 0.0721750 * l[2];
    const double z = 0.0193339 * l[0] + 0.1191920 * l[1] + 0.9503041 * l[2];
    auto f = [](double t) {
        constexpr double e = 216.0 / 24389, k = 24389.0 / 27;
        return t > e ? std::cbrt(t) : (k * t + 16) / 116;
    };
    const double fx = f(x / 0.95047), fy = f(y / 1.0), fz = f(z / 1.08883);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

double deltaE2000(const Lab& x, const Lab& y) {
    const double c1 = std::hypot(x.a, x.b), c2 = std::hypot(y.a, y.b);
    const double cMean7 = std::pow((c1 + c2) / 2, 7);
    const double g = 0.5 * (1 - std::sqrt(cMean7 / (cMean7 + std::pow(25.0, 7))));
    const double a1 = (1 + g) * x.a, a2 = (1 + g) * y.a;
    const double c1p = std::hypot(a1, x.b), c2p = std::hypot(a2, y.b);
    const double h1 = c1p == 0 ? 0 : degrees(std::atan2(x.b, a1));
    const double h2 = c2p == 0 ? 0 : degrees(std::atan2(y.b, a2));
    const double dL = y.L - x.L, dC = c2p - c1p;
    double dh = 0;
    if (c1p * c2p != 0) {
        dh = h2 - h1;
        if (dh > 180) dh -= 360;
        if (dh < -180) dh += 360;
    }
    const double dH = 2 * std::sqrt(c1p * c2p) * std::sin(radians(dh / 2));
    const double lMean = (x.L + y.L) / 2, cpMean = (c1p + c2p) / 2;
    double hMean = h1 + h2;
    if (c1p * c2p != 0) {
        if (std::abs(h1 - h2) <= 180)
            hMean = (h1 + h2) / 2;
        else
            hMean = h1 + h2 < 360 ? (h1 + h2 + 360) / 2 : (h1 + h2 - 360) / 2;
    }
    const double t = 1 - 0.17 * std::cos(radians(hMean - 30)) + 0.24 * std::cos(radians(2 * hMean)) +
                     0.32 * std::cos(radians(3 * hMean + 6)) - 0.20 * std::cos(radians(4 * hMean - 63));
    const double dTheta = 30 * std::exp(-std::pow((hMean - 275) / 25, 2));
    const double cp7 = std::pow(cpMean, 7);
    const double rC = 2 * std::sqrt(cp7 / (cp7 + std::pow(25.0, 7)));
    const double sL = 1 + 0.015 * std::pow(lMean - 50, 2) / std::sqrt(20 + std::pow(lMean - 50, 2));
    const double sC = 1 + 0.045 * cpMean;
    const double sH = 1 + 0.015 * cpMean * t;
    const double rT = -std::sin(radians(2 * dTheta)) * rC;
    return std::sqrt(std::pow(dL / sL, 2) + std::pow(dC / sC, 2) + std::pow(dH / sH, 2) +
                     rT * (dC / sC) * (dH / sH));
}

double difference(const QColor& a, const QColor& b, Vision vision) {
    return deltaE2000(toLab(simulateLinear(a, vision)), toLab(simulateLinear(b, vision)));
}

} // namespace colourvision
