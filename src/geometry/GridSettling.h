#pragma once

#include "geometry/GridFit.h"

// Settles a fitted frame on the board's lines: while a family has fewer than
// maxLines lines and the photograph shows a line one spacing beyond an end,
// the frame takes that line in (the stronger end first) and is fitted again;
// with maxLines lines, a frame whose outer line at one end shows nothing
// while a line runs one spacing beyond the other end moves one line over.
// Returns the settled fit, or the fit as given when refitting fails.
FrameFit SettleFrame(const Brightness& photo, const FrameFit& fit, int maxLines);

// Whether a fitted frame's lines are a board's: its corners lie on the
// photograph, its lines show at half the points looked at or more, and they
// end: at one side at least, the line one spacing beyond lies on the
// photograph and shows nothing, where the pattern of a cloth or a floor
// runs on.
bool ShowsABoard(const Brightness& photo, const FrameFit& fit);
