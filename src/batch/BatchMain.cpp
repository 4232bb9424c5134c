// The batch front end: processes a photo series without a window, answering
// what the window would ask from the command line. See BatchUsage().
#include <unistd.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <exception>
#include <optional>

#include "app/PartialGame.h"
#include "app/Program.h"
#include "app/Startup.h"
#include "app/WorkingFiles.h"
#include "batch/BatchArguments.h"
#include "batch/BatchPort.h"
#include "batch/QtStartupNoise.h"
#include "game/MoveText.h"
#include "game/Version.h"
#include "imaging/Converter.h"
#include "output/SgfFile.h"
#include "output/SgfMoves.h"
#include "recognition/PositionReading.h"

namespace {

// Exit statuses besides 0 (every output asked for was written).
constexpr int kBadArguments = 2;
constexpr int kNoGrid = 3;
constexpr int kRunStopped = 4;
constexpr int kNotWritten = 5;

void tell(const QString& message) {
    std::fprintf(stderr, "banmark-batch: %s\n", message.toLocal8Bit().constData());
}

int fail(const QString& message, int status) {
    tell(message);
    return status;
}

QString invalidInputText(InputField field) {
    switch (field) {
        case InputField::FirstPhoto:
            return QStringLiteral("la prima fotografia non si trova nella sua cartella");
        case InputField::LastPhoto:
            return QStringLiteral(
                "l'ultima fotografia non si trova nella sua cartella o non viene dopo la prima");
        case InputField::Rules:
            break;
    }
    return QStringLiteral("mancano le regole (--rules)");
}

// A run that stopped half-way leaves the moves recorded so far in a
// partial SGF file, so that no answered question is lost.
int stoppedRun(Program& program, const QString& firstPhoto, BatchPort& port) {
    if (port.gaveUp() == BatchPort::GiveUp::NoGrid)
        return fail(QStringLiteral("griglia del goban non trovata"), kNoGrid);
    if (const std::optional<QString> partial = SavePartialGame(program, firstPhoto, port)) {
        return fail(QStringLiteral("elaborazione interrotta; le mosse registrate finora sono "
                                   "state salvate nel file ") +
                        Quoted(*partial),
                    kRunStopped);
    }
    return fail(QStringLiteral("elaborazione interrotta, nessun file scritto"), kRunStopped);
}

int exitStatus(const ProcessingResult& result, Program& program, const QString& firstPhoto,
               BatchPort& port) {
    switch (result.outcome) {
        case ProcessingOutcome::InvalidInput:
            // With no field to blame, the message before told the reason.
            return fail(port.invalidInput() ? invalidInputText(*port.invalidInput())
                                            : QStringLiteral("elaborazione non avviata"),
                        kBadArguments);
        case ProcessingOutcome::Abandoned:
            return stoppedRun(program, firstPhoto, port);
        case ProcessingOutcome::Finished:
            break;
    }
    if (!result.finished.outputsWritten)
        return fail(QStringLiteral("non è stato possibile scrivere tutti i file"), kNotWritten);
    return 0;
}

// Writes the positions read for --positions; false, with a message, when
// the file cannot be written.
bool writePositions(const QString& path, const PositionLog& positions) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(positions.Text()) >= 0 && file.commit())
        return true;
    fail(QStringLiteral("impossibile scrivere il file delle posizioni ") + Quoted(path) +
             QStringLiteral(": ") + file.errorString(),
         kNotWritten);
    return false;
}

// The grid of one photograph, found (or given) and checked as a run's
// first photograph gets it; 0 when it was confirmed.
int gridOnPhoto(Program& program, const QString& photo, const std::optional<GivenGrid>& given,
                BatchPort& port) {
    if (!QFileInfo(photo).isFile())
        return fail(invalidInputText(InputField::FirstPhoto), kBadArguments);
    std::optional<PhotoGridOutcome> outcome;
    try {
        outcome = FindGridOnPhoto(program, photo, given, port);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "banmark-batch: errore: %s\n", error.what());
    }
    program.preparation.Stop();
    if (outcome == PhotoGridOutcome::Confirmed) return 0;
    return outcome == PhotoGridOutcome::GivenUp ? kNoGrid : kRunStopped;
}

