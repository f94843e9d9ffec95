#pragma once
// The few circular functions the sun's position needs, in plain arithmetic. The daemon would otherwise
// map the whole shared maths library (some 300 KiB resident) for a computation made once a day; series
// to double precision are far finer than the seconds of time a sunrise needs.

#include <cstdint>

namespace tavrel::sun_math {

inline constexpr double kPi = 3.14159265358979323846;

// Series of sine and cosine for |x| <= pi/4 (remainder below 1e-16).
constexpr double SinNear(double x) {
    const double x2 = x * x;
    double term = x;
    double sum = x;
    for (int n = 1; n <= 8; ++n) {
        term *= -x2 / ((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

constexpr double CosNear(double x) {
    const double x2 = x * x;
    double term = 1.0;
    double sum = 1.0;
    for (int n = 1; n <= 8; ++n) {
        term *= -x2 / ((2 * n - 1) * (2 * n));
        sum += term;
    }
    return sum;
}

// x = k * pi/2 + r with |r| <= pi/4; returns k modulo 4. Fine for the few thousand radians used here.
constexpr int Reduce(double x, double& r) {
    const double q = x / (kPi / 2);
    const int64_t k = static_cast<int64_t>(q < 0 ? q - 0.5 : q + 0.5);
    r = x - static_cast<double>(k) * (kPi / 2);
    return static_cast<int>(((k % 4) + 4) % 4);
}

constexpr double Sin(double x) {
    double r = 0;
    switch (Reduce(x, r)) {
    case 0:
        return SinNear(r);
    case 1:
        return CosNear(r);
    case 2:
        return -SinNear(r);
    default:
        return -CosNear(r);
    }
}

constexpr double Cos(double x) {
    return Sin(x + kPi / 2);
}

constexpr double Tan(double x) {
    return Sin(x) / Cos(x);
}

// Newton's square root, for 0 <= x.
constexpr double Sqrt(double x) {
    if (x <= 0)
        return 0;
    double y = x > 1 ? x : 1.0;
    for (int i = 0; i < 200; ++i) {
        const double next = 0.5 * (y + x / y);
        if (next >= y)
            break;
        y = next;
    }
    return y;
}

constexpr double Atan(double x) {
    if (x < 0)
        return -Atan(-x);
    if (x > 1)
        return kPi / 2 - Atan(1 / x);
    // atan x = pi/6 + atan((x*sqrt3 - 1) / (sqrt3 + x)), which brings x below tan(pi/12).
    constexpr double kSqrt3 = 1.73205080756887729353;
    double offset = 0;
    if (x > 0.2679491924311227) {
        x = (x * kSqrt3 - 1) / (kSqrt3 + x);
        offset = kPi / 6;
    }
    const double x2 = x * x;
    double power = x;
    double sum = 0;
    for (int n = 0; n < 14; ++n) {
        sum += (n % 2 == 0 ? power : -power) / (2 * n + 1);
        power *= x2;
    }
    return offset + sum;
}

// For -1 <= x <= 1.
constexpr double Asin(double x) {
    if (x >= 1)
        return kPi / 2;
    if (x <= -1)
        return -kPi / 2;
    return Atan(x / Sqrt(1 - x * x));
}

constexpr double Acos(double x) {
    return kPi / 2 - Asin(x);
}

// The remainder of x / y with the sign of x, as fmod gives it.
constexpr double Fmod(double x, double y) {
    return x - static_cast<double>(static_cast<int64_t>(x / y)) * y;
}

constexpr int64_t Round(double x) {
    return static_cast<int64_t>(x < 0 ? x - 0.5 : x + 0.5);
}

} // namespace tavrel::sun_math
