// The kifu sheet of a 250-move 19-line game with handicap stones, captures
// and passes: drawn alone, and drawn and saved as a grey-scale PNG (with the
// converter present, as a user has it), at 3200 and 9600 pixels wide.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "game/GameDetails.h"
#include "game/GameState.h"
#include "game/MoveText.h"
#include "imaging/Converter.h"
#include "output/KifuLayout.h"
#include "output/KifuSheet.h"
#include "output/SgfFile.h"
#include "output/SgfMoves.h"
#include "render/GoGame.h"
#include "support/ScriptedUserPort.h"

namespace {

struct Game {
    Game() {
        GoBoard board(19);
        board.play(kBlack, 3, 3);
        board.play(kBlack, 15, 15);
        record.setupStones = {{3, 3}, {15, 15}};
        const SgfOrientation south{18, "S"};
        for (const GameMove& move : RandomGame(board, 250, 11)) {
            record.moves.push_back(*SgfMoveOf(move.pass
                                                  ? PassMoveText(move.colour)
                                                  : StoneMoveText(move.colour, move.x, move.y, 19),
                                              south));
        }
        details.whiteName = "Rossi";
        details.blackName = "Bianchi";
        details.result = "W+R";
        details.gameName = "Finale";
    }
    SgfRecord record;
    GameDetails details;
};

const Game& game() {
    static const Game shared;
    return shared;
}

void BM_RenderKifuSheet(benchmark::State& state) {
    const KifuLayout layout = KifuLayoutFor(static_cast<int>(state.range(0)), 15, 15);
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderKifuSheet(game().record, game().details, layout));
}
BENCHMARK(BM_RenderKifuSheet)->Arg(3200)->Arg(9600)->Unit(benchmark::kMillisecond);

void BM_RenderAndSaveKifuSheet(benchmark::State& state) {
    const KifuLayout layout = KifuLayoutFor(static_cast<int>(state.range(0)), 15, 15);
    QTemporaryDir dir;
    const QString converter = FindConverter(dir.path() + "/");
    ScriptedUserPort port;
    for (auto _ : state) {
        const QImage sheet = RenderKifuSheet(game().record, game().details, layout);
        SaveKifuSheet(sheet, layout, dir.path() + "/kifu", converter, port);
    }
}
BENCHMARK(BM_RenderAndSaveKifuSheet)
    ->Arg(3200)
    ->Arg(9600)
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

}  // namespace

// Drawing text needs the font database of a GUI application object.
