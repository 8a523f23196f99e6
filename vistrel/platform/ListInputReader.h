#pragma once
// Reads values from the program's text files one after another, the way they
// were always read back ("list input"):
// - a file is a sequence of lines ending in CR LF, LF or CR; the values of a
//   line are separated by commas, so an empty line holds one empty value and
//   "a," holds "a" and an empty value;
// - blanks before a value are skipped;
// - a value that begins with a double quote runs to the next double quote of
//   its line (to the end of the line when there is none); anything between
//   the closing quote and the next comma or line end is dropped;
// - any other value runs to the next comma or the end of the line, with its
//   trailing blanks kept.
// Reading past the last value gives the empty text.
#include <QByteArray>
#include <QString>

#include <optional>

namespace platform {

class ListInputReader {
public:
    explicit ListInputReader(QByteArray content = {});

    // A reader over the whole file, or nothing when it cannot be read.
    static std::optional<ListInputReader> fromFile(const QString& path);

    // True when no value is left.
    bool atEnd() const;

    // The next value, or the empty text when none is left.
    QByteArray next();

private:
    bool atLineEnd() const;
    void skipLineEnd();

    QByteArray content_;
    qsizetype position_ = 0;
    bool valueAfterComma_ = false; // a comma was read, so one more value follows
};

} // namespace platform
