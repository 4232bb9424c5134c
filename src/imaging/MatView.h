#pragma once

#include <opencv2/core.hpp>

class QImage;

// The photograph's grey picture for the image primitives: each pixel's
// brightest channel, so that a board under a coloured lamp (blue, green,
// violet) keeps its contrast, where the eye's weighting of the channels
// would leave it nearly black.
cv::Mat BrightestChannel(const QImage& photo);
