#pragma once
// Runs shosu-sheet (or another program) and keeps what it left behind: the exit code
// (-1 when it did not exit normally) and stdout and stderr read as UTF-8.
#include <QProcess>
#include <QString>
#include <QStringList>

struct ToolRun {
    int ExitCode = -1;
    QString Out;
    QString Err;

    QStringList Lines() const { return Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

// Runs any program; workingDir empty: the test's own directory.
inline ToolRun RunProgram(const QString& program, const QStringList& args,
                          const QString& workingDir = {})
{
    QProcess process;
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    process.start(program, args);
    process.waitForFinished(60000);
    ToolRun run;
    run.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.Out = QString::fromUtf8(process.readAllStandardOutput());
    run.Err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// args start with the subcommand; workingDir empty: the test's own directory.
inline ToolRun RunSheetTool(const QStringList& args, const QString& workingDir = {})
{
    return RunProgram(QStringLiteral(SHOSU_SHEET_PATH), args, workingDir);
}
