#include "RequestLog.h"

#include "DemoOptions.h"

#include <cstdio>

bool RequestLog::open(const QStringList& arguments)
{
    file_.setFileName(textOption(arguments, QStringLiteral("--request-log")));
    return file_.fileName().isEmpty() || file_.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void RequestLog::record(int request, int connection, const QByteArray& text)
{
    const QByteArray line = "request " + QByteArray::number(request) + " on connection "
        + QByteArray::number(connection) + ": " + text + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
    if (file_.isOpen()) {
        file_.write(line);
        file_.flush();
    }
}
