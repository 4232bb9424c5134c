// banmark-render-series GAME.sgf FOLDER: the photos a fixed camera would take
// of the game, the empty board first, then one after each handicap stone and
// each move. --wood kaya|yellow-kaya|maple and --table wood|cloth|felt choose
// the board and what lies under it, --stones black-white|green|blue the
// stones' colours; --exposure-drift and --white-balance-drift
// let the camera's automatic settings wander from photo to photo; each
// --hand N:ROW puts a hand over the board's left edge at ROW in photo N;
// --knock PIXELS[,DEGREES] knocks the camera between photos; --seam and
// --border-line draw a folding board's fold and a printed line around the
// grid; --corners FILE lists where the grid's corners truly lie on each photo.
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <type_traits>

#include "render/PhotoSeriesRender.h"
#include "render/SgfGame.h"

namespace {

struct Arguments {
    QString gamePath;
    QString folder;
    QSize photoSize{1600, 1200};
    std::uint32_t seed = 1;
    double tilt = kSeriesTilt;
    QString prefix = QStringLiteral("IMG_");
    BoardWood wood = BoardWood::kKaya;
    TableCover table = TableCover::kDarkWood;
    StoneSet stoneSet = StoneSet::kBlackAndWhite;
    double exposureDrift = 0;
    double whiteBalanceDrift = 0;
    std::map<int, int> handRows;
    double knockPixels = 0;
    double knockDegrees = 0;
    bool seam = false;
    bool borderLine = false;
    QString cornersPath;  // empty: no corners file
};

constexpr char kUsage[] =
    "usage: banmark-render-series GAME.sgf FOLDER [--width W --height H] [--seed N] "
    "[--tilt DEG] [--prefix P] [--wood kaya|yellow-kaya|maple] [--table wood|cloth|felt] "
    "[--stones black-white|green|blue] "
    "[--exposure-drift X] [--white-balance-drift X] [--hand N:ROW ...] "
    "[--knock PIXELS[,DEGREES]] [--seam] [--border-line] [--corners FILE]\n"
    "  --knock PIXELS[,DEGREES]  from the second photo on, each photo's picture shifted by up\n"
    "                            to PIXELS in x and y and turned by up to DEGREES (default 0)\n"
    "  --seam                    a folding board's dark seam just below the centre row\n"
    "  --border-line             a printed line around the grid, just outside its outer lines\n"
    "  --corners FILE            one line per photo: NAME X0,Y0,XG0,YG0,XGG,YGG,X0G,Y0G, the\n"
    "                            grid's corners (0,0) (G,0) (G,G) (0,G) in photo pixels,\n"
    "                            i counting columns from the left, j rows from the top\n";

// Reads an option's value into target when it is given; false when the value
// is not one of names, which name target's values in order.
template <typename Choice>
bool ReadChoice(const QCommandLineParser& parser, const QString& option, const QStringList& names,
                Choice& target) {
    if (!parser.isSet(option)) return true;
    const qsizetype index = names.indexOf(parser.value(option));
    if (index < 0) return false;
    target = static_cast<Choice>(index);
    return true;
}

// Reads every --hand N:ROW; false when one is not two whole numbers.
bool ReadHands(const QCommandLineParser& parser, std::map<int, int>& handRows) {
    for (const QString& value : parser.values(QStringLiteral("hand"))) {
        const QStringList parts = value.split(u':');
        bool photoOk = false;
        bool rowOk = false;
        const int photo = parts.value(0).toInt(&photoOk);
        const int row = parts.value(1).toInt(&rowOk);
        if (parts.size() != 2 || !photoOk || !rowOk) return false;
        handRows[photo] = row;
    }
    return true;
}

// Reads text into target; false when it is not a number within [low, high],
// or not a whole one for a whole target.
template <typename Number>
bool ReadNumberText(const QString& text, double low, double high, Number& target) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || value < low || value > high ||
        (std::is_integral_v<Number> && value != std::floor(value)))
        return false;
    target = static_cast<Number>(value);
    return true;
}

// Reads an option's value into target when it is given, as ReadNumberText.
template <typename Number>
bool ReadNumber(const QCommandLineParser& parser, const QString& option, double low, double high,
                Number& target) {
    return !parser.isSet(option) || ReadNumberText(parser.value(option), low, high, target);
}

// Reads --knock PIXELS[,DEGREES] when it is given; false when it is not one
// or two numbers in range.
bool ReadKnock(const QCommandLineParser& parser, Arguments& arguments) {
    if (!parser.isSet(QStringLiteral("knock"))) return true;
    const QStringList parts = parser.value(QStringLiteral("knock")).split(u',');
    return parts.size() <= 2 && ReadNumberText(parts[0], 0, 1000, arguments.knockPixels) &&
           (parts.size() == 1 || ReadNumberText(parts[1], 0, 45, arguments.knockDegrees));
}

