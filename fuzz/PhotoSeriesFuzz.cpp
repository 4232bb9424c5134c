// The series membership test on any pair of file names: it never fails,
// a name always belongs with itself, and a series starts anywhere.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzCheck.h"
#include "imaging/PhotoList.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static const QString tempFolder = QStringLiteral("/tmp/banmark/temp/");
    FuzzedDataProvider input(data, size);
    const QString previous = ConsumeText(input, 80).toLower();
    const QString candidate = ConsumeText(input, 80).toLower();
    IsSamePhotoSeries(tempFolder + previous, tempFolder, candidate);
    FuzzCheck(IsSamePhotoSeries(QString(), tempFolder, candidate), "a series starts anywhere",
              candidate);
    if (candidate.size() >= 8 && candidate.contains(u'.')) {
        FuzzCheck(IsSamePhotoSeries(tempFolder + candidate, tempFolder, candidate),
                  "a photograph belongs with itself", candidate);
    }
    return 0;
}
