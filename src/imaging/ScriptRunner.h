#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

class UserPort;

// Runs a command script such as the photo preparation's "temp.bat" in the
// background: "@echo off" and "cls" do nothing, "copy" copies a file, any
// other line runs a program (the converter) and waits for it. Several lines
// run at once, started in the script's order, so the first files are ready
// first while every core converts. It knows which files the script has
// finished writing, so that a copy still being written is never taken for a
// missing one.
class ScriptRunner {
public:
    ScriptRunner() = default;
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // Starts the lines of a script file (CR LF or LF line ends, UTF-8) in
    // order, at most linesAtOnce of them running at a time (one per core
    // when not given), after stopping a script still running. filesAppearWhole:
    // the script's programs write each file under another name and rename
    // it once complete, so a file that is there is whole, even while the
    // line that writes it (and more files) is still running.
    void Start(const QString& scriptPath, int linesAtOnce = 0, bool filesAppearWhole = false);
    // Stops the script: the programs running are ended, no further line runs.
    void Stop();

    // Waits, letting the window handle events, until the script has written
    // the file (the last path of a line; any file once there when files
    // appear whole), or has ended without a line for it. Returns whether
    // the file exists then.
    bool WaitForFile(const QString& path, UserPort& port);

private:
    void runLines();
    void runLine(const QString& line);
    void markWritten(const QString& path);

    std::vector<std::thread> workers_;
    QStringList lines_;
    std::atomic<int> nextLine_{0};
    std::atomic<bool> stopRequested_{false};
    std::mutex mutex_;
    std::condition_variable changed_;
    QSet<QString> written_;
    bool filesAppearWhole_ = false;
    int workersRunning_ = 0;
};
