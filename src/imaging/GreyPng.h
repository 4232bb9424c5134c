#pragma once

class QImage;
class QString;

// Writes a picture of 32-bit pixels that are all grey as an 8-bit grey
// PNG, with white columns `border` wide added on its left and right. Rows
// go unfiltered to a fast zlib level: on a sheet of black, white and a few
// antialiased greys that writes about as fast as the sheet is drawn, where
// the converter, at zlib's slowest level with a filter, took over twenty
// times as long for a file 30 % smaller. The result is false, and nothing
// is left under `path`, when the file cannot be written.
bool WriteGreyPng(const QImage& picture, int border, const QString& path);
