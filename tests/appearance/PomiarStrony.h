#pragma once
// Measures what was printed: the first page of a PDF rendered by poppler,
// and the box of its dark pixels in millimetres.

#include <QString>

namespace orbaklaw::test {

struct Pomiar {
    double lewoMm, goraMm, szerokoscMm, wysokoscMm;
};

inline constexpr double Milimetr = 25.4;
inline constexpr int RozdzielczoscPomiaru = 600; // pixels per inch of the rendered page

// `katalog` takes the rendered page.
Pomiar ZmierzStrone(const QString& pdf, const QString& katalog);

} // namespace orbaklaw::test
