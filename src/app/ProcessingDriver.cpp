#include "app/ProcessingDriver.h"

#include <algorithm>

#include "app/Program.h"
#include "app/SeriesSelection.h"
#include "game/RecognitionWindows.h"
#include "game/UserPort.h"
#include "game/Version.h"
#include "geometry/BoardFinder.h"
#include "geometry/GridCalibration.h"
#include "imaging/Converter.h"
#include "imaging/PhotoList.h"
#include "imaging/PhotoLoading.h"
#include "imaging/PhotoPaths.h"
#include "imaging/PhotoPreparation.h"
#include "imaging/VideoFrames.h"
#include "output/SgfFile.h"
#include "recognition/CalibratedReading.h"
#include "recognition/Classification.h"
#include "recognition/GameOpening.h"
#include "recognition/IntervalWatch.h"
#include "recognition/MoveInference.h"
#include "recognition/MoveRecording.h"
#include "recognition/PositionReading.h"
#include "recognition/StartPosition.h"

namespace {

// A photograph can show two moves, MoveCount and MoveCount + 1, and both
// must fit in the move list: no photograph is analysed from this move on.
constexpr int kMoveCapacity = kMaxMoves - 1;

void tell(UserPort& port, const QString& text, MessageIcon icon) {
    port.ShowMessage({kProcessingTitle, text, icon, MessageButtons::Ok, Answer::Ok});
}

// Makes the prepared copy of the series' first photograph the current one.
void startAt(Program& program, const QString& firstName) {
    program.state.CurrentPhoto = PreparedCopy(program.state.ProgramDir, firstName);
    program.recognition.FirstPreparedPhoto = program.state.CurrentPhoto;
}

// Has the photographs prepared (PreparePhotos) and starts at the first.
void prepareSeries(Program& program, const PhotoSeries& photos, UserPort& port) {
    GameState& state = program.state;
    PreparePhotos(state.ProgramDir, photos, FindConverter(state.ProgramDir), program.preparation,
                  port);
    state.FrameTimes.clear();
    startAt(program, photos.names.first());
}

// Has the video's frames taken out, each prepared copy keeping its time,
// and starts at the first.
void prepareVideo(Program& program, const SelectedSeries& series, UserPort& port) {
    GameState& state = program.state;
    PrepareVideoFrames(state.ProgramDir, series.video, series.ffmpeg, series.frames,
                       program.preparation, port);
    state.FrameTimes.clear();
    for (const VideoFrame& frame : series.frames)
        state.FrameTimes[PreparedCopy(state.ProgramDir, frame.name)] = VideoTimeText(frame.seconds);
    startAt(program, series.frames.front().name);
}

// Loads the prepared copy of CurrentPhoto once the converter has written
// it. A missing copy or one that is no picture is left out (false); any
// other error is reported and the photograph shown before stays.
bool loadCurrentPhoto(Program& program, UserPort& port) {
    RecognitionState& rec = program.recognition;
    const QString& photo = program.state.CurrentPhoto;
    if (!program.preparation.WaitForFile(photo, port)) return false;
    const LoadedPhoto loaded = LoadPhoto(photo);
    if (loaded.outcome == PhotoLoadOutcome::Unusable) return false;
    if (loaded.outcome == PhotoLoadOutcome::Failed) {
        tell(port, QStringLiteral("Errore %1\r\n").arg(loaded.errorNumber) + loaded.error,
             MessageIcon::Exclamation);
        return !rec.Photo.isNull();
    }
    rec.Photo = loaded.image;
    port.ShowPhoto(rec.Photo);
    return true;
}

// Loads the prepared copy of a run's first photograph (CurrentPhoto) and
// keeps it as the empty board's; false, after telling the user why, when it
// cannot be read or is too small to read the stones on. typed: the
// photograph as the user named it.
bool loadFirstPhoto(Program& program, const QString& typed, UserPort& port) {
    const auto refuse = [&](const QString& reason) {
        tell(port, reason + Quoted(typed), MessageIcon::Exclamation);
        return false;
    };
    if (!loadCurrentPhoto(program, port))
        return refuse(QStringLiteral("Non è stato possibile leggere la prima fotografia:\r\n"));
    RecognitionState& rec = program.recognition;
    rec.FirstPhoto = rec.Photo;
    const QSize size = rec.Photo.size();
    if (std::min(size.width(), size.height()) >= kSmallestPhotoSide) return true;
    return refuse(QStringLiteral("La prima fotografia è troppo piccola per riconoscere le pietre "
                                 "(%1 × %2 pixel; ne servono almeno %3 sul lato corto):\r\n")
                      .arg(size.width())
                      .arg(size.height())
                      .arg(kSmallestPhotoSide));
}

// One run over a selected series, from the preparation to the end of the game.
class SeriesRun {
public:
    SeriesRun(Program& program, const ProcessingRequest& request, SelectedSeries series,
              UserPort& port, RecognitionWindows& windows)
        : program_(program),
          state_(program.state),
          rec_(program.recognition),
          game_(program.record()),
          request_(request),
          series_(std::move(series)),
          port_(port),
          windows_(windows),
          tempFolder_(PreparedCopy(state_.ProgramDir, QString()).toLower()) {}

