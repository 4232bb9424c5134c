#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <functional>

#include "app/Program.h"
#include "game/MoveText.h"
#include "recognition/Classification.h"
#include "recognition/MoveInference.h"
#include "recognition/MoveRecording.h"
#include "support/Boards.h"
#include "support/ScriptedUserPort.h"
#include "support/TempProgramDir.h"

// A 19-line game under analysis at move 5, after "N: D4" as move 4. Each test
// lays out the photograph's position and lets InferMoves judge it, the way
// the driver does: again and again while it asks for a retry.
class MoveInferenceTest : public testing::Test {
protected:
    void SetUp() override {
        state.ProgramDir = dir.path();
        QDir(dir.path()).mkdir("temp");
        state.CurrentPhoto = dir.path() + "temp/IMG_0005.jpg";
        QImage photo(64, 48, QImage::Format_RGB32);
        photo.fill(qRgb(90, 90, 90));
        ASSERT_TRUE(photo.save(state.CurrentPhoto));
        program.recognition.FirstPreparedPhoto = dir.path() + "temp/IMG_0001.jpg";
        PlaceSquareGrid(state, 19, {100, 50}, 40);
        program.BlackSide = "E";
        state.MoveCount = 5;
        lay("N: D4", 4);
        state.Moves(4, 1) = "N: D4";
        photograph();
    }

    // The point of a move text on the position of move m (the one under
    // analysis when not given), and the move's stone put there.
    int& at(const QString& move, int m = -1) {
        const MovePoint p = PointOfMove(move, state.BoardSize);
        return state.Positions(p.i, p.j, m < 0 ? state.MoveCount : m);
    }
    void lay(const QString& move, int m = -1) { at(move, m) = move[0] == 'N' ? kBlack : kWhite; }
    // The texts of the moves recorded from move 5 on.
    QStringList newMoves() const {
        QStringList texts;
        for (int m = 5; m < state.MoveCount; ++m) texts << state.Moves(m, 1);
        return texts;
    }
    QPoint gridCorner() const { return {state.GridPoints(0, 0, 0), state.GridPoints(0, 0, 1)}; }
    // The photograph of the move under analysis: the position before, the
    // stones of these move texts added.
    void photograph(std::initializer_list<const char*> stones = {}) {
        for (int k = 0; k < 19 * 19; ++k)
            state.Positions(k % 19, k / 19, state.MoveCount) =
                state.Positions(k % 19, k / 19, state.MoveCount - 1);
        for (const char* stone : stones) lay(stone);
    }
    InferenceResult infer(const std::function<void()>& classify = [] {}) {
        program.recognition.RetryStep = 0;
        InferenceResult result;
        passes = 0;
        do {
            classify();
            ++passes;
            result = InferMoves(game, CountChanges(state), port, port);
        } while (result == InferenceResult::Continue && program.recognition.RetryPhoto);
        return result;
    }

    TempProgramDir dir;
    Program program;
    GameState& state = program.state;
    GameRecord game = program.record();
    ScriptedUserPort port;
    int passes = 0;
};

TEST_F(MoveInferenceTest, AnUnchangedPhotographIsAPassOrIgnored) {
    state.Moves(4, 1).clear();  // no move yet: Black is to move
    at("N: D4") = kWhite;       // a stone that changed colour alone is no change
    port.answers = {Answer::Yes, Answer::No, Answer::Cancel};
    infer();
    const QString question =
        "Nessuna differenza con la foto precedente: %1 passa?\r\n\r\n"
        "<No> se passa %2,\r\n<Annulla> per ignorare la foto.";
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].title, "Banmark - Elaborazione");
    EXPECT_EQ(port.messages[0].text, question.arg("Nero", "Bianco"));
    EXPECT_EQ(port.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(newMoves(), QStringList({"N: pass"}));
    EXPECT_EQ(state.Moves(5, 0), state.CurrentPhoto);
    EXPECT_TRUE(state.Moves(5, 2).isEmpty());

    photograph();
    infer();  // White to move now; No: Black passes again
    EXPECT_EQ(port.messages[1].text, question.arg("Bianco", "Nero"));
    EXPECT_EQ(newMoves(), QStringList({"N: pass", "N: pass"}));

    photograph();
    infer();
    EXPECT_EQ(newMoves(), QStringList({"N: pass", "N: pass"}));
    EXPECT_TRUE(state.Moves(7, 1).isEmpty());
    EXPECT_EQ(passes, 1);  // an ignored photograph is not analysed again
}

