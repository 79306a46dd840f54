#pragma once
// The pipe that takes a child process's standard output and error: the child
// writes into one end, the program reads the other without blocking.
#include <QtGlobal>
#include <functional>

class OutputPipe {
public:
    OutputPipe() = default;
    OutputPipe(const OutputPipe &) = delete;
    OutputPipe &operator=(const OutputPipe &) = delete;
    ~OutputPipe() { Close(); }

    // False, with the errno value in errorCode, when no pipe could be made.
    bool Open(int &errorCode);
    // Runs in the child between fork and exec: output and error go to the pipe.
    std::function<void()> ChildSetup() const;
    // Once the child has started (or failed to): only the child writes from now on.
    void CloseWriteEnd();
    void Close();

    int ReadFd() const { return m_readFd; }
    // Bytes read; 0 when every writer is gone; -1 when nothing is waiting now.
    qint64 Read(char *buffer, qint64 size);

private:
    int m_readFd = -1;
    int m_writeFd = -1;
};