std::optional<Arguments> ParseArguments(const QStringList& words) {
    QCommandLineParser parser;
    for (const char* name : {"width", "height", "seed", "tilt", "prefix", "wood", "table",
                             "stones", "exposure-drift", "white-balance-drift", "hand", "knock", "corners"})
        parser.addOption({QString::fromLatin1(name), QString(), QStringLiteral("value")});
    for (const char* name : {"seam", "border-line"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    if (!parser.parse(words) || parser.positionalArguments().size() != 2) return std::nullopt;
    Arguments arguments;
    arguments.gamePath = parser.positionalArguments().at(0);
    arguments.folder = parser.positionalArguments().at(1);
    int width = arguments.photoSize.width();
    int height = arguments.photoSize.height();
    const bool numbersRead =
        ReadNumber(parser, QStringLiteral("width"), 64, 10000, width) &&
        ReadNumber(parser, QStringLiteral("height"), 64, 10000, height) &&
        ReadNumber(parser, QStringLiteral("seed"), 0, 4e9, arguments.seed) &&
        ReadNumber(parser, QStringLiteral("tilt"), 0, 60, arguments.tilt) &&
        ReadNumber(parser, QStringLiteral("exposure-drift"), 0, 0.9, arguments.exposureDrift) &&
        ReadNumber(parser, QStringLiteral("white-balance-drift"), 0, 0.9,
                   arguments.whiteBalanceDrift) &&
        ReadKnock(parser, arguments);
    const bool choicesRead =
        ReadChoice(parser, QStringLiteral("wood"), {"kaya", "yellow-kaya", "maple"},
                   arguments.wood) &&
        ReadChoice(parser, QStringLiteral("table"), {"wood", "cloth", "felt"}, arguments.table) &&
        ReadChoice(parser, QStringLiteral("stones"), {"black-white", "green", "blue"},
                   arguments.stoneSet) &&
        ReadHands(parser, arguments.handRows);
    if (!numbersRead || !choicesRead) return std::nullopt;
    arguments.photoSize = {width, height};
    if (parser.isSet(QStringLiteral("prefix")))
        arguments.prefix = parser.value(QStringLiteral("prefix"));
    arguments.seam = parser.isSet(QStringLiteral("seam"));
    arguments.borderLine = parser.isSet(QStringLiteral("border-line"));
    arguments.cornersPath = parser.value(QStringLiteral("corners"));
    return arguments;
}

// Writes each photo's name and its grid corners, a line per photo; false
// with the reason when the file cannot be written.
bool WriteCorners(const QString& path, const QStringList& photos,
                  const std::vector<GridCorners>& corners, QString& reason) {
    QString text;
    for (qsizetype k = 0; k < photos.size(); ++k) {
        QStringList numbers;
        for (const QPointF& corner : corners[k])
            numbers << QString::number(corner.x(), 'f', 3) << QString::number(corner.y(), 'f', 3);
        text += QFileInfo(photos[k]).fileName() + u' ' + numbers.join(u',') + u'\n';
    }
    return WriteBytes(path, text.toUtf8(), reason);
}

int Fail(const QString& message) {
    std::fprintf(stderr, "banmark-render-series: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The renderer paints with QPainter, which needs a GUI application but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::optional<Arguments> arguments = ParseArguments(app.arguments());
    if (!arguments) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    QFile file(arguments->gamePath);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(
            QStringLiteral("cannot read %1: %2").arg(arguments->gamePath, file.errorString()));
    QString error;
    const std::optional<SgfGame> game = ReadSgfGame(QString::fromUtf8(file.readAll()), &error);
    if (!game) return Fail(arguments->gamePath + QStringLiteral(": ") + error);

    SeriesLook look = LookFor(game->boardSize, arguments->photoSize, arguments->tilt);
    look.seed = arguments->seed;
    look.prefix = arguments->prefix;
    look.wood = arguments->wood;
    look.table = arguments->table;
    look.stoneSet = arguments->stoneSet;
    look.exposureDrift = arguments->exposureDrift;
    look.whiteBalanceDrift = arguments->whiteBalanceDrift;
    look.handRows = arguments->handRows;
    look.knockPixels = arguments->knockPixels;
    look.knockDegrees = arguments->knockDegrees;
    look.seam = arguments->seam;
    look.borderLine = arguments->borderLine;
    std::vector<GridCorners> corners;
    const QStringList photos = RenderPhotoSeries(*game, arguments->folder, look, &error, &corners);
    if (photos.isEmpty()) return Fail(error);
    if (!arguments->cornersPath.isEmpty() &&
        !WriteCorners(arguments->cornersPath, photos, corners, error))
        return Fail(error);
    std::printf("%lld photos written to %s\n", static_cast<long long>(photos.size()),
                qPrintable(QDir(arguments->folder).absolutePath()));
    return 0;
}
