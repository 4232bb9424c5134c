#include "render/SgfGame.h"

#include <QStringList>

#include "game/GameState.h"

namespace {

struct SgfProperty {
    QString name;
    QStringList values;
};
using SgfNode = std::vector<SgfProperty>;

// Reads the nodes of the first game tree's main line, taking the first
// variation wherever the tree branches and skipping the others.
class SgfParser {
public:
    explicit SgfParser(const QString& text) : text_(text) {}

    std::optional<std::vector<SgfNode>> mainLine() {
        std::vector<SgfNode> line;
        if (!tree(&line)) return std::nullopt;
        return line;
    }
    const QString& error() const { return error_; }

private:
    // A tree's nodes are appended to line, or only checked when it is null.
    bool tree(std::vector<SgfNode>* line) {
        if (!expect(u'(')) return false;
        SgfNode skipped;
        if (next() != u';') return fail(QStringLiteral("a game tree without nodes"));
        while (next() == u';') {
            ++pos_;
            if (!node(line ? line->emplace_back() : skipped)) return false;
        }
        for (bool first = true; next() == u'('; first = false) {
            if (!tree(first ? line : nullptr)) return false;
        }
        return expect(u')');
    }

    bool node(SgfNode& node) {
        while (next().isUpper()) {
            SgfProperty& property = node.emplace_back();
            while (pos_ < text_.size() && text_[pos_].isUpper()) property.name += text_[pos_++];
            if (next() != u'[') return fail(property.name + QStringLiteral(" without a value"));
            while (next() == u'[') {
                ++pos_;
                if (!value(property.values.emplace_back())) return false;
            }
        }
        return true;
    }

    // The text up to the closing bracket, with its escapes undone.
    bool value(QString& value) {
        for (; pos_ < text_.size(); ++pos_) {
            if (text_[pos_] == u']') {
                ++pos_;
                return true;
            }
            if (text_[pos_] == u'\\') ++pos_;
            if (pos_ < text_.size()) value += text_[pos_];
        }
        return fail(QStringLiteral("a value without its closing bracket"));
    }

    // The next character that is not white space, without taking it; 0 at the end.
    QChar next() {
        while (pos_ < text_.size() && text_[pos_].isSpace()) ++pos_;
        return pos_ < text_.size() ? text_[pos_] : QChar();
    }

    bool expect(QChar wanted) {
        if (next() != wanted) return fail(QStringLiteral("expected '%1'").arg(wanted));
        ++pos_;
        return true;
    }

    bool fail(const QString& what) {
        error_ = pos_ < text_.size() ? QStringLiteral("%1 at character %2").arg(what).arg(pos_ + 1)
                                     : what + QStringLiteral(" at the end of the text");
        return false;
    }

    const QString& text_;
    qsizetype pos_ = 0;
    QString error_;
};

// Fills the game from the main line's nodes, property by property.
class GameBuilder {
public:
    std::optional<SgfGame> build(const std::vector<SgfNode>& line) {
        if (!readSize(line.front())) return std::nullopt;
        for (const SgfNode& node : line) {
            for (const SgfProperty& property : node) {
                if (!apply(property)) return std::nullopt;
            }
        }
        return game_;
    }
    const QString& error() const { return error_; }

private:
    bool readSize(const SgfNode& root) {
        for (const SgfProperty& property : root) {
            if (property.name != u"SZ") continue;
            game_.boardSize = property.values.front().trimmed().toInt();
            if (game_.boardSize != 9 && game_.boardSize != 13 && game_.boardSize != 19)
                return fail(QStringLiteral("SZ[%1]: only 9, 13 and 19 lines are supported")
                                .arg(property.values.front()));
        }
        return true;
    }

    bool apply(const SgfProperty& property) {
        const QString& name = property.name;
        if (name == u"HA") return readHandicap(property.values.front());
        if (name == u"RU") game_.rules = property.values.front();
        if (name == u"AB") return readSetup(property, game_.setupBlack);
        if (name == u"AW") return readSetup(property, game_.setupWhite);
        if (name == u"B" || name == u"W") return readMove(property);
        if (name == u"AE") return fail(QStringLiteral("AE: removed points are not supported"));
        return true;
    }

