// Prints how the grid detection fares over a matrix of cameras, boards and
// photo shapes, including the turns near 45 degrees where the method is
// known to struggle. Not a test: a report for whoever changes the detection.
#include <QTextStream>

#include "support/DetectionCheck.h"

int main() {
    QTextStream out(stdout);
    out << "photo      lines  tilt  turn  result\n";
    std::uint32_t seed = 100;
    for (const QSize photo : {QSize(1600, 1200), QSize(1200, 1600)}) {
        for (int lines : {9, 13, 19}) {
            for (double tilt : {0.0, 15.0, 30.0}) {
                for (double turn : {0.0, 5.0, -5.0, 40.0}) {
                    BoardPhotoSetup setup;
                    setup.boardSize = lines;
                    setup.photoSize = photo;
                    setup.camera.tiltDegrees = tilt;
                    setup.camera.rotationDegrees = turn;
                    setup.seed = seed++;
                    const DetectionOutcome outcome = DetectOnPhoto(RenderBoardPhoto(setup));
                    out << QStringLiteral("%1x%2  %3  %4  %5  ")
                               .arg(photo.width())
                               .arg(photo.height())
                               .arg(lines, 5)
                               .arg(tilt, 4)
                               .arg(turn, 4)
                        << outcome.describe() << Qt::endl;
                }
            }
        }
    }
}
