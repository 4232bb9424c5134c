// Prints how the grid detection fares over a matrix of cameras, boards and
// photo shapes: empty boards and boards three quarters covered with stones,
// from straight above to a low view, including the turns near 45 degrees.
// Not a test: a report for whoever changes the detection.
#include <QTextStream>

#include "support/DetectionCheck.h"

int main() {
    QTextStream out(stdout);
    out << "photo      lines  tilt  turn  stones  result\n";
    std::uint32_t seed = 100;
    for (const bool crowded : {false, true}) {
        for (const QSize photo : {QSize(1600, 1200), QSize(1200, 1600)}) {
            for (int lines : {9, 13, 19}) {
                for (double tilt : {0.0, 30.0, 50.0}) {
                    for (double turn : {0.0, 5.0, -5.0, 40.0}) {
                        BoardPhotoSetup setup;
                        setup.boardSize = lines;
                        setup.photoSize = photo;
                        setup.camera.tiltDegrees = tilt;
                        setup.camera.rotationDegrees = turn;
                        setup.seed = seed++;
                        if (crowded) setup.stones = CrowdedBoard(lines, setup.seed);
                        // The woods and the tables in turn.
                        setup.wood = static_cast<BoardWood>(setup.seed % 3);
                        setup.table = static_cast<TableCover>(setup.seed % 3);
                        const DetectionOutcome outcome = DetectOnPhoto(RenderBoardPhoto(setup));
                        out << QStringLiteral("%1x%2  %3  %4  %5  %6  ")
                                   .arg(photo.width())
                                   .arg(photo.height())
                                   .arg(lines, 5)
                                   .arg(tilt, 4)
                                   .arg(turn, 4)
                                   .arg(crowded ? "3/4" : "none", 6)
                            << outcome.describe() << Qt::endl;
                    }
                }
            }
        }
    }
}
