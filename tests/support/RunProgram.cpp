#include "tests/support/RunProgram.h"

#include <QProcess>

ProgramRun runProgram(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
                      const QString& folder) {
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!folder.isEmpty()) process.setWorkingDirectory(folder);
    process.start(program, arguments);
    process.closeWriteChannel();
    ProgramRun run;
    if (!process.waitForFinished(-1)) return run;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    if (process.exitStatus() == QProcess::NormalExit) run.exitCode = process.exitCode();
    return run;
}
