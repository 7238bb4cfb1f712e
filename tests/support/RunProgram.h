#pragma once
// Runs one of the game's programs as a user would, to its end, and keeps what
// it printed and how it ended.

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <string>

struct ProgramRun {
    int exitCode = -1;  // -1 when the program crashed or could not start
    std::string out, err;
};

// Standard input is closed at once; `folder` (when given) is the working folder.
ProgramRun runProgram(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
                      const QString& folder = {});
