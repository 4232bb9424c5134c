// The game details fields on any text: what the key filters let through
// and what the normalisations make of it. A normalised value is a fixed
// point (normalising it again changes nothing) and has the form the SGF
// file and the kifu sheet expect.
#include <fuzzer/FuzzedDataProvider.h>

#include <QRegularExpression>
#include <cmath>

#include "FuzzCheck.h"
#include "app/GameDetailFields.h"
#include "util/Numbers.h"

namespace {

// A number as the fields render it: sign, digits, decimals, exponent.
bool isRenderedNumber(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?(E[-+][0-9]+)?$"));
    return form.match(text).hasMatch();
}

void checkNormalisations(const QString& text) {
    const QString komi = NormaliseKomi(text);
    const double komiValue = numericValue(komi);
    FuzzCheck(
        komi.isEmpty() || (isRenderedNumber(komi) && std::trunc(2 * komiValue) == 2 * komiValue),
        "komi is a whole or half number", komi);
    FuzzCheck(NormaliseKomi(komi) == komi, "komi stays as normalised", komi);

    const QString mainTime = NormaliseMainTime(text);
    FuzzCheck(mainTime.isEmpty() || isRenderedNumber(mainTime), "main time is a number", mainTime);
    FuzzCheck(NormaliseMainTime(mainTime) == mainTime, "main time stays as normalised", mainTime);

    if (const std::optional<QString> result = NormaliseResult(text)) {
        FuzzCheck(NormaliseResult(*result) == result, "a result stays as normalised", *result);
    }
    if (const std::optional<QString> rules = CompleteRules(text)) {
        const std::optional<QString> again = CompleteRules(*rules);
        FuzzCheck(!again || again == rules, "completed rules stay as they are", *rules);
    }
    IsDateAccepted(text);

    const QString name = KeepFileNameChars(text);
    for (const QChar c : name)
        FuzzCheck(!FilterFileNameChar(c).isNull(), "names keep no refused character", name);
}

// The komi field typed key by key, the caret anywhere. The filter lets
// through digits and at most one "-" and one "."; what is typed in front
// of them later is not its business.
void checkKomiTyping(FuzzedDataProvider& input) {
    static const QRegularExpression komiTyped(QStringLiteral("^[0-9.-]*$"));
    QString text;
    const int keys = input.ConsumeIntegralInRange(0, 16);
    for (int k = 0; k < keys && input.remaining_bytes() > 1; ++k) {
        const int caret = input.ConsumeIntegralInRange<int>(0, static_cast<int>(text.size()));
        const QChar typed = KomiKey(text, caret, QChar(input.ConsumeIntegral<char16_t>() % 128));
        if (typed.isNull()) continue;
        text.insert(caret, typed);
        FuzzCheck(
            komiTyped.match(text).hasMatch() && text.count(u'-') <= 1 && text.count(u'.') <= 1,
            "the komi field holds digits, one sign and one point", text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    FuzzedDataProvider input(data, size);
    checkKomiTyping(input);
    checkNormalisations(ConsumeRemainingText(input));
    return 0;
}
