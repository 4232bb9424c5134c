#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/ProcessingDriver.h"
#include "app/Program.h"
#include "game/MoveText.h"
#include "imaging/PhotoPreparation.h"
#include "render/PhotoSeriesRender.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedUserPort.h"
#include "support/TempProgramDir.h"

namespace {

GameMove stone(int colour, int x, int y) { return {colour, false, x, y}; }

// An even game of nine moves without captures.
const std::vector<GameMove> kGame = {stone(kBlack, 4, 4), stone(kWhite, 6, 2), stone(kBlack, 2, 6),
                                     stone(kWhite, 2, 2), stone(kBlack, 6, 6), stone(kWhite, 4, 2),
                                     stone(kBlack, 6, 4), stone(kWhite, 2, 4), stone(kBlack, 4, 6)};

// White's stone comes first.
const std::vector<GameMove> kWhiteFirst = {stone(kWhite, 6, 2), stone(kBlack, 4, 4)};

// Photographs the moves on 9 lines into folder as <prefix>0001.jpg, ...
void photograph(const std::vector<GameMove>& moves, const QString& folder, const QString& prefix) {
    SgfGame game;
    game.boardSize = 9;
    game.moves = moves;
    SeriesLook look = LookFor(9, QSize(1200, 900));
    look.prefix = prefix;
    QString error;
    ASSERT_FALSE(RenderPhotoSeries(game, folder, look, &error).isEmpty()) << error.toStdString();
}

// Both series are photographed once for all the tests, into one folder,
// with a note between the photographs of the game.
class ProcessingDriverTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        photos_ = new QTemporaryDir;
        photograph(kGame, photos_->path(), "IMG_");
        photograph(kWhiteFirst, photos_->path(), "W_");
        QFile note(photos_->filePath("IMG_0005 - note.txt"));
        ASSERT_TRUE(note.open(QIODevice::WriteOnly));
        note.write("Partita del circolo\n");
    }
    static void TearDownTestSuite() { delete photos_; }

    void SetUp() override {
        program.state.ProgramDir = dir.path();
        program.Load(port);
        port = ScriptedUserPort();
        program.options.saveSgf = false;
        program.options.saveKifu = false;
        program.details.rules = "Japanese";
    }

    static QString photo(const QString& name) { return photos_->filePath(name); }

    ProcessingResult run(const QString& first, const QString& last) {
        return ProcessPhotoSeries(program, {photo(first), photo(last), std::nullopt}, port, port);
    }

    bool toldToGoBack() const {
        for (const MessageBoxRequest& m : port.messages) {
            if (m.text == "Banmark tornerà ora alla scelta delle opzioni.\r\n") return true;
        }
        return false;
    }

    static QTemporaryDir* photos_;
    TempProgramDir dir;
    Program program;
    ScriptedUserPort port;
};

QTemporaryDir* ProcessingDriverTest::photos_ = nullptr;

}  // namespace

TEST_F(ProcessingDriverTest, TheSeriesIsFollowedAndOnlyItsPhotographsCount) {
    const ProcessingResult result = run("IMG_0001.jpg", "IMG_0010.jpg");
    ASSERT_EQ(result.outcome, ProcessingOutcome::Finished);
    // The note between IMG_0004 and IMG_0005 is neither analysed nor counted.
    EXPECT_EQ(result.finished.summary,
              "Banmark ha terminato l'elaborazione della partita.\r\n"
              "Sono state esaminate 10 fotografie per un totale di 9 mosse.");
    const GameState& state = program.state;
    EXPECT_EQ(state.BoardSize, 9);
    ASSERT_EQ(state.MoveCount, 9);
    for (int m = 1; m <= 9; ++m) {
        const GameMove& move = kGame[m - 1];
        EXPECT_EQ(state.Moves(m, 1), StoneMoveText(move.colour, move.x, move.y, 9)) << m;
        // Black's first stone is settled with White's, on White's photograph.
        const QString shown = QString("IMG_%1.jpg").arg(m + 1, 4, 10, QChar('0'));
        EXPECT_EQ(state.Moves(m, 0), m == 1 ? "" : PreparedCopy(dir.path(), shown)) << m;
    }
    EXPECT_EQ(port.caption,
              "9: " + PreparedCopy(dir.path(), "IMG_0010.jpg") + " - Banmark by Orrimax");
    EXPECT_TRUE(port.processingViewShown);
    EXPECT_EQ(port.gridChecks, 1);
    EXPECT_FALSE(port.gameStartFieldsEnabled);
    EXPECT_EQ(port.progress.Value(), 10);  // ten photographs and the note
    EXPECT_EQ(port.beeps, 0);
}

TEST_F(ProcessingDriverTest, InputsAreCheckedBeforeAnythingChanges) {
    struct Case {
        const char* first;
        const char* last;
        const char* rules;
        InputField field;
    };
    const Case cases[] = {
        {"IMG_0000.jpg", "IMG_0010.jpg", "Japanese", InputField::FirstPhoto},
        {"IMG_0003.jpg", "IMG_0003.jpg", "Japanese", InputField::LastPhoto},
        {"IMG_0003.jpg", "IMG_0002.jpg", "Japanese", InputField::LastPhoto},
        {"IMG_0003.jpg", "IMG_0011.jpg", "Japanese", InputField::LastPhoto},
        {"IMG_0001.jpg", "IMG_0010.jpg", "", InputField::Rules},
    };
    for (const Case& c : cases) {
        port = ScriptedUserPort();
        program.details.rules = c.rules;
        EXPECT_EQ(run(c.first, c.last).outcome, ProcessingOutcome::InvalidInput) << c.last;
        EXPECT_EQ(port.beeps, 1);
        EXPECT_EQ(port.invalidInputs, std::vector<InputField>{c.field});
        EXPECT_FALSE(port.processingViewShown);
        EXPECT_TRUE(port.messages.empty());
    }
    // Names are found whatever their letter case.
    port = ScriptedUserPort();
    program.details.rules = "Japanese";
    EXPECT_EQ(run("img_0001.JPG", "Img_0010.jpg").outcome, ProcessingOutcome::Finished);
}

