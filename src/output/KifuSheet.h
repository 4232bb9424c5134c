#pragma once

#include <QImage>
#include <QString>

struct GameDetails;
struct KifuLayout;
struct SgfRecord;
class UserPort;

// Draws the printable game sheet of an SGF record: the board turned as the
// SGF diagram, each move a numbered stone where it was first played, the
// moves played on a used point ("Ripetizioni:"), the passes ("Passi:"), the
// title band and three form lines of game details.
QImage RenderKifuSheet(const SgfRecord& record, const GameDetails& details,
                       const KifuLayout& layout);

// Stores the sheet as base + ".png" in grey scale with the white border that
// brings it to the chosen width (written here when every pixel is a grey,
// through the converter otherwise); as base + ".bmp" when the converter is
// missing (8-bit when every pixel is a grey). False when not even the BMP
// could be written.
bool SaveKifuSheet(const QImage& sheet, const KifuLayout& layout, const QString& base,
                   const QString& converter, UserPort& port);
