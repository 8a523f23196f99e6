#pragma once
// An input cut into chunks at points the fuzzer chooses: its first byte is the cut
// mark, and the rest is cut at every byte equal to it. A mark that the rest does not
// hold gives one chunk, so every content can arrive whole or cut anywhere, and the
// seeds stay readable ("|/WC/ab|c/End|Tran/").
#include <QByteArray>
#include <QList>

#include <cstdint>

namespace fuzz {

inline QList<QByteArray> chunksOf(const uint8_t* data, size_t size)
{
    if (size == 0)
        return {};
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    return rest.split(char(data[0]));
}

} // namespace fuzz
