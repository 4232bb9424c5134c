#include "batch/PositionLog.h"

#include "game/GameState.h"
#include "imaging/PhotoPaths.h"

namespace {

QChar pointMark(int value) {
    if (value == kBlack) return u'B';
    if (value == kWhite) return u'W';
    return u'.';
}

QString positionRows(const GameState& state) {
    QString rows;
    for (int j = 0; j <= state.GridMax; ++j) {
        for (int i = 0; i <= state.GridMax; ++i) {
            if (i > 0) rows += u' ';
            rows += pointMark(state.Positions(i, j, state.MoveCount));
        }
        rows += u'\n';
    }
    return rows;
}

}  // namespace

void PositionLog::Record(const GameState& state) {
    const QString name = StripPath(state.CurrentPhoto);
    const qsizetype known = names_.indexOf(name);
    if (known >= 0) {
        positions_[known] = positionRows(state);
        return;
    }
    names_ << name;
    positions_ << positionRows(state);
}

QByteArray PositionLog::Text() const {
    QString text;
    for (qsizetype k = 0; k < names_.size(); ++k) text += names_[k] + u'\n' + positions_[k];
    return text.toUtf8();
}
