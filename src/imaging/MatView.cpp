#include "imaging/MatView.h"

#include <QImage>
#include <opencv2/core.hpp>

cv::Mat BrightestChannel(const QImage& photo) {
    const QImage rgb =
        photo.format() == QImage::Format_RGB32 || photo.format() == QImage::Format_ARGB32
            ? photo
            : photo.convertToFormat(QImage::Format_RGB32);
    // A view of the pixels, no copy: 32-bit B, G, R, A bytes on little-endian machines.
    const cv::Mat bgra(rgb.height(), rgb.width(), CV_8UC4, const_cast<uchar*>(rgb.constBits()),
                       static_cast<std::size_t>(rgb.bytesPerLine()));
    std::vector<cv::Mat> channels;
    cv::split(bgra, channels);
    cv::Mat brightest;
    cv::max(channels[0], channels[1], brightest);
    cv::max(brightest, channels[2], brightest);
    return brightest;
}
