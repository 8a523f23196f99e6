#pragma once
// A transfer's result for a test that looks at it: starts the fetch in the background
// and runs the event loop until its finished event has come. The transfer's own time
// limit guarantees the end; a transfer that is still busy gives a failed result.
#include "platform/HttpTransfer.h"
#include "platform/Wait.h"

#include <QObject>

#include <optional>

inline platform::HttpTransfer::Result fetchAndWait(platform::HttpTransfer& transfer, const QString& url)
{
    using platform::HttpTransfer;
    std::optional<HttpTransfer::Result> outcome;
    const QMetaObject::Connection recorder =
        QObject::connect(&transfer, &HttpTransfer::finished, &transfer,
                         [&outcome](const HttpTransfer::Result& result) { outcome = result; });
    if (transfer.start(url))
        platform::waitUntil([&outcome] { return outcome.has_value(); });
    QObject::disconnect(recorder);
    return outcome.value_or(HttpTransfer::Result{});
}
