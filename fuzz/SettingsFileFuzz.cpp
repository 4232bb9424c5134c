// The settings reader on any file content: it never fails, and the file it
// leaves behind reads back without a complaint and with the same options.
#include <QFile>
#include <QTemporaryDir>

#include "FuzzCheck.h"
#include "app/Program.h"
#include "app/SettingsFile.h"
#include "batch/BatchPort.h"
#include "util/Numbers.h"

namespace {

class BeepCountingPort : public BatchPort {
public:
    BeepCountingPort(const Program& program, const BatchAnswers& answers, std::FILE* sink)
        : BatchPort(program, answers, sink, sink) {}
    void Beep() override { ++beeps; }
    int beeps = 0;
};

// The numbers the options stand for: the file keeps the width and the DPI
// as numbers, not as the text they were read from.
bool sameOptions(const OutputOptions& a, const OutputOptions& b) {
    return a.saveSgf == b.saveSgf && a.saveKifu == b.saveKifu && a.widthUnit == b.widthUnit &&
           numericValue(a.widthText) == numericValue(b.widthText) &&
           numericValue(a.dpiText) == numericValue(b.dpiText) && a.sheetWidthTag == b.sheetWidthTag;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static QTemporaryDir folder;
    static const QString programDir = folder.path() + u'/';
    static const Program program;
    static const BatchAnswers answers;
    static std::FILE* sink = std::fopen("/dev/null", "w");

    QFile file(SettingsFilePath(programDir));
    FuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "settings file written");
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();

    BeepCountingPort port(program, answers, sink);
    OutputOptions first;
    ReadSettings(programDir, first, port);
    port.beeps = 0;
    OutputOptions second;
    ReadSettings(programDir, second, port);
    FuzzCheck(port.beeps == 0, "a settings file the program wrote reads back cleanly");
    FuzzCheck(
        sameOptions(first, second), "the options read back unchanged",
        first.widthText + u' ' + first.dpiText + u' ' + second.widthText + u' ' + second.dpiText);
    return 0;
}
