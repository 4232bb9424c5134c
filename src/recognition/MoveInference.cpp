#include "recognition/MoveInference.h"

#include <QFile>
#include <QImage>

#include "app/MoveText.h"
#include "app/Program.h"
#include "app/UserPort.h"
#include "geometry/GridCalibration.h"
#include "imaging/Converter.h"
#include "imaging/ConverterRuns.h"
#include "recognition/MoveRecording.h"
#include "recognition/RecognitionWindows.h"

namespace {

// The automatic retries: step 0 corrects the photograph's gamma, steps 1 to 4
// try the grid one pixel off diagonally in each direction, step 5 puts it
// back where it was.
struct GridShift {
    int dx;
    int dy;
};
constexpr GridShift kRetryShifts[] = {{0, 0}, {-1, -1}, {0, 2}, {2, 0}, {0, -2}, {-1, 1}};
constexpr int kLastRetryStep = 5;

constexpr int kChoiceTwoMoves = 1;
constexpr int kChoiceIgnore = 2;
constexpr int kChoiceCorrect = 3;
constexpr int kChoiceRecalibrate = 4;
constexpr int kChoiceAbandon = 999;

bool isUnchanged(const PositionChanges& c) {
    return c.newWhite == 0 && c.newBlack == 0 && c.goneWhite == 0 && c.goneBlack == 0;
}

QString otherPlayer(const QString& player) {
    return player == kBlackPlayer ? kWhitePlayer : kBlackPlayer;
}

// The same position as before: a pass, or a photograph to ignore.
void recordPass(Program& program, UserPort& port) {
    GameState& state = program.state;
    program.recognition.TwoMovesExpected = false;
    if (state.CurrentPhoto == program.recognition.FirstPreparedPhoto) return;

    const QString toMove = PlayerToMove(program);
    const QString other = otherPlayer(toMove);
    const Answer answer = port.ShowMessage(
        {kProcessingTitle,
         QStringLiteral("Nessuna differenza con la foto precedente: %1 passa?\r\n\r\n"
                        "<No> se passa %2,\r\n<Annulla> per ignorare la foto.")
             .arg(toMove, other),
         MessageIcon::Question, MessageButtons::YesNoCancel, Answer::Yes});
    if (answer == Answer::Cancel) {
        state.ErroreChoice = 0;
        return;
    }
    const QString passer = answer == Answer::Yes ? toMove : other;
    QString& pass = program.recognition.NewStones[0];
    pass = PassMoveText(passer == kBlackPlayer ? kBlack : kWhite);
    RecordMove(program, pass);
    ++state.MoveCount;
}

// Lists the stones that appeared, in scan order, and returns how many.
int collectNewStones(Program& program) {
    const GameState& state = program.state;
    auto& stones = program.recognition.NewStones;
    stones.fill(QString());
    int count = 0;
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) {
            const int now = state.Positions(i, j, state.MoveCount);
            if (state.Positions(i, j, state.MoveCount - 1) == kEmpty && now != kEmpty) {
                stones[count++] = StoneMoveText(now, i, j, state.BoardSize);
            }
        }
    }
    return count;
}

bool breaksCountRules(const PositionChanges& c, bool handicapCollecting) {
    return (c.newBlack >= 2 && !handicapCollecting) || c.newWhite >= 2 ||
           (c.newWhite >= 1 && c.newBlack >= 1) || (c.goneWhite >= 1 && c.goneBlack >= 1) ||
           (c.newWhite >= 1 && c.goneWhite >= 1) || (c.newBlack >= 1 && c.goneBlack >= 1) ||
           (c.newWhite == 0 && c.goneBlack >= 1) || (c.newBlack == 0 && c.goneWhite >= 1);
}

// A stone of the player who moved last; sets the situation line that says so.
bool playedOutOfTurn(GameState& state, const PositionChanges& c) {
    const QString& previous = state.Moves(state.MoveCount - 1, 1);
    if (previous.startsWith(u'N') && c.newBlack == 1) {
        state.SituationLines[5] = QStringLiteral("Ha mosso Nero; doveva muovere Bianco.");
        return true;
    }
    if (previous.startsWith(u'B') && c.newWhite == 1) {
        state.SituationLines[5] = QStringLiteral("Ha mosso Bianco; doveva muovere Nero.");
        return true;
    }
    return false;
}

// The photograph before was set aside: this one must show two moves, or the
// user names the one that is missing.
void recordTwoExpectedMoves(Program& program, int newStoneCount, RecognitionWindows& windows) {
    GameState& state = program.state;
    RecognitionState& rec = program.recognition;
    rec.TwoMovesExpected = false;
    if (newStoneCount == 2) {
        RecordTwoMoves(program, state.MoveCount);
        return;
    }
    state.WarningMode = false;
    const QString missing = windows.CorrectMoves(state, rec.NewStones[0]);
    if (missing.isEmpty()) {
        RecordMove(program, rec.NewStones[0]);
        ++state.MoveCount;
        return;
    }
    rec.NewStones[1] = rec.NewStones[0];
    rec.NewStones[0] = missing;
    RecordTwoMoves(program, state.MoveCount);
}