// Names the points read without a clear margin, as the record turned to
// Black's side names them, for the user to look at on the photograph.
void tellUnclearPoints(const PositionReading& reading, const Program& program) {
    const int g = program.state.GridMax;
    const SgfOrientation orientation{g, program.BlackSide};
    QStringList unclear;
    for (int j = 0; j <= g; ++j) {
        for (int i = 0; i <= g; ++i) {
            const std::optional<QPoint> point = SgfPointOf(i, j, orientation);
            if (reading.unclear(i, j) && point)
                unclear << ColumnLetter(point->x()) + QString::number(g + 1 - point->y());
        }
    }
    if (!unclear.isEmpty())
        tell(QStringLiteral("intersezioni lette con incertezza, da controllare: ") +
             unclear.join(QStringLiteral(", ")));
}

// --position: the position of one photograph, printed as --positions
// writes it and saved as a set-up game in the SGF file, with the photograph
// as the player of Black's side sees it unless --black-side says otherwise.
// The points read unclearly are named on the error stream.
int readPosition(Program& program, const BatchArguments& arguments, BatchPort& port) {
    const QString& photo = arguments.positionPhoto;
    const int status = gridOnPhoto(program, photo, arguments.request.grid, port);
    if (status != 0) return status;
    const PositionReading reading = TakePhotoPosition(program);
    PositionLog log;
    log.Record(program.state);
    std::fputs(log.Text().constData(), stdout);
    program.BlackSide =
        arguments.answers.blackSide.isEmpty() ? QStringLiteral("S") : arguments.answers.blackSide;
    tellUnclearPoints(reading, program);
    const QString base = BuildOutputName(photo, program.details, program.state.ProgramDir);
    if (!WriteSgfFile(base, SgfRecordOf(program, 0), program.details, port))
        return fail(QStringLiteral("non è stato possibile scrivere il file SGF"), kNotWritten);
    return 0;
}

// Processes the series the command line names.
int processSeries(Program& program, const BatchArguments& arguments, BatchPort& port) {
    ProcessingResult result{ProcessingOutcome::Abandoned, {}};
    try {
        result = ProcessPhotoSeries(program, arguments.request, port, port);
    } catch (const std::exception& error) {
        port.EndProgressLine();
        std::fprintf(stderr, "banmark-batch: errore: %s\n", error.what());
    }
    program.preparation.Stop();
    port.EndProgressLine();
    int status = exitStatus(result, program, arguments.request.firstPhoto, port);
    if (!arguments.positionsFile.isEmpty() &&
        !writePositions(arguments.positionsFile, port.positions()) && status == 0)
        status = kNotWritten;
    return status;
}

}  // namespace

int main(int argc, char* argv[]) {
    // No window is ever shown; the fonts of the kifu sheet still need a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    DropQtStartupNoise();
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Banmark"));

    QString error;
    const std::optional<BatchArguments> arguments =
        ParseBatchArguments(QGuiApplication::arguments().mid(1), error);
    if (!arguments)
        return fail(error + QStringLiteral("\n(banmark-batch --help per l'aiuto)"), kBadArguments);
    if (arguments->help) {
        std::fputs(BatchUsage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (arguments->version) {
        std::printf("banmark-batch %s\n", versionText().toLatin1().constData());
        return 0;
    }

    Program program;
    PlaceProgram(program.state);
    BatchPort port(program, arguments->answers, stdout, stderr,
                   isatty(fileno(stderr)) ? stderr : nullptr);
    program.Load(port);
    // The command line's choices hold for this run only: the settings file
    // keeps what it said.
    const OutputOptions settings = program.options;
    ApplyOutputChoices(arguments->outputs, program.options, port);
    program.details = arguments->details;

    int status = 0;
    if (!arguments->findGridPhoto.isEmpty())
        status = gridOnPhoto(program, arguments->findGridPhoto, std::nullopt, port);
    else if (!arguments->positionPhoto.isEmpty())
        status = readPosition(program, *arguments, port);
    else
        status = processSeries(program, *arguments, port);
    RemoveTempFiles(program.state.ProgramDir, settings);
    return status;
}
