#include "output/SgfFile.h"

#include <QSaveFile>
#include <QStringList>

#include "game/GameDetails.h"
#include "game/UserPort.h"
#include "game/Version.h"
#include "imaging/Converter.h"
#include "imaging/PhotoPaths.h"
#include "util/ProgramFiles.h"

namespace {

const QString kLineEnd = QStringLiteral("\r\n");
constexpr int kNodesPerLine = 10;

QString escaped(QString value) {
    value.replace(u'\\', QStringLiteral("\\\\"));
    value.replace(u']', QStringLiteral("\\]"));
    return value;
}

QString property(const char* name, const QString& value) {
    return QString::fromLatin1(name) + u'[' + escaped(value) + u']';
}

QString playerLine(const char* nameTag, const QString& name, const char* rankTag, int rankIndex) {
    QString line = property(nameTag, name);
    if (rankIndex >= 1) line += property(rankTag, RankText(rankIndex));
    return line;
}

QStringList informationLines(const GameDetails& d) {
    QStringList lines;
    const auto add = [&lines](const char* tag, const QString& value) {
        if (!value.isEmpty()) lines << property(tag, value);
    };
    if (!d.whiteName.isEmpty()) lines << playerLine("PW", d.whiteName, "WR", d.whiteRankIndex);
    add("WT", d.whiteTeam);
    if (!d.blackName.isEmpty()) lines << playerLine("PB", d.blackName, "BR", d.blackRankIndex);
    add("BT", d.blackTeam);
    add("KM", d.komi);
    if (d.handicapIndex > 0) add("HA", QString::number(d.handicapIndex + 1));
    add("RU", d.rules);
    add("TM", d.mainTime);
    add("OT", d.byoyomi);
    add("PC", d.place);
    add("DT", d.date);
    add("EV", d.event);
    add("RO", d.round);
    add("GN", d.gameName);
    add("RE", d.result);
    return lines;
}

QString letters(QPoint point) { return QString(QChar(u'a' + point.x())) + QChar(u'a' + point.y()); }

QString nodeText(const SgfMove& move) {
    QString node = move.white ? QStringLiteral(";W[") : QStringLiteral(";B[");
    if (move.kind == SgfMove::Kind::Stone) node += letters(move.point);
    if (move.kind != SgfMove::Kind::Unnamed) node += u']';
    if (!move.comment.isEmpty()) node += QStringLiteral("C[") + move.comment + u']';
    return node;
}

QString setupLine(const char* tag, const std::vector<QPoint>& stones) {
    QString line = QString::fromLatin1(tag);
    for (const QPoint stone : stones) line += u'[' + letters(stone) + u']';
    return line;
}

// The move nodes and the closing ")", ten nodes to a line.
QStringList moveLines(const std::vector<SgfMove>& moves) {
    QStringList lines{QString()};
    for (std::size_t k = 0; k < moves.size(); ++k) {
        if (k > 0 && k % kNodesPerLine == 0) lines << QString();
        lines.last() += nodeText(moves[k]);
    }
    lines.last() += u')';
    return lines;
}

// Without leading and trailing blanks; other white space is kept.
QString trimSpaces(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == u' ') ++start;
    while (end > start && text.at(end - 1) == u' ') --end;
    return text.mid(start, end - start);
}

QByteArray latin1(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t c : text.toUcs4()) bytes += c <= 0xFF ? static_cast<char>(c) : '?';
    return bytes;
}

QString failureReason(const QSaveFile& file) {
    switch (file.error()) {
        case QFileDevice::OpenError:
        case QFileDevice::PermissionsError:
            return QStringLiteral(
                "La cartella non consente la scrittura, oppure il file è aperto in un altro "
                "programma.");
        case QFileDevice::WriteError:
        case QFileDevice::ResourceError:
            return QStringLiteral("Errore di scrittura: il disco potrebbe essere pieno.");
        default:
            return file.errorString();
    }
}

}  // namespace

QByteArray SgfFileBytes(const SgfRecord& record, const GameDetails& details) {
    QStringList lines{QStringLiteral("(;FF[4]GM[1]SZ[%1]CA[ISO-8859-1]AP[Banmark:%2]")
                          .arg(record.boardSize)
                          .arg(versionText()),
                      QString()};
    const QStringList information = informationLines(details);
    if (!information.isEmpty()) lines << information << QString();
    if (!record.setupStones.empty()) lines << setupLine("AB", record.setupStones);
    if (!record.setupWhiteStones.empty()) lines << setupLine("AW", record.setupWhiteStones);
    if (!record.firstPlayer.isEmpty()) lines << property("PL", record.firstPlayer);
    lines << moveLines(record.moves);
    return latin1(lines.join(kLineEnd) + kLineEnd);
}

bool WriteSgfFile(const QString& path, const SgfRecord& record, const GameDetails& details,
                  UserPort& port) {
    const QString name = path + QStringLiteral(".sgf");
    QSaveFile file(name);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(SgfFileBytes(record, details));
        if (file.commit()) return true;
    }
    port.ShowMessage({kProcessingTitle,
                      CannotSaveText(name) + QStringLiteral("\r\n\r\n") + failureReason(file),
                      MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok});
    return false;
}

QString BuildOutputName(const QString& firstPhoto, const GameDetails& d,
                        const QString& programDir) {
    QString name = QStringLiteral("Banmark");
    if (!d.whiteName.isEmpty() && !d.blackName.isEmpty())
        name = d.whiteName + QStringLiteral(" - ") + d.blackName;
    if (!d.place.isEmpty() || !d.date.isEmpty()) name = trimSpaces(d.place + u' ' + d.date);
    if (!d.event.isEmpty()) name = trimSpaces(d.event + QStringLiteral(" - ") + d.round);
    if (!d.gameName.isEmpty()) name = d.gameName;
    const QString folder = DirectoryOf(firstPhoto);
    return (folder.isEmpty() ? programDir : folder) + name;
}
