#include "recognition/MoveInference.h"

#include <QFile>
#include <QImage>

#include "game/MoveText.h"
#include "game/RecognitionWindows.h"
#include "game/UserPort.h"
#include "imaging/Converter.h"
#include "imaging/ConverterRuns.h"
#include "recognition/MoveRecording.h"

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

QString otherPlayer(const QString& player) {
    return player == kBlackPlayer ? kWhitePlayer : kBlackPlayer;
}

// The same position as before: a pass, or a photograph to ignore.
void recordPass(GameRecord& game, UserPort& port) {
    GameState& state = game.state;
    game.recognition.TwoMovesExpected = false;
    if (state.CurrentPhoto == game.recognition.FirstPreparedPhoto) return;

    const QString toMove = PlayerToMove(state, game.details);
    const QString other = otherPlayer(toMove);
    const Answer answer = port.ShowMessage(
        {kProcessingTitle,
         QStringLiteral("Nessuna differenza con la foto precedente: %1 passa?\r\n\r\n"
                        "<No> se passa %2,\r\n<Annulla> per ignorare la foto.")
             .arg(toMove, other),
         MessageIcon::Question, MessageButtons::YesNoCancel, Answer::Yes});
    if (answer == Answer::Cancel) return;
    const QString passer = answer == Answer::Yes ? toMove : other;
    QString& pass = game.recognition.NewStones[0];
    pass = PassMoveText(passer == kBlackPlayer ? kBlack : kWhite);
    RecordMove(game, pass);
    ++state.MoveCount;
}

// Lists the stones that appeared, in scan order, and returns how many.
int collectNewStones(GameRecord& game) {
    const GameState& state = game.state;
    auto& stones = game.recognition.NewStones;
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

// Two moves made between two photographs taken at intervals: a black and a
// white stone, the player to move's first. Whatever vanished of either
// colour the other colour's stone captured.
bool oneOfEachColour(const PositionChanges& c) {
    return c.newBlack == 1 && c.newWhite == 1 && !c.colourChanged;
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
void recordTwoExpectedMoves(GameRecord& game, int newStoneCount, RecognitionWindows& windows) {
    GameState& state = game.state;
    RecognitionState& rec = game.recognition;
    rec.TwoMovesExpected = false;
    if (newStoneCount == 2) {
        RecordTwoMoves(game, state.MoveCount);
        return;
    }
    const QString missing =
        windows.CorrectMoves(state, CorrectionMode::MissingMove, rec.NewStones[0]).missingMove;
    if (missing.isEmpty()) {
        RecordMove(game, rec.NewStones[0]);
        ++state.MoveCount;
        return;
    }
    rec.NewStones[1] = rec.NewStones[0];
    rec.NewStones[0] = missing;
    RecordTwoMoves(game, state.MoveCount);
}

// Replaces the photograph under analysis by a gamma-corrected copy. When the
// converter is missing or fails, the photograph stays as it was.
void correctGamma(GameRecord& game, UserPort& port) {
    const QString& dir = game.state.ProgramDir;
    const QString corrected = dir + QStringLiteral("temp.jpg");
    QFile::remove(corrected);  // an earlier photograph's copy must not be taken for this one
    if (!RunGammaCorrection(game.state.CurrentPhoto, dir, FindConverter(dir), port)) return;
    const QImage picture(corrected);
    if (picture.isNull()) return;
    game.recognition.Photo = picture;
    port.ShowPhoto(picture);
}

// Makes the next automatic retry ready; false once all have been made.
bool prepareRetry(GameRecord& game, UserPort& port) {
    RecognitionState& rec = game.recognition;
    if (rec.RetryStep == 0) {
        correctGamma(game, port);
    } else {
        const GridShift shift = kRetryShifts[rec.RetryStep];
        ShiftGrid(game.state, shift.dx, shift.dy);
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
InferenceResult askTheUser(GameRecord& game, RecognitionWindows& windows) {
    GameState& state = game.state;
    for (;;) {
        switch (windows.AskAnomalyChoice(state.SituationLines)) {
            case kChoiceTwoMoves:
                game.recognition.TwoMovesExpected = false;
                RecordTwoMoves(game, state.MoveCount);
                return InferenceResult::Continue;
            case kChoiceIgnore:
                game.recognition.TwoMovesExpected = true;
                return InferenceResult::Continue;
            case kChoiceCorrect:
                if (windows.CorrectMoves(state, CorrectionMode::Correction, QString()).cancelled)
                    continue;
                ++state.MoveCount;
                return InferenceResult::Continue;
            case kChoiceRecalibrate:
                return InferenceResult::Recalibrate;
            case kChoiceAbandon:
                return InferenceResult::Abandoned;
            default:
                return InferenceResult::Continue;
        }
    }
}

}  // namespace

InferenceResult InferMoves(GameRecord& game, const PositionChanges& changes, UserPort& port,
                           RecognitionWindows& windows) {
    GameState& state = game.state;
    RecognitionState& rec = game.recognition;
    // Only a retry asked for below sends the same photograph round again; an
    // ignored unchanged photograph must not come back with its question.
    rec.RetryPhoto = false;
    if (changes.unchanged()) {
        // A pass cannot be told from a photograph taken before the next move.
        if (!rec.IntervalPhotos) recordPass(game, port);
        return InferenceResult::Continue;
    }

    const int newStoneCount = collectNewStones(game);
    if (rec.IntervalPhotos && !rec.TwoMovesExpected && oneOfEachColour(changes)) {
        RecordTwoMoves(game, state.MoveCount);
        return InferenceResult::Continue;
    }
    state.SituationLines[5].clear();
    bool anomaly = changes.colourChanged || breaksCountRules(changes, rec.HandicapCollecting);
    // A pass cannot be seen on photographs taken at intervals: a player may
    // play twice in a row.
    if (!rec.IntervalPhotos) anomaly = playedOutOfTurn(state, changes) || anomaly;
    if (!anomaly && !rec.TwoMovesExpected) {
        RecordMove(game, rec.NewStones[0]);
        ++state.MoveCount;
        return InferenceResult::Continue;
    }

    if (rec.TwoMovesExpected) {
        recordTwoExpectedMoves(game, newStoneCount, windows);
        return InferenceResult::Continue;
    }
    if (prepareRetry(game, port)) return InferenceResult::Continue;

    rec.RetryPhoto = false;
    fillReport(state, changes);
    return askTheUser(game, windows);
}
