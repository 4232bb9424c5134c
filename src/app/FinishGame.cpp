#include "app/FinishGame.h"

#include "app/Program.h"
#include "app/WorkingFiles.h"
#include "game/UserPort.h"
#include "geometry/BlackSide.h"
#include "imaging/Converter.h"
#include "output/KifuLayout.h"
#include "output/KifuSheet.h"
#include "output/SgfFile.h"
#include "output/SgfMoves.h"
#include "util/Numbers.h"
#include "util/ProgramFiles.h"

namespace {

const QString kParagraph = QStringLiteral("\r\n\r\n");
// From this width on the user is told that the sheet takes a while.
constexpr int kLargeSheetWidth = 3200;

QString countsText(int photoCount, int moveCount) {
    QString text = QStringLiteral("Banmark ha terminato l'elaborazione della partita.\r\n");
    text += photoCount == 1 ? QStringLiteral("È stata esaminata 1 fotografia")
                            : QStringLiteral("Sono state esaminate %1 fotografie").arg(photoCount);
    text += QStringLiteral(" per un totale di %1").arg(moveCount);
    text += moveCount == 1 ? QStringLiteral(" mossa.") : QStringLiteral(" mosse.");
    return text;
}

QString waitingText(int sheetWidth) {
    QString text = QStringLiteral("      Creazione kifu...      ");
    if (sheetWidth >= kLargeSheetWidth) {
        text += kParagraph + QStringLiteral(
                                 "      Poiché sono state impostate dimensioni      \r\n"
                                 "      ragguardevoli potrebbero essere necessari      \r\n"
                                 "      parecchi secondi.      ");
    }
    return text;
}

// A paragraph of the summary about one output file, and whether it was written.
struct OutputParagraph {
    QString text;
    bool written = false;
};

OutputParagraph sgfParagraph(Program& program, const SgfRecord& record, const QString& base,
                             UserPort& port) {
    if (!WriteSgfFile(base, record, program.details, port))
        return {kParagraph + QStringLiteral("Non è stato possibile creare il file SGF."), false};
    return {kParagraph + QStringLiteral("Il file SGF è stato creato all'indirizzo:\r\n") +
                Quoted(base + QStringLiteral(".sgf")),
            true};
}

OutputParagraph kifuParagraph(Program& program, const SgfRecord& record, const QString& base,
                              UserPort& port) {
    const GameState& state = program.state;
    const int width = static_cast<int>(roundHalfEven(numericValue(program.options.sheetWidthTag)));
    port.ShowWaitingText(waitingText(width), state.BoardColour);
    const KifuLayout layout = KifuLayoutFor(width, state.TwipsPerPixelX, state.TwipsPerPixelY);
    SaveKifuSheet(RenderKifuSheet(record, program.details, layout), layout, base,
                  FindConverter(state.ProgramDir), port);
    for (const char* extension : {".png", ".bmp"}) {
        const QString sheet = base + QString::fromLatin1(extension);
        if (FileExists(sheet, state.ProgramDir)) {
            return {kParagraph + QStringLiteral("Il Kifu è stato creato all'indirizzo:\r\n") +
                        Quoted(sheet),
                    true};
        }
    }
    return {kParagraph + QStringLiteral("Non è stato possibile creare il Kifu."), false};
}

}  // namespace

SgfRecord SgfRecordOf(const Program& program, int moveCount) {
    const SgfOrientation orientation{program.state.GridMax, program.BlackSide};
    SgfRecord record;
    record.boardSize = program.state.BoardSize;
    record.moves = SgfMovesOf(program.state, moveCount, orientation);
    if (program.recognition.StartsFromPosition)
        AddStartPosition(record, program.state, orientation);
    else
        AddHandicapStones(record, program.recognition.HandicapList, program.details, orientation);
    return record;
}

FinishedGame FinishGame(Program& program, const QString& firstPhoto, int photoCount,
                        UserPort& port) {
    const OutputOptions& options = program.options;
    if (options.saveSgf || options.saveKifu) {
        ChooseBlackSide(program.BlackSide, port);
        port.EndProcessingView();
        long value = 0;
        port.ShowProgress(value, -1);
    }
    const SgfRecord record = SgfRecordOf(program, program.state.MoveCount);
    const QString base = BuildOutputName(firstPhoto, program.details, program.state.ProgramDir);
    FinishedGame finished{countsText(photoCount, program.state.MoveCount), true};
    const auto add = [&finished](const OutputParagraph& paragraph) {
        finished.summary += paragraph.text;
        finished.outputsWritten = finished.outputsWritten && paragraph.written;
    };
    if (options.saveSgf) add(sgfParagraph(program, record, base, port));
    if (options.saveKifu) add(kifuParagraph(program, record, base, port));
    port.ShowWaitingText(QString(), program.state.BoardColour);
    port.ShowSummary(finished.summary);
    RemoveTempFiles(program.state.ProgramDir, options);
    port.EndProgram();
    return finished;
}
