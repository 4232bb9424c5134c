#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include "game/GameState.h"
#include "game/MoveText.h"
#include "render/PhotoSeriesRender.h"
#include "support/GnuGoReplay.h"
#include "support/QStringPrinter.h"
#include "support/TempProgramDir.h"

// What one run of banmark-batch gave.
struct BatchRun {
    int status = -1;
    QString out;
    QString err;
    // The files the summary names, in its order.
    QStringList files() const {
        QStringList named;
        const QRegularExpression quoted(QStringLiteral("\"([^\"]+)\""));
        for (const auto& match : quoted.globalMatch(out)) named << match.captured(1);
        return named;
    }
};

// The arguments of a run that writes the SGF file only, under Japanese rules.
inline const QStringList kSgfOnly{"--rules", "Japanese", "--black-side", "S", "--no-kifu"};

inline QString vertex(int x, int y, int boardSize) {
    return QString(ColumnLetter(x)) + QString::number(boardSize - y);
}

// The moves as GNU Go lists them: "black D4", "white PASS".
inline QStringList gtpMoves(const std::vector<GameMove>& moves, int boardSize) {
    QStringList listed;
    for (const GameMove& move : moves) {
        listed << QString(move.colour == kBlack ? "black " : "white ") +
                      (move.pass ? QStringLiteral("PASS") : vertex(move.x, move.y, boardSize));
    }
    return listed;
}

// Runs banmark-batch, built as BANMARK_BATCH, on photo series made for the
// test: a photo series in a folder of its own, and banmark-batch copied into a
// program folder of its own, so that tests running side by side never
// share working files.
class BatchTest : public testing::Test {
protected:
    void SetUp() override {
        batchProgram = program.install(BANMARK_BATCH);
        ASSERT_TRUE(QFileInfo(batchProgram).isExecutable());
    }

    // Photographs the game into a folder of the photo folder. 19 lines need
    // the full 1600 pixels of a prepared photograph: on a 1200-pixel photo
    // the camera stands so close that a star point near the far edge reads
    // as a stone.
    QStringList photograph(const SgfGame& game, const QString& folder = "partita",
                           QSize size = {}) {
        if (size.isEmpty()) size = game.boardSize == 19 ? QSize(1600, 1200) : QSize(1200, 900);
        return photograph(game, LookFor(game.boardSize, size), folder);
    }
    QStringList photograph(const SgfGame& game, const SeriesLook& look,
                           const QString& folder = "partita") {
        QString error;
        const QStringList made = RenderPhotoSeries(game, photos.path() + folder, look, &error);
        EXPECT_FALSE(made.isEmpty()) << error.toStdString();
        return made;
    }

    BatchRun batch(QStringList arguments, const QStringList& series) {
        return batch(arguments << series.first() << series.last());
    }
    BatchRun batch(const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(environment);
        if (runAs.isEmpty()) {
            process.start(batchProgram, arguments);
        } else {
            process.start(runAs.first(), runAs.mid(1) + QStringList{batchProgram} + arguments);
        }
        process.waitForFinished(300000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    // Runs the batch on the game's photographs (those given, or new ones) and
    // checks the SGF it wrote against the game: GNU Go reads it and plays
    // every move again.
    GnuGoReplay recordOf(const SgfGame& game, const QStringList& extra = {},
                         QStringList series = {}) {
        if (series.isEmpty()) series = photograph(game);
        const QStringList rules{"--rules", game.rules.isEmpty() ? "Japanese" : game.rules};
        const BatchRun run =
            batch(rules + QStringList{"--black-side", "S", "--no-kifu"} + extra, series);
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.files().size(), 1) << run.out.toStdString();
        if (run.files().isEmpty()) return {};
        const GnuGoReplay replay = ReplayWithGnuGo(run.files().first());
        EXPECT_TRUE(replay.read);
        EXPECT_EQ(replay.failure, "");
        return replay;
    }

    TempProgramDir program;
    QString batchProgram;
    TempProgramDir photos;
    // The batch's environment, and a command that runs it as another user.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QStringList runAs;
};

// The photographs taken with real cameras, kept beside the project in
// shared/real-photos; a clone without them skips the tests that read them.
inline const QString kRealPhotos = QStringLiteral(BANMARK_SHARED_DIR "/real-photos");

inline QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class RealPhotosTest : public BatchTest {
protected:
    void SetUp() override {
        if (!QDir(kRealPhotos).exists())
            GTEST_SKIP() << "no real photographs at " << kRealPhotos.toStdString()
                         << ": skipped (only the project's own checkout has them)";
        BatchTest::SetUp();
    }
};
