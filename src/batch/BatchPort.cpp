#include "batch/BatchPort.h"

#include "app/Program.h"
#include "geometry/GridCalibration.h"

namespace {

constexpr int kAbandonChoice = 999;

QString oneLine(const QString& text) {
    return text.trimmed().replace(QStringLiteral("\r\n"), QStringLiteral(" ")).simplified();
}

QString answerName(Answer answer) {
    switch (answer) {
        case Answer::Yes:
            return QStringLiteral("Sì");
        case Answer::No:
            return QStringLiteral("No");
        case Answer::Cancel:
            return QStringLiteral("Annulla");
        case Answer::Ok:
            break;
    }
    return QStringLiteral("OK");
}

// The run asks two questions: whether an unchanged photograph is a pass
// (Yes, No or Cancel) and whether Black passed before White's first stone
// (Yes or No). Any other one gets its default button.
Answer policyAnswer(const MessageBoxRequest& request, const BatchAnswers& answers) {
    if (request.buttons == MessageButtons::YesNoCancel) return answers.onUnchanged;
    if (request.buttons == MessageButtons::YesNo) return answers.onWhiteFirst;
    return request.defaultButton;
}

// "X0,Y0,XG0,YG0,XGG,YGG,X0G,Y0G": (0, 0), (G, 0), (G, G), (0, G).
QString cornerList(const GameState& state) {
    const int g = state.GridMax;
    QStringList numbers;
    for (const auto& [i, j] : {std::pair{0, 0}, {g, 0}, {g, g}, {0, g}}) {
        numbers << QString::number(state.GridPoints(i, j, 0))
                << QString::number(state.GridPoints(i, j, 1));
    }
    return numbers.join(u',');
}

}  // namespace

void BatchPort::report(const QString& line) {
    progress_.Clear();
    std::fprintf(err_, "%s\n", line.toLocal8Bit().constData());
    std::fflush(err_);
}

Answer BatchPort::ShowMessage(const MessageBoxRequest& request) {
    const QString line = request.title + QStringLiteral(": ") + oneLine(request.text);
    if (request.buttons == MessageButtons::Ok) {
        report(line);
        return Answer::Ok;
    }
    const Answer answer = policyAnswer(request, answers_);
    report(line + QStringLiteral(" -> ") + answerName(answer));
    return answer;
}

bool BatchPort::CalibrateGrid(GridCalibration& calibration) {
    if (program_.AbortRequested) {
        report(QStringLiteral("Griglia non trovata: indicarla con --size e --corners."));
        gaveUp_ = GiveUp::NoGrid;
        return false;
    }
    // Esc at the grid check: 9, 13, 19 lines in turn.
    for (int turn = 0; answers_.boardSize && turn < 3; ++turn) {
        if (program_.state.BoardSize == *answers_.boardSize) break;
        calibration.CycleSize();
    }
    // The caption of the window's button, without its access key mark, and
    // the corners as --corners takes them, to give the grid back on a later run.
    report(QStringLiteral("Griglia: ") + oneLine(calibration.Caption()).remove(u'&') +
           QStringLiteral(" Angoli: ") + cornerList(program_.state));
    return true;
}

void BatchPort::ChooseSide(QString& side) {
    if (!answers_.blackSide.isEmpty()) side = answers_.blackSide;
    report(QStringLiteral("Lato del Nero: ") + side);
}

void BatchPort::ShowSummary(const QString& text) {
    progress_.Clear();  // the output may go to the same terminal
    std::fprintf(out_, "%s\n",
                 QString(text)
                     .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                     .toLocal8Bit()
                     .constData());
    std::fflush(out_);
}

void BatchPort::ShowSeriesProgress(int photo, int photos, int move) {
    progress_.Show(QStringLiteral("foto %1/%2, mossa %3").arg(photo).arg(photos).arg(move));
}

int BatchPort::AskAnomalyChoice(const std::array<QString, 6>& situationLines) {
    QString situation;
    for (const QString& line : situationLines) {
        if (!line.isEmpty()) situation += u' ' + line;
    }
    const int choice = answers_.onAnomaly;
    report(QStringLiteral("Anomalia al file ") + program_.state.CurrentPhoto + QStringLiteral(":") +
           situation + QStringLiteral(" -> ") + QString::number(choice));
    if (choice == kAbandonChoice) gaveUp_ = GiveUp::Anomaly;
    return choice;
}

CorrectionResult BatchPort::CorrectMoves(GameState&, CorrectionMode,
                                         const QString& lastRecognised) {
    report(QStringLiteral("Mossa mancante non indicata; registrata ") + lastRecognised);
    return {};
}
