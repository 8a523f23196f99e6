#include "ErrorRecord.h"

#include "Strings.h"

#include <optional>

namespace lexmara::server {

namespace {

struct Record {
    int number;
    std::string source;
    std::string description;
};

thread_local std::optional<Record> lastError;

} // namespace

void setErrorRecord(int number, std::string source, std::string description)
{
    lastError = Record{number, std::move(source), std::move(description)};
}

void clearErrorRecord() { lastError.reset(); }

HRESULT takeErrorRecord(LxErrorRecord* record) noexcept
{
    if (!record)
        return E_POINTER;
    if (!lastError)
        return S_FALSE;
    LxBSTR source = allocString(lastError->source.data(), static_cast<uint32_t>(lastError->source.size()));
    LxBSTR description =
        allocString(lastError->description.data(), static_cast<uint32_t>(lastError->description.size()));
    if (!source || !description) {
        freeString(source);
        freeString(description);
        return E_OUTOFMEMORY;
    }
    *record = {lastError->number, source, description};
    lastError.reset();
    return S_OK;
}

} // namespace lexmara::server
