#include "batch/BatchArguments.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <functional>

#include "app/GameDetailFields.h"
#include "app/KifuSize.h"
#include "imaging/VideoFrames.h"

namespace {

// The text a field holds once each character has gone through its key filter.
QString typeInto(const QString& text, const std::function<QChar(const QString&, QChar)>& key) {
    QString field;
    for (QChar typed : text) {
        const QChar accepted = key(field, typed);
        if (!accepted.isNull()) field += accepted;
    }
    return field;
}

QString typeInto(const QString& text, QChar (*key)(QChar)) {
    return typeInto(text, [key](const QString&, QChar typed) { return key(typed); });
}

QString nameField(const QString& text) { return KeepFileNameChars(text).trimmed(); }

struct TextOption {
    const char* name;
    QString GameDetails::*field;
    QString (*normalise)(const QString&);
};

QString trimmedText(const QString& text) { return text.trimmed(); }
QString komiField(const QString& text) {
    return NormaliseKomi(
        typeInto(text, [](const QString& f, QChar c) { return KomiKey(f, f.size(), c); }));
}
QString mainTimeField(const QString& text) {
    return NormaliseMainTime(typeInto(text, MainTimeKey));
}
QString rulesField(const QString& text) {
    const QString rules = text.trimmed();
    return CompleteRules(rules).value_or(rules);
}

const TextOption kTextOptions[] = {
    {"black", &GameDetails::blackName, nameField},
    {"white", &GameDetails::whiteName, nameField},
    {"black-team", &GameDetails::blackTeam, nameField},
    {"white-team", &GameDetails::whiteTeam, nameField},
    {"komi", &GameDetails::komi, komiField},
    {"rules", &GameDetails::rules, rulesField},
    {"main-time", &GameDetails::mainTime, mainTimeField},
    {"byoyomi", &GameDetails::byoyomi, trimmedText},
    {"place", &GameDetails::place, nameField},
    {"event", &GameDetails::event, nameField},
    {"round", &GameDetails::round, nameField},
    {"title", &GameDetails::gameName, nameField},
};

const char* const kValueOptions[] = {"black-rank", "white-rank",   "handicap",       "date",
                                     "result",     "kifu-unit",    "kifu-width",     "kifu-dpi",
                                     "black-side", "on-unchanged", "on-white-first", "on-anomaly",
                                     "size",       "corners",      "positions",      "find-grid",
                                     "position"};

void addOptions(QCommandLineParser& parser) {
    for (const TextOption& option : kTextOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(option.name), {}, "v"));
    for (const char* name : kValueOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), {}, "v"));
    for (const char* name : {"interval", "no-sgf", "no-kifu", "help", "version"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
}

// An option that takes one of a few words: the meaning of the word given
// goes into target; any other word is an error naming the option. An option
// not given leaves target as it was.
template <typename T, typename Target>
bool readChoice(const QCommandLineParser& parser, const char* option,
                std::initializer_list<std::pair<const char*, T>> words, Target& target,
                QString& error) {
    const QString name = QString::fromLatin1(option);
    if (!parser.isSet(name)) return true;
    const QString value = parser.value(name);
    for (const auto& [word, meaning] : words) {
        if (value == QLatin1String(word)) {
            target = meaning;
            return true;
        }
    }
    error = QStringLiteral("--%1: valore non ammesso \"%2\"").arg(name, value);
    return false;
}

std::optional<int> rankIndex(const QString& option, const QString& value, QString& error) {
    const int index = RankEntries().indexOf(value.trimmed().toLower());
    if (index < 0) error = QStringLiteral("--%1: grado sconosciuto \"%2\"").arg(option, value);
    return index < 0 ? std::nullopt : std::optional<int>(index);
}

bool readDetails(const QCommandLineParser& parser, GameDetails& details, QString& error) {
    for (const TextOption& option : kTextOptions) {
        const QString name = QString::fromLatin1(option.name);
        if (parser.isSet(name)) details.*option.field = option.normalise(parser.value(name));
    }
    for (auto [name, field] : {std::pair{"black-rank", &GameDetails::blackRankIndex},
                               std::pair{"white-rank", &GameDetails::whiteRankIndex}}) {
        if (!parser.isSet(name)) continue;
        const std::optional<int> index = rankIndex(name, parser.value(name), error);
        if (!index) return false;
        details.*field = *index;
    }
    if (parser.isSet("handicap")) {
        bool number = false;
        const int stones = parser.value("handicap").toInt(&number);
        if (!number || stones == 1 || stones < 0 || stones > details.handicapMax) {
            error =
                QStringLiteral("--handicap: da 2 a %1 pietre, oppure 0").arg(details.handicapMax);
            return false;
        }
        details.handicapIndex = stones == 0 ? -1 : stones - 1;
    }
    if (parser.isSet("date")) {
        details.date = typeInto(parser.value("date"), DateKey);
        if (!IsDateAccepted(details.date)) {
            error = QStringLiteral("--date: la data va scritta aaaa-mm-gg");
            return false;
        }
    }
    if (parser.isSet("result")) {
        const std::optional<QString> result =
            NormaliseResult(typeInto(parser.value("result"), ResultKey));
        if (!result) {
            error = QStringLiteral("--result: esito non riconosciuto (ad esempio B+R, W+3.5, 0)");
            return false;
        }
        details.result = *result;
    }
    return true;
}

bool readOutputs(const QCommandLineParser& parser, OutputChoices& outputs, QString& error) {
    outputs.interval = parser.isSet("interval");
    outputs.noSgf = parser.isSet("no-sgf");
    outputs.noKifu = parser.isSet("no-kifu");
    if (!readChoice<int>(parser, "kifu-unit",
                         {{"cm", kUnitCm}, {"inch", kUnitInch}, {"pixel", kUnitPixel}},
                         outputs.widthUnit, error))
        return false;
    if (parser.isSet("kifu-width"))
        outputs.width = NormaliseWidthText(typeInto(
            parser.value("kifu-width"), [](const QString& f, QChar c) { return WidthKey(f, c); }));
    if (parser.isSet("kifu-dpi"))
        outputs.dpi = NormaliseDpiText(typeInto(parser.value("kifu-dpi"), DpiKey));
    return true;
}

bool readAnswers(const QCommandLineParser& parser, BatchAnswers& answers, QString& error) {
    return readChoice<QString>(parser, "black-side",
                               {{"N", "N"}, {"S", "S"}, {"E", "E"}, {"W", "W"}}, answers.blackSide,
                               error) &&
           readChoice<Answer>(parser, "on-unchanged",
                              {{"pass-to-move", Answer::Yes},
                               {"pass-other", Answer::No},
                               {"ignore", Answer::Cancel}},
                              answers.onUnchanged, error) &&
           readChoice<Answer>(parser, "on-white-first",
                              {{"black-passed", Answer::Yes}, {"no", Answer::No}},
                              answers.onWhiteFirst, error) &&
           readChoice<int>(parser, "on-anomaly", {{"stop", 999}, {"two-moves", 1}, {"ignore", 2}},
                           answers.onAnomaly, error) &&
           readChoice<int>(parser, "size", {{"9", 9}, {"13", 13}, {"19", 19}}, answers.boardSize,
                           error);
}

// "X0,Y0,XG0,YG0,XGG,YGG,X0G,Y0G": eight whole pixel coordinates.
bool readCorners(const QString& text, int boardSize, GivenGrid& grid, QString& error) {
    const QStringList parts = text.split(u',');
    bool valid = parts.size() == 8;
    for (int k = 0; valid && k < 4; ++k) {
        bool xValid = false;
        bool yValid = false;
        grid.corners[k] = QPoint(parts[2 * k].trimmed().toInt(&xValid),
                                 parts[2 * k + 1].trimmed().toInt(&yValid));
        valid = xValid && yValid;
    }
    if (!valid) error = QStringLiteral("--corners: servono otto numeri interi separati da virgole");
    grid.boardSize = boardSize;
    return valid;
}

}  // namespace