// Replaces the photograph under analysis by a gamma-corrected copy. When the
// converter is missing or fails, the photograph stays as it was.
void correctGamma(Program& program, UserPort& port) {
    const QString& dir = program.state.ProgramDir;
    const QString corrected = dir + QStringLiteral("temp.jpg");
    QFile::remove(corrected);  // an earlier photograph's copy must not be taken for this one
    if (!RunGammaCorrection(program.state.CurrentPhoto, dir, FindConverter(dir), port)) return;
    const QImage picture(corrected);
    if (picture.isNull()) return;
    program.recognition.Photo = picture;
    port.ShowPhoto(picture);
}

// Makes the next automatic retry ready; false once all have been made.
bool prepareRetry(Program& program, UserPort& port) {
    RecognitionState& rec = program.recognition;
    if (rec.RetryStep == 0) {
        correctGamma(program, port);
    } else {
        const GridShift shift = kRetryShifts[rec.RetryStep];
        ShiftGrid(program.state, shift.dx, shift.dy);
    }
    if (rec.RetryStep == kLastRetryStep) return false;
    rec.RetryPhoto = true;
    ++rec.RetryStep;
    return true;
}

QString countLine(const QString& start, int count, const QString& one, const QString& many) {
    return start + QString::number(count) + (count == 1 ? one : many);
}

void fillReport(GameState& state, const PositionChanges& c) {
    const QString appeared = QStringLiteral("Sono APPARSE: ");
    const QString gone = QStringLiteral("Sono SCOMPARSE: ");
    const QString black = QStringLiteral(" pietra NERA.");
    const QString blacks = QStringLiteral(" pietre NERE.");
    const QString white = QStringLiteral(" pietra BIANCA.");
    const QString whites = QStringLiteral(" pietre BIANCHE.");
    state.SituationLines[0] = countLine(appeared, c.newBlack, black, blacks);
    state.SituationLines[1] = countLine(appeared, c.newWhite, white, whites);
    state.SituationLines[2] = countLine(gone, c.goneBlack, black, blacks);
    state.SituationLines[3] = countLine(gone, c.goneWhite, white, whites);
}

// Shows the anomaly dialog and carries out the user's choice; a correction
// the user cancels brings the dialog back.
InferenceResult askTheUser(Program& program, UserPort& port, RecognitionWindows& windows) {
    GameState& state = program.state;
    for (;;) {
        state.ErroreChoice = windows.AskAnomalyChoice(state.SituationLines);
        switch (state.ErroreChoice) {
            case kChoiceTwoMoves:
                program.recognition.TwoMovesExpected = false;
                RecordTwoMoves(program, state.MoveCount);
                return InferenceResult::Continue;
            case kChoiceIgnore:
                program.recognition.TwoMovesExpected = true;
                return InferenceResult::Continue;
            case kChoiceCorrect:
                state.WarningMode = true;
                windows.CorrectMoves(state, QString());
                if (state.WarningCancelled) continue;
                ++state.MoveCount;
                return InferenceResult::Continue;
            case kChoiceRecalibrate:
                program.AbortRequested = false;
                if (!VerifyGrid(state, program.recognition.Photo.size(), false, port))
                    return InferenceResult::Abandoned;
                return InferenceResult::Recalibrated;
            case kChoiceAbandon:
                return InferenceResult::Abandoned;
            default:
                return InferenceResult::Continue;
        }
    }
}

}  // namespace

InferenceResult InferMoves(Program& program, const PositionChanges& changes, UserPort& port,
                           RecognitionWindows& windows) {
    GameState& state = program.state;
    RecognitionState& rec = program.recognition;
    // Only a retry asked for below sends the same photograph round again; an
    // ignored unchanged photograph must not come back with its question.
    rec.RetryPhoto = false;
    if (isUnchanged(changes)) {
        recordPass(program, port);
        return InferenceResult::Continue;
    }

    const int newStoneCount = collectNewStones(program);
    state.SituationLines[5].clear();
    bool anomaly = changes.colourChanged || breaksCountRules(changes, rec.HandicapCollecting);
    anomaly = playedOutOfTurn(state, changes) || anomaly;
    if (!anomaly && !rec.TwoMovesExpected) {
        RecordMove(program, rec.NewStones[0]);
        ++state.MoveCount;
        return InferenceResult::Continue;
    }

    state.ErroreChoice = 0;
    if (rec.TwoMovesExpected) {
        recordTwoExpectedMoves(program, newStoneCount, windows);
        return InferenceResult::Continue;
    }
    if (prepareRetry(program, port)) return InferenceResult::Continue;

    rec.RetryPhoto = false;
    fillReport(state, changes);
    return askTheUser(program, port, windows);
}
