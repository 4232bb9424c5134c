#pragma once

class QImage;
class QString;

// Writes a picture of 32-bit pixels that are all grey as an 8-bit grey PNG, with
// white columns `border` wide added on its left and right. Rows go
// unfiltered to a fast zlib level: a sheet of black, white and a few
// antialiased greys compresses nearly as well that way as with every
// filter tried at the slowest level, in a tenth of the time. The result is
// false, and nothing is left under `path`, when the file cannot be written.
bool WriteGreyPng(const QImage& picture, int border, const QString& path);