    ProcessingResult run(bool ctrlHeld) {
        const QString outputBase =
            BuildOutputName(request_.firstPhoto, program_.details, state_.ProgramDir);
        if (!prepare() || !EstablishGrid(program_, request_.grid, outputBase, ctrlHeld, port_) ||
            !followGame()) {
            Reset(program_, request_.firstPhoto, port_);
            return {ProcessingOutcome::Abandoned, {}};
        }
        return {ProcessingOutcome::Finished,
                FinishGame(program_, request_.firstPhoto, photoCount_, port_)};
    }

private:
    // What the loop does after a photograph.
    enum class Step { Next, Again, Stop, Abandon };

    // Has the series prepared and shows its first photograph; false when
    // that one cannot be read or is too small to read the stones on.
    bool prepare() {
        port_.ShowProcessingView();
        if (series_.video.isEmpty()) {
            prepareSeries(program_,
                          {program_.photos.folder,
                           series_.names.mid(series_.first, series_.last - series_.first + 1)},
                          port_);
        } else {
            prepareVideo(program_, series_, port_);
        }
        rec_.HandicapCollecting = true;
        port_.SetCaption(request_.firstPhoto + kCaptionSuffix);
        return loadFirstPhoto(program_, request_.firstPhoto, port_);
    }

    bool followGame() {
        state_.MoveCount = 1;
        state_.FirstEditableMove = 1;
        rec_.TwoMovesExpected = false;
        rec_.RetryPhoto = false;
        rec_.HandicapSeen.clear();
        rec_.Levels = {};
        // A video is a camera taking a photograph every half second.
        rec_.IntervalPhotos = program_.options.intervalPhotos || !series_.video.isEmpty();
        clearStartPosition();
        TakeStartPosition(state_, rec_, program_.details);
        port_.EnableGameStartFields(false);
        long progress = 0;
        port_.ShowProgress(progress, series_.last - series_.first);
        for (int index = series_.first; index <= series_.last; ++index) {
            progress = index - series_.first;
            port_.ShowProgress(progress, 0);
            port_.ShowSeriesProgress(index - series_.first + 1, series_.last - series_.first + 1,
                                     state_.MoveCount);
            const Step step = analyse(series_.names[index], index == series_.last);
            if (step == Step::Abandon) return false;
            if (step == Step::Stop) break;
            if (step == Step::Again) {
                --index;
                --photoCount_;
            }
        }
        --state_.MoveCount;  // it now counts the recorded moves
        showMoveCaption();
        progress = series_.last - series_.first;
        port_.ShowProgress(progress, 0);
        return true;
    }

    // The move under analysis, or the moves recorded, and the photograph.
    void showMoveCaption() {
        port_.SetCaption(QString::number(state_.MoveCount) + QStringLiteral(": ") +
                         state_.CurrentPhoto + kCaptionSuffix);
    }

    // Position 0 holds only the handicap of this game, or nothing, until the
    // first photograph shows a game in progress.
    void clearStartPosition() {
        for (int i = 0; i < kMaxLines; ++i) {
            for (int j = 0; j < kMaxLines; ++j) state_.Positions(i, j, 0) = kEmpty;
        }
    }

    // last: the series' last photograph.
    Step analyse(const QString& name, bool last) {
        if (!IsSamePhotoSeries(state_.CurrentPhoto.toLower(), tempFolder_, name.toLower()))
            return Step::Next;
        if (state_.MoveCount >= kMoveCapacity) {
            tell(port_,
                 QStringLiteral("La partita ha raggiunto il numero massimo di mosse che Banmark "
                                "può registrare.\r\nLe fotografie successive non saranno "
                                "esaminate: la partita sarà salvata con le mosse registrate "
                                "finora."),
                 MessageIcon::Exclamation);
            return Step::Stop;
        }
        state_.CurrentPhoto = PreparedCopy(state_.ProgramDir, name);
        showMoveCaption();
        const bool retry = rec_.RetryPhoto;
        if (!retry) {
            if (!loadCurrentPhoto(program_, port_)) return Step::Next;
            rec_.RetryStep = 0;
            if (rec_.Followed) FollowGrid(rec_.Photo, state_, *rec_.Followed);
        }
        ++photoCount_;
        return classifyAndInfer(retry, last);
    }

