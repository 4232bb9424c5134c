#pragma once

// A point on the prepared photograph in single precision, x to the right and
// y downwards, in pixels.
struct SinglePoint {
    float x = 0.0f;
    float y = 0.0f;
};

// Distance between (x1, y1) and (x2, y2).
float PointDistance(float x1, float y1, float x2, float y2);

// Where the line through (x1, y1) and (x2, y2) meets the line through
// (x3, y3) and (x4, y4). Lines that are parallel, or so nearly parallel that
// their determinant is below 1e-24 in single precision, give a very distant
// point instead of a division by zero.
SinglePoint LineIntersection(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                             float y4);
