// welkin-cli run as a process: its exit status and both output streams.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

namespace welkin {

struct CliRun {
    int exit_code;
    QByteArray out, err;
};

inline CliRun cli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(WELKIN_CLI), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

}  // namespace welkin
