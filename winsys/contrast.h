#pragma once

class QColor;

// How legible one colour is on another, as the contrast rules for the web measure it.

// The relative luminance of `colour`, from 0 (black) to 1 (white).
double Luminance(const QColor& colour);

// The contrast ratio of two colours, from 1 (the same) to 21 (black and white).
double ContrastRatio(const QColor& a, const QColor& b);