TEST_F(ProcessingDriverTest, WhiteFirstAfterABlackPassStartsWithThePass) {
    port.answers = {Answer::Yes};  // Black passed
    ASSERT_EQ(run("W_0001.jpg", "W_0003.jpg").outcome, ProcessingOutcome::Finished);
    const GameState& state = program.state;
    ASSERT_EQ(state.MoveCount, 3);
    EXPECT_EQ(state.Moves(1, 1), "N: pass");
    EXPECT_EQ(state.Moves(2, 1), StoneMoveText(kWhite, 6, 2, 9));
    EXPECT_EQ(state.Moves(3, 1), StoneMoveText(kBlack, 4, 4, 9));
    EXPECT_EQ(state.Positions(6, 2, 1), kEmpty);
    EXPECT_EQ(state.Positions(6, 2, 2), kWhite);
}

TEST_F(ProcessingDriverTest, AnAbandonedRunLeavesItsGridToTheNextOne) {
    // White first, Black did not pass: impossible under Japanese rules.
    port.answers = {Answer::No};
    EXPECT_EQ(run("W_0001.jpg", "W_0003.jpg").outcome, ProcessingOutcome::Abandoned);
    EXPECT_TRUE(toldToGoBack());
    EXPECT_EQ(port.optionsPanelShows, 1);
    EXPECT_TRUE(port.gameStartFieldsEnabled);
    EXPECT_EQ(port.caption, photo("W_0001.jpg") + " - Banmark by Orrimax");
    EXPECT_EQ(program.details.rules, "");  // the start checks dropped them
    EXPECT_EQ(port.gridChecks, 1);

    program.details.rules = "Japanese";
    port.answers = {Answer::Yes};
    EXPECT_EQ(run("W_0001.jpg", "W_0003.jpg").outcome, ProcessingOutcome::Finished);
    EXPECT_EQ(port.gridChecks, 1);  // the same photograph and grid: no new check
    EXPECT_EQ(program.state.Moves(1, 1), "N: pass");
}

TEST_F(ProcessingDriverTest, EscDuringTheLineVotingStopsItAndOffersTheDefaultGrid) {
    // The voting steps the bar once per column of the 1200-pixel photograph.
    long columnsVoted = 0;
    port.duringProgress = [&] {
        if (port.progress.Maximum() != 1198) return;
        columnsVoted = port.progress.Value();
        if (columnsVoted == 100) program.AbortRequested = true;  // Esc
    };
    int sizeOffered = 0;
    port.calibrate = [&](GridCalibration&) { sizeOffered = program.state.BoardSize; };
    port.giveUpAtGridCheck = true;
    EXPECT_EQ(run("IMG_0001.jpg", "IMG_0010.jpg").outcome, ProcessingOutcome::Abandoned);
    EXPECT_EQ(columnsVoted, 100);  // no column after the Esc
    EXPECT_EQ(sizeOffered, 19);
}

TEST_F(ProcessingDriverTest, AnAbandonedRunKeepsItsMovesAndWritesNothing) {
    // Move 5's photograph is missing: the next one shows two new stones.
    QTemporaryDir folder;
    for (int k = 1; k <= 10; ++k) {
        const QString name = QString("IMG_%1.jpg").arg(k, 4, 10, QChar('0'));
        if (k == 6) continue;
        ASSERT_TRUE(QFile::copy(photo(name), folder.filePath(name)));
    }
    program.options.saveSgf = true;
    program.options.saveKifu = true;
    port.anomalyChoices = {999};  // the dialog's exit
    const ProcessingRequest request{folder.filePath("IMG_0001.jpg"),
                                    folder.filePath("IMG_0010.jpg"), std::nullopt};
    EXPECT_EQ(ProcessPhotoSeries(program, request, port, port).outcome,
              ProcessingOutcome::Abandoned);
    EXPECT_TRUE(toldToGoBack());
    EXPECT_EQ(program.state.MoveCount, 5);  // the move under analysis
    for (int m = 1; m <= 4; ++m) {
        const GameMove& move = kGame[m - 1];
        EXPECT_EQ(program.state.Moves(m, 1), StoneMoveText(move.colour, move.x, move.y, 9));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 9);
    EXPECT_EQ(port.sideChoices, 0);
}

TEST_F(ProcessingDriverTest, AnEscapeLeftFromAnEarlierRunOffersTheDefaultGrid) {
    program.AbortRequested = true;
    int sizeOffered = 0;
    port.calibrate = [&](GridCalibration&) { sizeOffered = program.state.BoardSize; };
    port.giveUpAtGridCheck = true;
    EXPECT_EQ(run("IMG_0001.jpg", "IMG_0010.jpg").outcome, ProcessingOutcome::Abandoned);
    EXPECT_EQ(sizeOffered, 19);
    EXPECT_TRUE(toldToGoBack());
}
