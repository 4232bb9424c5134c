// The series membership test on any pair of file names: it never fails,
// a name always belongs with itself, and a series starts anywhere.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzCheck.h"
#include "imaging/PhotoList.h"

namespace {

QString anyName(FuzzedDataProvider& input) {
    const std::string bytes = input.ConsumeRandomLengthString(80);
    return FuzzText(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()).toLower();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static const QString tempFolder = QStringLiteral("/tmp/banmark/temp/");
    FuzzedDataProvider input(data, size);
    const QString previous = anyName(input);
    const QString candidate = anyName(input);
    IsSamePhotoSeries(tempFolder + previous, tempFolder, candidate);
    FuzzCheck(IsSamePhotoSeries(QString(), tempFolder, candidate), "a series starts anywhere",
              candidate);
    if (candidate.size() >= 8 && candidate.contains(u'.')) {
        FuzzCheck(IsSamePhotoSeries(tempFolder + candidate, tempFolder, candidate),
                  "a photograph belongs with itself", candidate);
    }
    return 0;
}
