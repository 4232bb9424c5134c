#pragma once

#include <QString>

class QPainter;
struct GameDetails;
struct KifuLayout;

// Height of the information block at the foot of the sheet, in cells.
inline constexpr double kInformationCells = 4.97;

// Draws the information block into the last kInformationCells cells above
// height: the black title band with the game name, and three form lines of
// labels and underscored fields with the game details laid over them. The
// font is made smaller for the form lines.
void DrawInformationBlock(QPainter& painter, const KifuLayout& layout, int height,
                          const GameDetails& details);

// The result as the sheet writes it, with the Italian initials: a leading
// "B" (Black) becomes "N" (Nero), a leading "W" (White) "B" (Bianco).
QString FormResultText(const QString& result);

// The rules as the sheet names them: "Cinesi", "Giapponesi", others as typed.
QString FormRulesText(const QString& rules);