std::optional<BatchArguments> ParseBatchArguments(const QStringList& arguments, QString& error) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    addOptions(parser);
    if (!parser.parse(QStringList{QStringLiteral("banmark-batch")} + arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    BatchArguments parsed;
    parsed.help = parser.isSet("help");
    parsed.version = parser.isSet("version");
    if (parsed.help || parsed.version) return parsed;
    const QStringList photos = parser.positionalArguments();
    const char* const onePhotoOption = parser.isSet("position") ? "position" : "find-grid";
    if (parser.isSet(onePhotoOption)) {
        if (!photos.isEmpty() || (parser.isSet("position") && parser.isSet("find-grid"))) {
            error = QStringLiteral("--%1 esamina una sola fotografia, quella indicata")
                        .arg(QString::fromLatin1(onePhotoOption));
            return std::nullopt;
        }
        QString& photo = parser.isSet("position") ? parsed.positionPhoto : parsed.findGridPhoto;
        photo = QFileInfo(parser.value(onePhotoOption)).absoluteFilePath();
    } else if (photos.size() == 1 && IsVideoFile(photos[0])) {
        parsed.request.firstPhoto = QFileInfo(photos[0]).absoluteFilePath();
    } else if (photos.size() != 2) {
        error = QStringLiteral(
            "servono due fotografie, la prima e l'ultima della serie, oppure un video");
        return std::nullopt;
    } else {
        parsed.request.firstPhoto = QFileInfo(photos[0]).absoluteFilePath();
        parsed.request.lastPhoto = QFileInfo(photos[1]).absoluteFilePath();
    }
    if (!readDetails(parser, parsed.details, error) ||
        !readOutputs(parser, parsed.outputs, error) || !readAnswers(parser, parsed.answers, error))
        return std::nullopt;
    if (parser.isSet("positions"))
        parsed.positionsFile = QFileInfo(parser.value("positions")).absoluteFilePath();
    if (parser.isSet("corners")) {
        if (!parsed.answers.boardSize) {
            error = QStringLiteral("--corners richiede --size");
            return std::nullopt;
        }
        GivenGrid grid;
        if (!readCorners(parser.value("corners"), *parsed.answers.boardSize, grid, error))
            return std::nullopt;
        parsed.request.grid = grid;
    }
    return parsed;
}

void ApplyOutputChoices(const OutputChoices& choices, OutputOptions& options, UserPort& port) {
    if (choices.interval) options.intervalPhotos = true;
    if (choices.noSgf) options.saveSgf = false;
    if (choices.noKifu) options.saveKifu = false;
    CheckDimensioneKifu(options, port);  // the sheet width of the settings, in pixels
    if (choices.widthUnit) {
        options.widthUnit = *choices.widthUnit;
        ShowWidthInUnit(options);  // the same sheet, given in the new unit
    }
    if (choices.width) options.widthText = *choices.width;
    if (choices.dpi) options.dpiText = *choices.dpi;
    const KifuSizeField corrected = CheckDimensioneKifu(options, port);
    if (corrected == KifuSizeField::Width)
        port.ShowMessage({QStringLiteral("Banmark"),
                          QStringLiteral("Larghezza del kifu corretta: ") + options.widthText,
                          MessageIcon::Exclamation});
    if (corrected == KifuSizeField::Dpi)
        port.ShowMessage({QStringLiteral("Banmark"),
                          QStringLiteral("Risoluzione del kifu corretta: ") + options.dpiText,
                          MessageIcon::Exclamation});
}

QString BatchUsage() {
    return QStringLiteral(
        "Uso: banmark-batch [opzioni] PRIMA_FOTO ULTIMA_FOTO\n"
        "     banmark-batch [opzioni] VIDEO\n"
        "\n"
        "Trasforma la serie di fotografie di una partita (goban vuoto nella prima, una\n"
        "foto dopo ogni mossa) nel file SGF e nel kifu, accanto alle fotografie. Un\n"
        "video (.mp4 .mov .mkv .avi .webm .m4v) è letto come foto a intervalli, due\n"
        "al secondo, estratte con ffmpeg.\n"
        "\n"
        "Dettagli della partita (trattati come nei campi della finestra):\n"
        "  --black NOME --white NOME --black-rank R --white-rank R\n"
        "  --black-team T --white-team T --komi K --handicap N --rules TESTO\n"
        "  --main-time S --byoyomi TESTO --place P --date D --event E --round R\n"
        "  --title T --result R\n"
        "Fotografie (predefinite da Banmark.ini, che non viene modificato):\n"
        "  --interval  foto a intervalli (time-lapse): una foto uguale alla precedente\n"
        "      non è una mossa, un cambiamento conta quando due foto di fila lo mostrano\n"
        "      e una foto con una mano sul goban non viene letta\n"
        "Risultati (predefiniti da Banmark.ini, che non viene modificato):\n"
        "  --no-sgf --no-kifu --kifu-unit cm|inch|pixel --kifu-width W --kifu-dpi D\n"
        "Risposte alle domande della finestra:\n"
        "  --black-side N|S|E|W                           predefinito: la stima del programma\n"
        "  --on-unchanged pass-to-move|pass-other|ignore  predefinito: pass-to-move\n"
        "  --on-white-first black-passed|no               predefinito: black-passed\n"
        "  --on-anomaly stop|two-moves|ignore             predefinito: stop\n"
        "  --size 9|13|19 --corners X0,Y0,XG0,YG0,XGG,YGG,X0G,Y0G\n"
        "      i quattro angoli della griglia (0,0),(G,0),(G,G),(0,G) in pixel della foto\n"
        "      ridotta, al posto del riconoscimento automatico; --size da solo sceglie il\n"
        "      numero di linee al controllo della griglia\n"
        "Controllo della lettura:\n"
        "  --positions FILE  per ogni fotografia esaminata, il nome e la posizione letta\n"
        "      (una riga per fila del goban, dall'alto della foto: . vuoto, B nero, W bianco)\n"
        "  --find-grid FOTO  prepara la sola fotografia, cerca il goban, stampa la riga\n"
        "      \"Griglia\" e termina (0 trovato, 3 no); al posto delle due fotografie della\n"
        "      serie, senza --rules\n"
        "  --position FOTO  legge la posizione della sola fotografia, la stampa come\n"
        "      --positions e la salva nel file SGF (0 letta, 3 griglia non trovata);\n"
        "      al posto delle due fotografie della serie, senza --rules; con --corners\n"
        "      la griglia va sulle linee del goban vicine agli angoli dati; sull'uscita\n"
        "      degli errori, le intersezioni lette con incertezza, da controllare\n"
        "Altro:\n"
        "  --help     questo aiuto\n"
        "  --version  la versione del programma\n"
        "\n"
        "Il riepilogo va sull'uscita standard; ogni domanda con la risposta data e ogni\n"
        "messaggio, una riga ciascuno, sull'errore standard.\n"
        "Stato di uscita: 0 risultati scritti; 2 argomenti errati; 3 griglia non trovata;\n"
        "4 elaborazione interrotta; 5 un file non ha potuto essere scritto.\n");
}
