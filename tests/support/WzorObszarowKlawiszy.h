#pragma once
// The key areas of the laid-out keyboard picture, written out by hand as the
// first-line label fields place them (edges inclusive), for the tests of the
// area table and of presses on the picture.

namespace orbaklaw::test {

struct Obszar {
    int nr, x1, x2, y1, y2;
};

inline constexpr Obszar Obszary[] = {
    {0, 84, 130, 12, 44},     {1, 153, 202, 12, 44},   {2, 223, 271, 12, 44},
    {3, 295, 345, 12, 44},    {4, 11, 59, 78, 116},    {5, 84, 130, 79, 111},
    {6, 152, 201, 79, 111},   {7, 223, 271, 78, 110},  {8, 295, 345, 78, 110},
    {9, 79, 131, 346, 378},   {10, 79, 131, 280, 312}, {11, 150, 202, 280, 312},
    {12, 217, 273, 280, 312}, {13, 79, 131, 213, 245}, {14, 150, 202, 213, 245},
    {15, 215, 275, 213, 247}, {16, 79, 131, 145, 177}, {17, 150, 202, 145, 177},
    {18, 219, 271, 145, 177},
};

} // namespace orbaklaw::test
