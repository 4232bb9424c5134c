// banmark-render-series GAME.sgf FOLDER: the photos a fixed camera would take
// of the game, the empty board first, then one after each handicap stone and
// each move.
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <optional>
#include <type_traits>

#include "support/PhotoSeriesRender.h"
#include "support/SgfGame.h"

namespace {

struct Arguments {
    QString gamePath;
    QString folder;
    QSize photoSize{1600, 1200};
    std::uint32_t seed = 1;
    double tilt = kSeriesTilt;
    QString prefix = QStringLiteral("IMG_");
};

constexpr char kUsage[] =
    "usage: banmark-render-series GAME.sgf FOLDER [--width W --height H] [--seed N] "
    "[--tilt DEG] [--prefix P]\n";

// Reads an option's value into target when it is given; false when the value
// is not a number within [low, high], or not a whole one for a whole target.
template <typename Number>
bool ReadNumber(const QCommandLineParser& parser, const QString& option, double low, double high,
                Number& target) {
    if (!parser.isSet(option)) return true;
    bool ok = false;
    const double value = parser.value(option).toDouble(&ok);
    if (!ok || value < low || value > high ||
        (std::is_integral_v<Number> && value != std::floor(value)))
        return false;
    target = static_cast<Number>(value);
    return true;
}

std::optional<Arguments> ParseArguments(const QStringList& words) {
    QCommandLineParser parser;
    for (const char* name : {"width", "height", "seed", "tilt", "prefix"})
        parser.addOption({QString::fromLatin1(name), QString(), QStringLiteral("value")});
    if (!parser.parse(words) || parser.positionalArguments().size() != 2) return std::nullopt;
    Arguments arguments;
    arguments.gamePath = parser.positionalArguments().at(0);
    arguments.folder = parser.positionalArguments().at(1);
    int width = arguments.photoSize.width();
    int height = arguments.photoSize.height();
    const bool numbersRead = ReadNumber(parser, QStringLiteral("width"), 64, 10000, width) &&
                             ReadNumber(parser, QStringLiteral("height"), 64, 10000, height) &&
                             ReadNumber(parser, QStringLiteral("seed"), 0, 4e9, arguments.seed) &&
                             ReadNumber(parser, QStringLiteral("tilt"), 0, 60, arguments.tilt);
    if (!numbersRead) return std::nullopt;
    arguments.photoSize = {width, height};
    if (parser.isSet(QStringLiteral("prefix")))
        arguments.prefix = parser.value(QStringLiteral("prefix"));
    return arguments;
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
    const QStringList photos = RenderPhotoSeries(*game, arguments->folder, look, &error);
    if (photos.isEmpty()) return Fail(error);
    std::printf("%lld photos written to %s\n", static_cast<long long>(photos.size()),
                qPrintable(QDir(arguments->folder).absolutePath()));
    return 0;
}