TEST_F(MoveInferenceTest, TheFirstPhotographIsNoMove) {
    at("N: D4") = kWhite;  // the stone at D4 now reads white
    program.recognition.TwoMovesExpected = true;
    state.CurrentPhoto = program.recognition.FirstPreparedPhoto;
    infer();
    EXPECT_TRUE(port.messages.empty());
    EXPECT_FALSE(program.recognition.TwoMovesExpected);
    EXPECT_TRUE(newMoves().isEmpty());
}

TEST_F(MoveInferenceTest, AMovedStoneIsReportedAfterFiveRetries) {
    state.Moves(4, 1) = "B: Q16";  // Black to move
    at("N: D4") = kEmpty;
    lay("N: D5");
    port.anomalyChoices = {2};
    infer();
    EXPECT_EQ(passes, 6);  // the photograph, gamma-corrected, then at four grid offsets
    EXPECT_FALSE(port.shownPhoto.isNull());    // the corrected copy was shown
    EXPECT_EQ(gridCorner(), QPoint(100, 50));  // the grid is back
    ASSERT_EQ(port.anomalyReports.size(), 1u);
    const std::array<QString, 6> expected{"Sono APPARSE: 1 pietra NERA.",
                                          "Sono APPARSE: 0 pietre BIANCHE.",
                                          "Sono SCOMPARSE: 1 pietra NERA.",
                                          "Sono SCOMPARSE: 0 pietre BIANCHE.",
                                          "",
                                          ""};
    EXPECT_EQ(port.anomalyReports[0], expected);
    // Ignored: nothing recorded, two moves expected next.
    EXPECT_TRUE(newMoves().isEmpty());
    EXPECT_TRUE(state.Moves(5, 1).isEmpty());
    EXPECT_TRUE(program.recognition.TwoMovesExpected);
}

TEST_F(MoveInferenceTest, ARetryThatWorksKeepsTheGridWhereItWorked) {
    // The photograph reads right only with the grid one pixel up and left.
    const auto classify = [this] {
        photograph({"B: Q16"});
        if (gridCorner() != QPoint(99, 49)) lay("N: K10");
    };
    infer(classify);
    EXPECT_EQ(passes, 3);  // as it was, gamma-corrected, shifted
    EXPECT_EQ(newMoves(), QStringList({"B: Q16"}));
    EXPECT_EQ(gridCorner(), QPoint(99, 49));
}

TEST_F(MoveInferenceTest, AfterAnIgnoredPhotographTwoStonesAreTwoMoves) {
    program.recognition.TwoMovesExpected = true;
    photograph({"N: C3", "B: Q16"});  // N: C3 scanned first
    infer();
    // White is to move after N: D4, so White's stone comes first.
    EXPECT_EQ(newMoves(), QStringList({"B: Q16", "N: C3"}));
    EXPECT_EQ(state.Moves(6, 0), state.Moves(5, 0));
    EXPECT_EQ(at("N: D4", 5), kEmpty);  // the position between them was never seen
    EXPECT_EQ(at("N: C3", 6), kBlack);
    EXPECT_EQ(at("B: Q16", 6), kWhite);
    EXPECT_FALSE(program.recognition.TwoMovesExpected);
}

