#pragma once

#include <QImage>
#include <array>

// A 5 x 5 colour matrix as image attributes apply it while drawing: the row vector
// (R, G, B, A, 1), channels scaled to 0..1, times the matrix. Rows are the inputs R, G, B, A, 1;
// columns the outputs R, G, B, A, 1. Entries are 32-bit floats like the library's.
using ColorMatrix = std::array<std::array<float, 5>, 5>;

ColorMatrix IdentityColorMatrix();

// Passes every pixel of `image` (straight-alpha ARGB32; other formats are converted first)
// through the matrix: output channel j = sum over inputs i of in_i x m[i][j] + 255 x m[4][j],
// computed in double precision, rounded half to even and clamped to 0..255.
void ApplyColorMatrix(QImage& image, const ColorMatrix& matrix);

// Every colour channel c becomes 255 x (c / 255)^gamma, rounded half to even; alpha is unchanged.
// A gamma that is not a positive number leaves the image as it is.
void ApplyGamma(QImage& image, float gamma);
