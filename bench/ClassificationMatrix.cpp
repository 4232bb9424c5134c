// Prints how the stone classification reads rendered photographs across
// board sizes, camera distances and tilts, with every misread point. Not a
// test: a tool for seeing where the fixed sampling window stops working.
#include <QTextStream>

#include "support/ClassificationCheck.h"

int main() {
    QTextStream out(stdout);
    out << "lines  distance  tilt  spacing(px)  misreads\n";
    for (int boardSize : {9, 13, 19}) {
        for (double distance : {1.0, 1.25, 1.5, 2.0, 2.5}) {
            for (double tilt : {0.0, 25.0}) {
                BoardPhotoSetup setup;
                setup.boardSize = boardSize;
                setup.camera.distance = distance;
                setup.camera.tiltDegrees = tilt;
                setup.seed = static_cast<std::uint32_t>(boardSize * 100 + tilt);
                setup.stones = ScatteredStones(boardSize, setup.seed);
                const BoardPhoto photo = RenderBoardPhoto(setup);
                const int middle = boardSize / 2;
                const double spacing =
                    photo.pointAt(middle + 1, middle).x() - photo.pointAt(middle, middle).x();
                const ClassificationOutcome outcome = ClassifyOnPhoto(photo, setup.stones);
                out << QStringLiteral("%1  %2  %3  %4  %5  %6\n")
                           .arg(boardSize, 5)
                           .arg(distance, 8, 'f', 2)
                           .arg(tilt, 4, 'f', 0)
                           .arg(spacing, 11, 'f', 1)
                           .arg(outcome.misreads.size(), 8)
                           .arg(outcome.misreads.join(QStringLiteral(", ")));
            }
        }
    }
    return 0;
}
