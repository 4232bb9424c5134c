#include "app/PartialGame.h"

#include "app/FinishGame.h"
#include "app/Program.h"
#include "geometry/BlackSide.h"
#include "output/SgfFile.h"

std::optional<QString> SavePartialGame(Program& program, const QString& firstPhoto,
                                       UserPort& port) {
    // A run stops while it analyses move MoveCount: the moves before it are
    // the ones recorded.
    const int recorded = program.state.MoveCount - 1;
    if (recorded < 1) return std::nullopt;
    ChooseBlackSide(program.BlackSide, port);
    const QString base = BuildOutputName(firstPhoto, program.details, program.state.ProgramDir) +
                         QStringLiteral(" (parziale)");
    if (!WriteSgfFile(base, SgfRecordOf(program, recorded), program.details, port))
        return std::nullopt;
    return base + QStringLiteral(".sgf");
}
