#include "support/GnuGoReplay.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>

namespace {

// GNU Go in GTP mode, one command at a time.
class Gtp {
public:
    Gtp() {
        process_.start(QStringLiteral("/usr/games/gnugo"),
                       {QStringLiteral("--mode"), QStringLiteral("gtp")});
        process_.waitForStarted();
    }
    ~Gtp() {
        process_.write("quit\n");
        process_.waitForFinished(5000);
    }

    // The answer's text after "= ", or nothing with ok false after "? ".
    QString send(const QString& command, bool& ok) {
        process_.write(command.toUtf8() + '\n');
        QByteArray answer;
        while (!answer.endsWith("\n\n") && process_.waitForReadyRead(10000))
            answer += process_.readAll();
        ok = answer.startsWith('=');
        return QString::fromUtf8(answer.mid(2)).trimmed();
    }
    QString send(const QString& command) {
        bool ok = false;
        return send(command, ok);
    }

private:
    QProcess process_;
};

QStringList words(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

}  // namespace

GnuGoReplay ReplayWithGnuGo(const QString& sgfPath) {
    GnuGoReplay replay;
    // GTP separates its arguments by blanks: the file is read from a copy
    // whose path has none.
    QTemporaryDir copyDir(QDir::tempPath() + QStringLiteral("/gnugo-XXXXXX"));
    const QString copy = copyDir.filePath(QStringLiteral("game.sgf"));
    if (!QFile::copy(sgfPath, copy)) return replay;
    Gtp gnugo;
    gnugo.send(QStringLiteral("loadsgf %1").arg(copy), replay.read);
    if (!replay.read) return replay;
    // The history comes newest first, one move per line.
    replay.moves = gnugo.send(QStringLiteral("move_history")).split(u'\n', Qt::SkipEmptyParts);
    std::reverse(replay.moves.begin(), replay.moves.end());
    for (QString& move : replay.moves) move = move.trimmed();

    gnugo.send(QStringLiteral("loadsgf %1 1").arg(copy));  // the setup, before move 1
    replay.setupBlack = words(gnugo.send(QStringLiteral("list_stones black")));
    replay.setupWhite = words(gnugo.send(QStringLiteral("list_stones white")));
    for (const QString& move : replay.moves) {
        bool played = false;
        const QString answer = gnugo.send(QStringLiteral("play ") + move, played);
        if (!played) {
            replay.failure = move + QStringLiteral(": ") + answer;
            break;
        }
    }
    return replay;
}
