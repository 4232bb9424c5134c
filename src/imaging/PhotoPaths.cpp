#include "imaging/PhotoPaths.h"

#include <QDir>

#include "imaging/VideoFrames.h"

QString StripPath(const QString& path) { return path.mid(path.lastIndexOf(QDir::separator()) + 1); }

QString DirectoryOf(const QString& path) { return path.left(path.size() - StripPath(path).size()); }

bool IsPhotoPairProcessable(const QString& firstPhoto, const QString& lastPhoto) {
    constexpr int kShortestPath = 5;
    if (IsVideoFile(firstPhoto)) return firstPhoto.size() >= kShortestPath;
    const QString firstFolder = DirectoryOf(firstPhoto).toLower();
    const QString lastFolder = DirectoryOf(lastPhoto).toLower();
    return !firstFolder.isEmpty() && firstFolder == lastFolder &&
           firstPhoto.size() >= kShortestPath && lastPhoto.size() >= kShortestPath;
}
