#include "app/GameDetails.h"

QStringList RankEntries() {
    QStringList ranks{QString()};
    for (int p = 9; p >= 1; --p) ranks << QStringLiteral("%1p").arg(p);
    for (int d = 9; d >= 1; --d) ranks << QStringLiteral("%1d").arg(d);
    for (int k = 1; k <= 30; ++k) ranks << QStringLiteral("%1k").arg(k);
    return ranks;
}

QString RankText(int index) { return RankEntries().value(index); }

QStringList HandicapEntries() {
    QStringList entries{QString()};
    for (int stones = 2; stones <= 9; ++stones) entries << QString::number(stones);
    return entries;
}

QStringList RulesEntries() {
    return {QStringLiteral("AGA"), QStringLiteral("Chinese"), QStringLiteral("Japanese"),
            QStringLiteral("GOE"), QStringLiteral("NZ")};
}
