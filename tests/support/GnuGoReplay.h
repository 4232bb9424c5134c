#pragma once

#include <QString>
#include <QStringList>

// What GNU Go made of an SGF file: it reads the file (its setup stones and
// its moves), then every move is played again one by one over GTP, so that
// a move the rules forbid is caught instead of silently skipped.
struct GnuGoReplay {
    bool read = false;       // the file loaded
    QString failure;         // the first refusal, "" when every move was played
    QStringList moves;       // as GNU Go read them: "black D4", "white PASS", ...
    QStringList setupBlack;  // the black setup stones: "D16", ...
    QStringList setupWhite;
};

GnuGoReplay ReplayWithGnuGo(const QString& sgfPath);
