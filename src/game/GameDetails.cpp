#include "game/GameDetails.h"

QStringList RankEntries() {
    QStringList ranks{QString()};
    for (int p = 9; p >= 1; --p) ranks << QStringLiteral("%1p").arg(p);
    for (int d = 9; d >= 1; --d) ranks << QStringLiteral("%1d").arg(d);
    for (int k = 1; k <= 30; ++k) ranks << QStringLiteral("%1k").arg(k);
    return ranks;
}

QString RankText(int index) { return RankEntries().value(index); }

QStringList HandicapEntries(int highest) {
    QStringList entries{QString()};
    for (int stones = 2; stones <= highest; ++stones) entries << QString::number(stones);
    return entries;
}

int HandicapStonesSet(const GameDetails& details) {
    // Entry 0 is the empty one, which the panel treats as no selection.
    return details.handicapIndex >= 1 ? details.handicapIndex + 1 : 0;
}

bool HandicapIsSetUp(const QString& rules) {
    return rules == QStringLiteral("AGA") || rules == QStringLiteral("Japanese");
}

QStringList RulesEntries() {
    return {QStringLiteral("AGA"), QStringLiteral("Chinese"), QStringLiteral("Japanese"),
            QStringLiteral("GOE"), QStringLiteral("NZ")};
}
