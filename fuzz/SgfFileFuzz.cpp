// The SGF file on any game details and any move list: the file always
// reads back as a game of the same size, handicap, rules and moves, however
// the names and texts are made (brackets, backslashes, letters outside
// ISO-8859-1). Move texts that name no move must not upset SgfMoveOf.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzCheck.h"
#include "game/GameDetails.h"
#include "game/GameState.h"
#include "game/MoveText.h"
#include "output/SgfFile.h"
#include "output/SgfMoves.h"
#include "render/SgfGame.h"

namespace {

GameDetails anyDetails(FuzzedDataProvider& input) {
    GameDetails d;
    for (QString* text :
         {&d.blackName, &d.blackTeam, &d.whiteName, &d.whiteTeam, &d.komi, &d.rules, &d.mainTime,
          &d.byoyomi, &d.place, &d.date, &d.event, &d.round, &d.gameName, &d.result})
        *text = ConsumeText(input, 64);
    d.blackRankIndex = input.ConsumeIntegralInRange(-1, 60);
    d.whiteRankIndex = input.ConsumeIntegralInRange(-1, 60);
    d.handicapIndex = input.ConsumeIntegralInRange(-1, 8);
    return d;
}

// What the file makes of a text: letters it cannot hold become "?".
QString asStored(const QString& text) {
    QString stored;
    for (const char32_t c : text.toUcs4()) stored += c <= 0xFF ? QChar(c) : QChar(u'?');
    return stored;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int boardSize = input.PickValueInArray({9, 13, 19});
    const SgfOrientation orientation{
        boardSize - 1, QString::fromLatin1(input.PickValueInArray({"N", "S", "E", "W"}))};
    const GameDetails details = anyDetails(input);

    SgfRecord record;
    record.boardSize = boardSize;
    int moves = 0;
    const int texts = input.ConsumeIntegralInRange(0, 40);
    for (int k = 0; k < texts; ++k) {
        const int colour = input.ConsumeBool() ? kBlack : kWhite;
        switch (input.ConsumeIntegralInRange(0, 3)) {
            case 0:
                SgfMoveOf(ConsumeText(input, 64),
                          orientation);  // nothing to check but that it copes
                break;
            case 1:
                record.moves.push_back(*SgfMoveOf(PassMoveText(colour), orientation));
                ++moves;
                break;
            default:
                record.moves.push_back(*SgfMoveOf(
                    StoneMoveText(colour, input.ConsumeIntegralInRange(0, boardSize - 1),
                                  input.ConsumeIntegralInRange(0, boardSize - 1), boardSize),
                    orientation));
                ++moves;
        }
    }

    const QString file = QString::fromLatin1(SgfFileBytes(record, details));
    QString error;
    const std::optional<SgfGame> game = ReadSgfGame(file, &error);
    FuzzCheck(game.has_value(), "the file reads back", error + u'\n' + file);
    FuzzCheck(game->boardSize == boardSize, "the board size reads back", file);
    FuzzCheck(static_cast<int>(game->moves.size()) == moves, "every move reads back", file);
    FuzzCheck(game->rules == asStored(details.rules), "the rules read back", file);
    FuzzCheck(game->handicap == (details.handicapIndex > 0 ? details.handicapIndex + 1 : 0),
              "the handicap reads back", file);
    return 0;
}
