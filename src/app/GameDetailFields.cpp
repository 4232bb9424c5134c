#include "app/GameDetailFields.h"

#include <array>
#include <cmath>
#include <utility>

#include "util/Numbers.h"

namespace {

const QChar kRefused;

// A result after "b+" or "w+": a positive whole or half margin, or a letter
// for resignation, forfeit or time; anything else is refused.
std::optional<QString> resultWithMargin(const QString& lower) {
    const QString side = lower.left(2).toUpper();
    if (lower.size() == 2) return side;

    // A margin too large for a single-precision number is no margin at all.
    const float margin = static_cast<float>(numericValue(QStringView(lower).mid(2)));
    if (std::isfinite(margin) && margin > 0 && std::floor(2 * margin) == 2 * margin) {
        const float whole = std::floor(margin);
        return side + formatGeneral(whole) + (whole == margin ? QString() : QStringLiteral(".5"));
    }
    switch (lower[2].unicode()) {
        case u'a':
        case u'r':
            return side + u'R';  // resignation
        case u'f':
            return side + u'F';  // forfeit
        case u't':
            return side + u'T';  // time
        default:
            return std::nullopt;
    }
}

}  // namespace

QChar FilterFileNameChar(QChar typed) {
    return typed == u'"' || QStringLiteral("\\/:*?<>|").contains(typed) ? kRefused : typed;
}

QString KeepFileNameChars(const QString& text) {
    QString kept;
    for (QChar c : text) {
        if (!FilterFileNameChar(c).isNull()) kept += c;
    }
    return kept;
}

QChar MainTimeKey(QChar typed) { return isDigit(typed) ? typed : kRefused; }

QChar DateKey(QChar typed) {
    return isDigit(typed) || typed == u'-' || typed == u',' ? typed : kRefused;
}

QChar ResultKey(QChar typed) { return typed == u',' ? QChar(u'.') : typed; }

QChar KomiKey(const QString& text, int caret, QChar typed) {
    if (!isDigit(typed) && typed != u'-' && typed != u'.' && typed != u',') return kRefused;
    if (typed == u',') typed = u'.';
    if (typed == u'-' && (text.contains(u'-') || caret != 0)) return kRefused;
    if (typed == u'.' && text.contains(u'.')) return kRefused;
    return typed;
}

QString NormaliseMainTime(const QString& text) {
    const QString seconds = formatGeneral(numericValue(text));
    return seconds == u"0" ? QString() : seconds;
}

QString NormaliseKomi(const QString& text) {
    const double halves = roundHalfEvenWhole(2 * numericValue(text));
    const QString komi = formatGeneral(halves / 2);
    return komi == u"0" ? QString() : komi;
}

bool IsDateAccepted(const QString& text) {
    if (text.isEmpty()) return true;
    const QString year = text.left(4).leftJustified(4, u' ');
    for (QChar c : year) {
        if (c < u'0') return false;
    }
    return true;
}

std::optional<QString> NormaliseResult(const QString& text) {
    const QString lower = text.trimmed().toLower();
    if (lower.isEmpty() || lower == u"?") return text;
    if (lower == u"draw" || lower == u"0") return QStringLiteral("0");
    if (lower == u"void") return QStringLiteral("Void");
    if (lower.startsWith(u"b+") || lower.startsWith(u"w+")) return resultWithMargin(lower);
    return std::nullopt;
}

std::optional<QString> CompleteRules(const QString& text) {
    static const QString kNames = QStringLiteral("|AGA|Chinese|Japanese|GOE|NZ|");
    static const std::array<std::pair<const char16_t*, const char*>, 13> kAliases{{
        {u"american", "AGA"},
        {u"usa", "AGA"},
        {u"u.s.", "AGA"},
        {u"cinese", "Chinese"},
        {u"cinesi", "Chinese"},
        {u"giapponese", "Japanese"},
        {u"giapponesi", "Japanese"},
        {u"ing", "GOE"},
        {u"neozelandese", "NZ"},
        {u"neozelandesi", "NZ"},
        {u"nuova zelanda", "NZ"},
        {u"new zealand", "NZ"},
        {u"kiwi", "NZ"},
    }};

    const QString typed = text.trimmed();
    const QString lower = typed.toLower();
    for (const auto& [alias, name] : kAliases) {
        if (lower == alias) return QString::fromLatin1(name);
    }
    const qsizetype start = kNames.toLower().indexOf(u'|' + lower);
    if (start >= 0) return kNames.mid(start + 1, typed.size());
    return std::nullopt;
}
