#include "recognition/GameStart.h"

#include <algorithm>

#include "game/GameDetails.h"
#include "game/UserPort.h"
#include "imaging/Converter.h"

namespace {

const QString kWarningStart = QStringLiteral("Attenzione!");
const QString kParagraph = QStringLiteral("\r\n\r\n");

// Rules under which Black always plays first.
bool rulesWantBlackFirst(const QString& rules) { return RulesEntries().contains(rules); }

// White moved first: either Black passed, or the rules set cannot hold.
void checkWhiteFirst(int& count, GameDetails& details, QString& warning, UserPort& port) {
    const Answer answer = port.ShowMessage(
        {kProcessingTitle, kWarningStart + kParagraph +
                               QStringLiteral("Bianco ha mosso per primo. Nero ha passato?"),
         MessageIcon::Question, MessageButtons::YesNo, Answer::Yes});
    if (answer == Answer::Yes) {
        count = kBlackPassedFirst;
        return;
    }
    if (!rulesWantBlackFirst(details.rules)) return;
    warning += kParagraph + QStringLiteral(
                                "La prima mossa è stata di Bianco e questo è incompatibile con le "
                                "regole impostate (che saranno ignorate).");
    details.rules.clear();
    count = kAbandonRun;
}

void checkEvenGame(GameDetails& details, QString& warning) {
    const int set = HandicapStonesSet(details);
    if (set == 0) return;
    warning += kParagraph + QStringLiteral("Sono state impostate %1 pietre di handicap, ma non ne "
                                           "è stata trovata alcuna.")
                                .arg(set);
    details.handicapIndex = -1;
}

void checkHandicapGame(int count, bool onHoshi, GameDetails& details, QString& warning) {
    const int set = HandicapStonesSet(details);
    if (set != count) {
        warning += kParagraph + QStringLiteral("Sono state impostate %1 pietre di handicap, ma ne "
                                               "sono state trovate %2.")
                                    .arg(set)
                                    .arg(count);
        details.handicapMax = std::max(details.handicapMax, count);
        details.handicapIndex = count - 1;
    }
    if (HandicapIsSetUp(details.rules) && !onHoshi) {
        warning += kParagraph +
                   QStringLiteral("Sono state impostate le regole %1, ma le pietre di handicap non "
                                  "sono posizionate sugli hoshi.\r\n"
                                  "Le regole impostate saranno ignorate.")
                       .arg(details.rules);
        details.rules.clear();
    }
}

}  // namespace

void CheckGameStart(int& count, bool onHoshi, GameDetails& details, UserPort& port) {
    QString warning = kWarningStart;
    if (count == 0) {
        checkWhiteFirst(count, details, warning, port);
    } else if (count == 1) {
        checkEvenGame(details, warning);
    } else {
        checkHandicapGame(count, onHoshi, details, warning);
    }
    if (warning == kWarningStart) return;
    port.ShowMessage(
        {kProcessingTitle, warning, MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok});
}