TEST_F(MoveInferenceTest, AfterAnIgnoredPhotographOneStoneAsksForTheMissingMove) {
    program.recognition.TwoMovesExpected = true;
    lay("B: Q16");
    QString shownLabel;
    port.correct = [&](GameState&, CorrectionMode mode, const QString& last) {
        EXPECT_EQ(mode, CorrectionMode::MissingMove);
        shownLabel = last;
        return CorrectionResult{};
    };
    infer();
    EXPECT_EQ(shownLabel, "B: Q16");
    EXPECT_EQ(newMoves(), QStringList({"B: Q16"}));

    // The next time the user names the missing move.
    program.recognition.TwoMovesExpected = true;
    photograph({"B: R17"});
    port.correct = [](GameState&, CorrectionMode, const QString&) {
        return CorrectionResult{false, "N: C3"};
    };
    infer();
    // Black is to move after B: Q16, so the missing move comes first.
    EXPECT_EQ(newMoves(), QStringList({"B: Q16", "N: C3", "B: R17"}));
    EXPECT_TRUE(state.Moves(6, 2).startsWith("0"));
}

TEST_F(MoveInferenceTest, TheUsersOtherChoicesAreCarriedOut) {
    photograph({"B: Q16", "B: R17"});
    port.anomalyChoices = {1};  // two moves, as found: in scan order
    infer();
    EXPECT_EQ(newMoves(), QStringList({"B: R17", "B: Q16"}));

    // Correction: cancelled once, which brings the dialog back, then confirmed.
    photograph({"N: C3", "N: C4"});
    int shown = 0;
    port.correct = [&](GameState& s, CorrectionMode mode, const QString&) {
        EXPECT_EQ(mode, CorrectionMode::Correction);
        const bool cancelled = ++shown == 1;
        if (!cancelled) s.Moves(7, 1) = "N: C3";
        return CorrectionResult{cancelled, {}};
    };
    port.anomalyChoices = {3, 3};
    EXPECT_EQ(infer(), InferenceResult::Continue);
    EXPECT_EQ(port.anomalyReports.size(), 3u);
    EXPECT_EQ(newMoves(), QStringList({"B: R17", "B: Q16", "N: C3"}));

    // Recalibration: left to the driver, nothing recorded.
    photograph({"N: E5", "N: E6"});
    port.anomalyChoices = {4};
    EXPECT_EQ(infer(), InferenceResult::Recalibrate);
    EXPECT_EQ(newMoves(), QStringList({"B: R17", "B: Q16", "N: C3"}));

    port.anomalyChoices = {0};  // the dialog closed without a choice
    EXPECT_EQ(infer(), InferenceResult::Continue);
    EXPECT_EQ(newMoves(), QStringList({"B: R17", "B: Q16", "N: C3"}));
    EXPECT_FALSE(program.recognition.TwoMovesExpected);
}

TEST(MoveRecording, TheFirstStoneGuessesBlacksSideAndTheLastMoveTellsWhoIsToMove) {
    // On the middle row the column decides: H10 is West here, J10 East below.
    EXPECT_EQ(GuessBlackSide("N: H10", 19), "W");
    EXPECT_EQ(GuessBlackSide("N: D16", 19), "E");
    EXPECT_EQ(GuessBlackSide("B: D16", 19), "W");  // seen from White
    EXPECT_EQ(GuessBlackSide("N: E5", 9), "E");

    Program program;
    program.state.BoardSize = 19;
    program.state.MoveCount = 1;
    GameRecord game = program.record();
    RecordMove(game, "N: pass");
    EXPECT_TRUE(program.BlackSide.isEmpty());
    RecordMove(game, "N: J10");
    EXPECT_EQ(program.BlackSide, "E");
    RecordMove(game, "N: H10");
    EXPECT_EQ(program.BlackSide, "E");  // only the first stone guesses

    // The player to move follows the last move, or the handicap under rules
    // that give White the first move.
    Program next;
    EXPECT_EQ(PlayerToMove(next.state, next.details), "Nero");
    next.details.handicapIndex = 2;
    next.details.rules = "Chinese";
    EXPECT_EQ(PlayerToMove(next.state, next.details), "Nero");
    next.details.rules = "Japanese";
    EXPECT_EQ(PlayerToMove(next.state, next.details), "Bianco");
    next.state.Moves(3, 1) = "B: C3";
    next.state.Moves(7, 1) = "";
    EXPECT_EQ(PlayerToMove(next.state, next.details), "Nero");
}
