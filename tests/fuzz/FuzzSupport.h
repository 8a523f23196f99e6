#pragma once
// What the fuzz programs share: a property check that stops the run (so libFuzzer
// keeps the input that broke it), and conversions between the fuzzer's bytes and the
// program's texts.
#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

// Aborts with `what` when `holds` is false; libFuzzer reports the abort as a crash.
inline void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

inline QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}
inline std::string_view view(const QByteArray& text)
{
    return {text.constData(), size_t(text.size())};
}

} // namespace fuzz
