#include "geometry/VoteImage.h"

#include <algorithm>

#include "geometry/VoteTable.h"
#include "imaging/ConverterRuns.h"
#include "util/Numbers.h"

QImage VotePicture(const LineVotes& votes) {
    QImage picture(votes.HoughDiagonal + 1, kAngleSteps, QImage::Format_RGB32);
    picture.fill(Qt::black);
    const VoteTable& table = votes.HoughVotes;
    const int columns = std::min(picture.width(), table.rows());
    int most = 0;
    for (int offset = 0; offset < table.rows(); ++offset) {
        for (int angle = 0; angle < kAngleSteps; ++angle) most = std::max(most, table(offset, angle));
    }
    if (most == 0) return picture;
    for (int angle = 0; angle < kAngleSteps; ++angle) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(angle));
        for (int offset = 0; offset < columns; ++offset) {
            const int grey = static_cast<int>(roundHalfEven(table(offset, angle) * 255.0 / most));
            if (grey > 0) row[offset] = qRgb(grey, grey, grey);
        }
    }
    return picture;
}

void SaveVoteImage(const LineVotes& votes, const QString& base, const QString& converter,
                   UserPort& port) {
    SavePictureAsPng(VotePicture(votes), base + QStringLiteral(" [HS]"),
                     QStringLiteral("-type optimize -quality 99"), converter, port);
}
