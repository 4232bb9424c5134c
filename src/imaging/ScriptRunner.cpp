#include "imaging/ScriptRunner.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <chrono>

#include "game/UserPort.h"
#include "imaging/Converter.h"

namespace {

// How long a waiting caller sleeps between turns of the window's events.
constexpr int kPollMilliseconds = 20;

QString normalPath(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

// Runs one program until it ends or a stop is requested.
void runProgram(const QString& line, const std::atomic<bool>& stopRequested) {
    QProcess process;
    if (StartConverterProcess(process, line))
        WaitForProcess(process, [&] { return stopRequested.load(); });
}

void copyFile(const QString& from, const QString& to) {
    QFile::remove(to);
    QFile::copy(from, to);
}

}  // namespace

ScriptRunner::~ScriptRunner() { Stop(); }

void ScriptRunner::Start(const QString& scriptPath, int linesAtOnce, bool filesAppearWhole) {
    Stop();
    filesAppearWhole_ = filesAppearWhole;
    QFile script(scriptPath);
    lines_ = script.open(QIODevice::ReadOnly)
                 ? QString::fromUtf8(script.readAll())
                       .split(QRegularExpression(QStringLiteral("\\r?\\n")))
                 : QStringList();
    const int workers = std::max(1, linesAtOnce > 0 ? linesAtOnce : QThread::idealThreadCount());
    {
        std::lock_guard<std::mutex> lock(mutex_);
        written_.clear();
        workersRunning_ = workers;
    }
    nextLine_ = 0;
    stopRequested_ = false;
    for (int i = 0; i < workers; ++i) workers_.emplace_back(&ScriptRunner::runLines, this);
}

void ScriptRunner::Stop() {
    stopRequested_ = true;
    for (std::thread& worker : workers_) worker.join();
    workers_.clear();
}

// One of the workers: takes the next line nobody has started yet, until the
// script has no more lines or a stop is requested.
void ScriptRunner::runLines() {
    for (int line = nextLine_++; line < lines_.size() && !stopRequested_; line = nextLine_++)
        runLine(lines_.at(line));
    std::lock_guard<std::mutex> lock(mutex_);
    --workersRunning_;
    changed_.notify_all();
}

void ScriptRunner::runLine(const QString& line) {
    const QStringList words = SplitCommandLine(line);
    if (words.isEmpty()) return;
    const QString command = words.first().toLower();
    if (command == u"@echo" || command == u"cls") return;
    if (command == u"copy" && words.size() == 3) {
        copyFile(words[1], words[2]);
    } else {
        runProgram(line, stopRequested_);
    }
    markWritten(words.last());
}

void ScriptRunner::markWritten(const QString& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    written_.insert(normalPath(path));
    changed_.notify_all();
}

bool ScriptRunner::WaitForFile(const QString& path, UserPort& port) {
    const QString wanted = normalPath(path);
    std::unique_lock<std::mutex> lock(mutex_);
    while (!written_.contains(wanted) && workersRunning_ > 0 &&
           !(filesAppearWhole_ && QFileInfo::exists(path))) {
        changed_.wait_for(lock, std::chrono::milliseconds(kPollMilliseconds));
        lock.unlock();
        port.ProcessEvents();
        lock.lock();
    }
    lock.unlock();
    return QFileInfo::exists(path);
}
