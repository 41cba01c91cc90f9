// SPDX-License-Identifier: MIT
// Logical units against the device pixels of a surface painted at a screen's ratio. Every
// logical edge has one device edge, so rectangles that meet in logical units meet on the
// device too; at scale 1 both are the same numbers.
#pragma once

#include <cstdint>

// The device edge of a logical edge: halves round up.
std::int64_t ScaleEdge(std::int64_t edge, double scale);

// The logical pixel whose device span holds the device pixel: the last logical edge at or
// before it.
std::int64_t LogicalCellOf(std::int64_t devicePixel, double scale);

// How many device pixels a line of one logical pixel is thick: the scale rounded, at least one.
int LineThickness(double scale);

// A ratio the host reports, kept to what a buffer can be painted at; anything else is 1.
double UsablePixelRatio(double ratio);
