// Corvanthelix - how far apart two colours read, by WCAG 2.
#pragma once

class QColor;

// The relative luminance of a colour, 0 for black to 1 for white.
double RelativeLuminance(const QColor &color);

// The contrast ratio of two colours, 1 to 21; text reads at 4.5 or more.
double ContrastRatio(const QColor &a, const QColor &b);
