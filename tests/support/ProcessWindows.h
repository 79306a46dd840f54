#pragma once
// The visible windows of another process on the test display (xdotool).

// How many windows of the process whose title matches the pattern are shown,
// once there are `want` of them or 15 s have passed; events are handled meanwhile.
inline int VisibleWindows(qint64 pid, int want, const QString &titlePattern = QStringLiteral("."))
{
    QByteArray ids;
    for (int i = 0; i < 150 && ids.count('\n') != want; ++i) {
        QProcess x;
        x.start("xdotool",
                {"search", "--all", "--onlyvisible", "--pid", QString::number(pid), "--name", titlePattern});
        x.waitForFinished(3000);
        ids = x.readAllStandardOutput();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(50);
    }
    return int(ids.count('\n'));
}