    bool readHandicap(const QString& value) {
        bool ok = false;
        game_.handicap = value.trimmed().toInt(&ok);
        if (!ok || game_.handicap < 0)
            return fail(QStringLiteral("HA[%1]: not a handicap").arg(value));
        return true;
    }

    bool readSetup(const SgfProperty& property, std::vector<QPoint>& stones) {
        if (!game_.moves.empty()) return fail(property.name + QStringLiteral(" after the first move"));
        for (const QString& value : property.values) {
            const std::optional<QPoint> point = boardPoint(value);
            if (!point)
                return fail(property.name +
                            QStringLiteral("[%1]: not a point on the board").arg(value));
            stones.push_back(*point);
        }
        return true;
    }

    bool readMove(const SgfProperty& property) {
        const QString where = QStringLiteral("move %1, %2[%3]")
                                  .arg(game_.moves.size() + 1)
                                  .arg(property.name, property.values.join(QStringLiteral("][")));
        if (property.values.size() != 1)
            return fail(where + QStringLiteral(": one point expected"));
        GameMove move{property.name == u"B" ? kBlack : kWhite, true, 0, 0};
        const QString& value = property.values.front();
        if (!value.isEmpty() && value != u"tt") {
            const std::optional<QPoint> point = boardPoint(value);
            if (!point) return fail(where + QStringLiteral(": not a point on the board"));
            move = {move.colour, false, point->x(), point->y()};
        }
        game_.moves.push_back(move);
        return true;
    }

    std::optional<QPoint> boardPoint(const QString& value) const {
        if (value.size() != 2) return std::nullopt;
        const int x = value[0].unicode() - u'a';
        const int y = value[1].unicode() - u'a';
        const auto inside = [this](int k) { return k >= 0 && k < game_.boardSize; };
        if (!inside(x) || !inside(y)) return std::nullopt;
        return QPoint(x, y);
    }

    bool fail(const QString& what) {
        error_ = what;
        return false;
    }

    SgfGame game_;
    QString error_;
};

QString SgfPoint(int x, int y) { return QString(QChar(u'a' + x)) + QChar(u'a' + y); }

QString Escaped(QString text) {
    return text.replace(u'\\', QStringLiteral("\\\\")).replace(u']', QStringLiteral("\\]"));
}

}  // namespace

std::optional<SgfGame> ReadSgfGame(const QString& text, QString* error) {
    SgfParser parser(text);
    const std::optional<std::vector<SgfNode>> line = parser.mainLine();
    GameBuilder builder;
    const std::optional<SgfGame> game = line ? builder.build(*line) : std::nullopt;
    if (!game && error) *error = line ? builder.error() : parser.error();
    return game;
}

QString WriteSgfGame(const SgfGame& game) {
    QString sgf = QStringLiteral("(;GM[1]FF[4]SZ[%1]").arg(game.boardSize);
    if (game.handicap > 0) sgf += QStringLiteral("HA[%1]").arg(game.handicap);
    if (!game.rules.isEmpty()) sgf += QStringLiteral("RU[%1]").arg(Escaped(game.rules));
    for (const auto& [tag, stones] : {std::pair{"AB", &game.setupBlack}, std::pair{"AW", &game.setupWhite}}) {
        if (!stones->empty()) sgf += QString::fromLatin1(tag);
        for (const QPoint& stone : *stones) sgf += u'[' + SgfPoint(stone.x(), stone.y()) + u']';
    }
    for (std::size_t k = 0; k < game.moves.size(); ++k) {
        const GameMove& move = game.moves[k];
        if (k % 10 == 0) sgf += u'\n';  // ten moves a line, for reading by eye
        sgf += move.colour == kBlack ? QStringLiteral(";B[") : QStringLiteral(";W[");
        if (!move.pass) sgf += SgfPoint(move.x, move.y);
        sgf += u']';
    }
    return sgf + QStringLiteral(")\n");
}
