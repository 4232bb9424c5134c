#include "output/KifuForm.h"

#include <QPainter>
#include <vector>

#include "game/GameDetails.h"
#include "output/KifuDrawing.h"
#include "output/KifuLayout.h"
#include "util/Numbers.h"

namespace {

// One field of a form line: its label ("      Nero: "), the underscores of
// its field, and the value laid over them.
struct FormField {
    QString label;
    int underscores;
    QString value;
};

QString playerText(const QString& name, int rankIndex, const QString& team) {
    QString text = name;
    if (rankIndex >= 1) text += QStringLiteral(" [") + RankText(rankIndex) + u']';
    if (!team.isEmpty()) text += QStringLiteral(" (") + team + u')';
    return text;
}

std::vector<std::vector<FormField>> formLines(const GameDetails& d) {
    const QString spacer = QStringLiteral("      ");
    const QString handicap = d.handicapIndex > 0 ? QString::number(d.handicapIndex + 1) : QString();
    return {
        {{QStringLiteral("Bianco: "), 36, playerText(d.whiteName, d.whiteRankIndex, d.whiteTeam)},
         {spacer + QStringLiteral("Nero: "), 36,
          playerText(d.blackName, d.blackRankIndex, d.blackTeam)},
         {spacer + QStringLiteral("Esito: "), 8, FormResultText(d.result)}},
        {{QStringLiteral("Komi: "), 7, d.komi},
         {spacer + QStringLiteral("Handicap: "), 3, handicap},
         {spacer + QStringLiteral("Regole: "), 15, FormRulesText(d.rules)},
         {spacer + QStringLiteral("Tempo: "), 9, d.mainTime},
         {spacer + QStringLiteral("Byo-yomi: "), 20, d.byoyomi}},
        {{QStringLiteral("Luogo: "), 20, d.place},
         {spacer + QStringLiteral("Data: "), 16, d.date},
         {spacer + QStringLiteral("Evento: "), 20, d.event},
         {spacer + QStringLiteral("Turno: "), 16, d.round}},
    };
}

// Prints the blank form, then each value over its field. The last field of
// a line runs on to the right edge of the form.
void printFormLine(QPainter& painter, double x, double y, int formWidth,
                   const std::vector<FormField>& fields) {
    QString form;
    for (const FormField& field : fields) form += field.label + Underscores(field.underscores);
    const int extra = FillUnderscoreCount(painter, form, formWidth);
    PrintText(painter, x, y, form + Underscores(extra), Qt::black);

    QString before;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        const FormField& field = fields[f];
        const bool last = f + 1 == fields.size();
        const int width = last ? field.underscores - 1 + extra : field.underscores;
        const QString value = FitFieldText(painter, field.value, width);
        const QString label = field.label + u' ';
        if (!value.isEmpty())
            PrintText(painter, x + TextWidth(painter, before + label), y, value, Qt::black);
        before += field.label + Underscores(field.underscores);
    }
}

void drawTitle(QPainter& painter, double s, int height, int sheetWidth, const QString& title) {
    painter.fillRect(QRectF(QPointF(0.25 * s, height - 4.22 * s),
                            QPointF(21.243 * s, height - 3.695 * s)),
                     Qt::black);
    const QString fitted = FitFieldText(painter, title, 94);
    if (fitted.isEmpty()) return;
    const int x = static_cast<int>(roundHalfEven(sheetWidth - TextWidth(painter, fitted))) / 2;
    PrintText(painter, x, height - 3.945 * s - RoundedHalf(TextHeight(painter)), fitted,
              Qt::white);
}

}  // namespace

void DrawInformationBlock(QPainter& painter, const KifuLayout& layout, int height,
                          const GameDetails& details) {
    const double s = layout.cell;
    drawTitle(painter, s, height, layout.pictureWidth, details.gameName);
    SetKifuFont(painter, layout.fontPixels / 1.2);

    const int formWidth = static_cast<int>(roundHalfEven(19.993 * s - 1));
    const double lineTops[] = {2.804, 2.054, 1.304};
    const auto lines = formLines(details);
    for (std::size_t k = 0; k < lines.size(); ++k)
        printFormLine(painter, 0.75 * s, height - lineTops[k] * s, formWidth, lines[k]);

    // Whatever the form lines drew beyond the form's right edge.
    painter.fillRect(QRectF(QPointF(20.743 * s, height - 2.804 * s),
                            QPointF(layout.pictureWidth, height)),
                     Qt::white);
}

QString FormResultText(const QString& result) {
    if (result.startsWith(u'B')) return u'N' + result.mid(1);
    if (result.startsWith(u'W')) return u'B' + result.mid(1);
    return result;
}

QString FormRulesText(const QString& rules) {
    if (rules == QStringLiteral("Chinese")) return QStringLiteral("Cinesi");
    if (rules == QStringLiteral("Japanese")) return QStringLiteral("Giapponesi");
    return rules;
}
