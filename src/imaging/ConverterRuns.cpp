#include "imaging/ConverterRuns.h"

#include <QFile>
#include <QImage>

#include "game/UserPort.h"
#include "game/Version.h"
#include "imaging/Converter.h"
#include "imaging/ShellAndWait.h"
#include "util/ProgramFiles.h"

namespace {

void warn(UserPort& port, const QString& text) {
    port.ShowMessage(
        {kProcessingTitle, text, MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok});
}

QString compressionImpossibleText(const QString& bmp) {
    return QStringLiteral(
               "Impossibile effettuare la compressione in formato PNG del file:\r\n%1.\r\n\r\n"
               "Ripristinare vconvert.exe e/o vcomp100.dll (ImageMagick) da una distribuzione "
               "di Banmark v%2.")
        .arg(Quoted(bmp), versionText());
}

}  // namespace

bool RunGammaCorrection(const QString& photo, const QString& programDir, const QString& converter,
                        UserPort& port) {
    if (converter.isEmpty()) {
        warn(port, ConverterMissingText());
        return false;
    }
    const QString command = Quoted(converter) + u' ' + Quoted(photo) +
                            QStringLiteral(" -auto-gamma ") +
                            Quoted(programDir + QStringLiteral("temp.jpg"));
    return ShellAndWait(command, 0, port);
}

bool SavePictureAsPng(const QImage& picture, const QString& base, const QString& options,
                      const QString& converter, UserPort& port) {
    const QString bmp = base + QStringLiteral(".bmp");
    const QString png = base + QStringLiteral(".png");
    QFile::remove(bmp);
    QFile::remove(png);
    if (!picture.save(bmp, "BMP")) {
        QFile::remove(bmp);  // nothing half-written stays behind
        warn(port, CannotSaveText(bmp));
        return false;
    }
    if (converter.isEmpty()) {
        warn(port, compressionImpossibleText(bmp));
        return true;
    }
    const QString command =
        Quoted(converter) + u' ' + Quoted(bmp) + u' ' + options.trimmed() + u' ' + Quoted(png);
    ShellAndWait(command, 0, port);
    QFile::remove(bmp);
    return true;
}
