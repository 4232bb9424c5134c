#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "app/ProcessingDriver.h"
#include "game/GameDetails.h"
#include "game/OutputOptions.h"
#include "game/UserPort.h"

// The choices of the command line that the options panel also makes; what
// is not given comes from the settings file.
struct OutputChoices {
    bool interval = false;
    bool noSgf = false;
    bool noKifu = false;
    std::optional<int> widthUnit;  // kUnitCm, kUnitInch or kUnitPixel
    std::optional<QString> width;
    std::optional<QString> dpi;
};

// How the batch front end answers what the window would ask.
struct BatchAnswers {
    // "N", "S", "E" or "W"; empty: the program's own guess.
    QString blackSide;
    // The pass question: Yes (the player to move passed), No (the other
    // player passed) or Cancel (the photograph is ignored).
    Answer onUnchanged = Answer::Yes;
    // White's stone came first: Yes (Black passed) or No.
    Answer onWhiteFirst = Answer::Yes;
    // The anomaly dialog's choice: 999 stops the run, 1 takes two moves,
    // 2 ignores the photograph.
    int onAnomaly = 999;
    // The board's lines, when the grid check is to use this many.
    std::optional<int> boardSize;
};

// Everything the command line asks for.
struct BatchArguments {
    bool help = false;
    bool version = false;
    ProcessingRequest request;  // the photo paths made absolute
    GameDetails details;
    OutputChoices outputs;
    BatchAnswers answers;
    // Where to write the position read from each photograph; empty: nowhere.
    QString positionsFile;
    // --find-grid: the one photograph (made absolute) to find the grid on
    // instead of processing a series; empty for a series.
    QString findGridPhoto;
    // --position: the one photograph (made absolute) to read the position of
    // instead of processing a series; empty for a series.
    QString positionPhoto;
};

// Reads the command line (without the program name). Game details are
// filtered and normalised as the window's fields do when they are left; a
// value the window would refuse is an error here. Returns std::nullopt
// with error set when the line cannot be used.
std::optional<BatchArguments> ParseBatchArguments(const QStringList& arguments, QString& error);

// The text of --help.
QString BatchUsage();

// Applies the output choices to the options read from the settings file and
// keeps the kifu sheet within bounds; a corrected size is told through the
// port, as the window beeps and corrects the field.
void ApplyOutputChoices(const OutputChoices& choices, OutputOptions& options, UserPort& port);
