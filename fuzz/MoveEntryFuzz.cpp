// The move text box of the correction window on any keys typed anywhere in
// it, and the check of a confirmed text on any text: the box never holds
// more than a move, and every text the check accepts names a point of the
// board (or a pass) that reads back as the same text.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzCheck.h"
#include "game/GameState.h"
#include "game/MoveText.h"
#include "recognition/MoveEntry.h"

namespace {

// A text the check accepts is the canonical text of its move.
void checkAcceptedMove(const QString& text, int boardSize) {
    if (!IsValidMove(text, boardSize)) return;
    const int colour = text.startsWith(u'N') ? kBlack : kWhite;
    if (text.endsWith(QStringLiteral("pass"))) {
        FuzzCheck(text == PassMoveText(colour), "a pass reads back", text);
        return;
    }
    const MovePoint point = PointOfMove(text, boardSize);
    FuzzCheck(point.i >= 0 && point.i < boardSize && point.j >= 0 && point.j < boardSize,
              "an accepted move is on the board", text);
    FuzzCheck(StoneMoveText(colour, point.i, point.j, boardSize) == text,
              "an accepted move reads back", text);
}

QChar typedKey(FuzzedDataProvider& input) {
    // Mostly the keys a move is made of, sometimes any character at all.
    static const QString keys = QStringLiteral("NBnbPpAaSsDdJjTtIi0123456789\b :");
    if (input.ConsumeBool()) return keys.at(input.ConsumeIntegralInRange<int>(0, keys.size() - 1));
    return QChar(input.ConsumeIntegral<char16_t>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int boardSize = input.PickValueInArray({9, 13, 19});
    QString text;
    int caret = 0;
    const int keys = input.ConsumeIntegralInRange(0, 24);
    for (int k = 0; k < keys && input.remaining_bytes() > 0; ++k) {
        // The caret is usually at the end, where the user types.
        if (input.ConsumeIntegralInRange(0, 3) == 0)
            caret = input.ConsumeIntegralInRange<int>(0, static_cast<int>(text.size()));
        const MoveEntry entry = TypeMoveKey(text, caret, typedKey(input), boardSize);
        if (!entry.accepted) continue;
        FuzzCheck(entry.caret >= 0 && entry.caret <= entry.text.size(), "the caret is in the text",
                  entry.text);
        FuzzCheck(entry.text.size() <= 7, "the box holds one move at most", entry.text);
        text = entry.text;
        caret = entry.caret;
        checkAcceptedMove(text, boardSize);
    }
    checkAcceptedMove(ConsumeRemainingText(input), boardSize);
    return 0;
}
