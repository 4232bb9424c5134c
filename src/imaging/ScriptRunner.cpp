#include "imaging/ScriptRunner.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
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

void ScriptRunner::Start(const QString& scriptPath) {
    Stop();
    QFile script(scriptPath);
    const QStringList lines = script.open(QIODevice::ReadOnly)
                                  ? QString::fromUtf8(script.readAll())
                                        .split(QRegularExpression(QStringLiteral("\\r?\\n")))
                                  : QStringList();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        written_.clear();
        finished_ = false;
    }
    stopRequested_ = false;
    worker_ = std::thread(&ScriptRunner::run, this, lines);
}

void ScriptRunner::Stop() {
    stopRequested_ = true;
    if (worker_.joinable()) worker_.join();
}

void ScriptRunner::run(QStringList lines) {
    for (const QString& line : lines) {
        if (stopRequested_) break;
        runLine(line);
    }
    std::lock_guard<std::mutex> lock(mutex_);
    finished_ = true;
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
    while (!written_.contains(wanted) && !finished_) {
        changed_.wait_for(lock, std::chrono::milliseconds(kPollMilliseconds));
        lock.unlock();
        port.ProcessEvents();
        lock.lock();
    }
    lock.unlock();
    return QFileInfo::exists(path);
}