    // retry: the photograph is read again after an automatic retry, its
    // change already taken.
    Step classifyAndInfer(bool retry, bool last) {
        state_.PhotoGrids[state_.CurrentPhoto] = state_.GridPoints;
        if (rec_.StartsFromPosition && state_.CurrentPhoto == rec_.FirstPreparedPhoto)
            return showStartPosition();
        PositionChanges changes = ClassifyIntersections(state_, rec_, port_, windows_);
        if (rec_.IntervalPhotos && !retry &&
            interval_.judge(state_, changes, rec_.ReachedIn, last) !=
                IntervalWatch::Verdict::Settled)
            return Step::Next;
        if (rec_.HandicapCollecting && changes.newWhite > 0) {
            rec_.HandicapCollecting = false;
            if (!SettleGameStart(game_, port_)) return Step::Abandon;
            // The stones were counted against the empty board; counted again
            // against the position before White's first stone, only that
            // stone is new, and no retry is spent on the start of the game.
            changes = CountChanges(state_);
        }
        // Until White's first stone the photographs are only classified.
        if (rec_.HandicapCollecting) {
            if (rec_.HandicapList != rec_.HandicapSeen) {
                rec_.HandicapSeen = rec_.HandicapList;
                rec_.HandicapPhoto = state_.CurrentPhoto;
            }
            return Step::Next;
        }
        switch (InferMoves(game_, changes, port_, windows_)) {
            case InferenceResult::Abandoned:
                return Step::Abandon;
            case InferenceResult::Recalibrate:
                program_.AbortRequested = false;
                if (!VerifyGrid(state_, rec_.Photo.size(), false, port_)) return Step::Abandon;
                // The empty board is looked at again at the corrected grid.
                rec_.Calibration = rec_.StartsFromPosition
                                       ? CalibrateAroundStones(rec_.FirstPhoto, state_)
                                       : ChooseCalibration(rec_.FirstPhoto, state_);
                rec_.Followed = StartFollowing(rec_.Photo, state_);
                rec_.RetryPhoto = false;  // read afresh, as a new photograph
                return Step::Again;
            case InferenceResult::Continue:
                break;
        }
        return rec_.RetryPhoto ? Step::Again : Step::Next;
    }

    // The first photograph is the position the game goes on from: shown,
    // and no move.
    Step showStartPosition() {
        for (int i = 0; i <= state_.GridMax; ++i) {
            for (int j = 0; j <= state_.GridMax; ++j)
                state_.Positions(i, j, state_.MoveCount) = state_.Positions(i, j, 0);
        }
        windows_.RedrawLiveBoard(state_);
        return Step::Next;
    }

    Program& program_;
    GameState& state_;
    RecognitionState& rec_;
    GameRecord game_;
    const ProcessingRequest& request_;
    const SelectedSeries series_;
    UserPort& port_;
    RecognitionWindows& windows_;
    // The working folder of the prepared copies, in lower case as the series
    // membership compares names.
    const QString tempFolder_;
    int photoCount_ = 0;
    IntervalWatch interval_;
};

}  // namespace

ProcessingResult ProcessPhotoSeries(Program& program, const ProcessingRequest& request,
                                    UserPort& port, RecognitionWindows& windows) {
    const bool ctrlHeld = program.CtrlHeld;
    std::optional<SelectedSeries> series =
        SelectSeries(program, request.firstPhoto, request.lastPhoto, port);
    if (!series) return {ProcessingOutcome::InvalidInput, {}};
    return SeriesRun(program, request, std::move(*series), port, windows).run(ctrlHeld);
}

PhotoGridOutcome FindGridOnPhoto(Program& program, const QString& photo,
                                 const std::optional<GivenGrid>& given, UserPort& port) {
    prepareSeries(program, {DirectoryOf(photo), {StripPath(photo)}}, port);
    if (!loadFirstPhoto(program, photo, port)) return PhotoGridOutcome::Refused;
    if (!ConfirmFirstGrid(program, given, QString(), false, port)) return PhotoGridOutcome::GivenUp;
    if (given) program.state.setGrid(SnapToBoard(program.recognition.Photo, program.state.grid()));
    return PhotoGridOutcome::Confirmed;
}

PositionReading TakePhotoPosition(Program& program) {
    RecognitionState& rec = program.recognition;
    const PositionReading reading = ReadPosition(rec.Photo, program.state);
    SetStartPosition(program.state, rec, reading);
    program.state.MoveCount = 0;
    return reading;
}

void Reset(Program& program, const QString& firstPhoto, UserPort& port) {
    program.preparation.Stop();  // the copies of an abandoned run are not wanted
    tell(port, QStringLiteral("Banmark tornerà ora alla scelta delle opzioni.\r\n"),
         MessageIcon::Information);
    port.ShowOptionsPanel();
    long progress = 0;
    port.ShowProgress(progress, -1);
    port.SetCaption(firstPhoto + kCaptionSuffix);
    program.state.CurrentPhoto = PreparedCopy(program.state.ProgramDir, StripPath(firstPhoto));
}
