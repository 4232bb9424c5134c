#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/ProcessingDriver.h"
#include "app/Program.h"
#include "game/MoveText.h"
#include "imaging/PhotoPreparation.h"
#include "render/PhotoSeriesRender.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedUserPort.h"
#include "support/SlowConverter.h"
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

    // Runs the game's series, gives up at the grid check and returns the
    // board size the check was offered.
    int sizeOfferedAtTheGridCheck() {
        int offered = 0;
        port.calibrate = [&](GridCalibration&) { offered = program.state.BoardSize; };
        port.giveUpAtGridCheck = true;
        EXPECT_EQ(run("IMG_0001.jpg", "IMG_0010.jpg").outcome, ProcessingOutcome::Abandoned);
        return offered;
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

    // Black passed this time: the record starts with the pass.
    program.details.rules = "Japanese";
    port.answers = {Answer::Yes};
    ASSERT_EQ(run("W_0001.jpg", "W_0003.jpg").outcome, ProcessingOutcome::Finished);
    EXPECT_EQ(port.gridChecks, 1);  // the same photograph and grid: no new check
    const GameState& state = program.state;
    ASSERT_EQ(state.MoveCount, 3);
    EXPECT_EQ(state.Moves(1, 1), "N: pass");
    EXPECT_EQ(state.Moves(2, 1), StoneMoveText(kWhite, 6, 2, 9));
    EXPECT_EQ(state.Moves(3, 1), StoneMoveText(kBlack, 4, 4, 9));
    EXPECT_EQ(state.Positions(6, 2, 1), kEmpty);
    EXPECT_EQ(state.Positions(6, 2, 2), kWhite);
}

// Esc during the line voting stops it and offers the default grid of 19
// lines; so does an Esc left over from an earlier run. Giving up the run
// stops the photographs still converting.
TEST_F(ProcessingDriverTest, EscDuringTheLineVotingStopsItAndOffersTheDefaultGrid) {
    InstallSlowConverter(dir, {"IMG_0001.jpg", "IMG_0002.jpg"});
    // The voting steps the bar once per column of the 1200-pixel photograph.
    long columnsVoted = 0;
    port.duringProgress = [&] {
        if (port.progress.Maximum() != 1198) return;
        columnsVoted = port.progress.Value();
        if (columnsVoted != 100) return;
        EXPECT_TRUE(WaitForConverterRuns(dir, 3));  // a later photograph is converting
        program.AbortRequested = true;              // Esc
    };
    EXPECT_EQ(sizeOfferedAtTheGridCheck(), 19);
    EXPECT_EQ(columnsVoted, 100);  // no column after the Esc
    EXPECT_FALSE(AnyConverterRunning(dir));
}

// So does the preparation of the next series.
TEST_F(ProcessingDriverTest, ANewSeriesStopsTheConvertersOfTheLastOne) {
    InstallSlowConverter(dir, {"IMG_0001.jpg"});
    const QString converter = dir.path() + "vconvert";
    PreparePhotos(dir.path(), {photos_->path(), {"IMG_0001.jpg", "IMG_0001.jpg", "IMG_0002.jpg"}},
                  converter, program.preparation, port);
    ASSERT_TRUE(WaitForConverterRuns(dir, 3));  // the third photograph is converting
    PreparePhotos(dir.path(), {photos_->path(), {"IMG_0001.jpg"}}, converter, program.preparation,
                  port);
    EXPECT_TRUE(program.preparation.WaitForFile(dir.path() + "temp/IMG_0001.jpg", port));
    EXPECT_FALSE(AnyConverterRunning(dir));
}

TEST_F(ProcessingDriverTest, AnEscapeLeftFromAnEarlierRunOffersTheDefaultGrid) {
    program.AbortRequested = true;
    EXPECT_EQ(sizeOfferedAtTheGridCheck(), 19);
    EXPECT_TRUE(toldToGoBack());
}
