#pragma once
// The main program's handle on the string component: `gLexmara`, the one Lexmara
// object of the run. The first call of any member creates the object through the
// registry file and the component's library; every later call goes to the same object,
// which lives until the process ends. Texts are 8-bit Windows-1252 bytes.
//
// A failing member throws platform::RuntimeError with the component's error number,
// description and source. When the object cannot be created (the class is not
// registered, its library does not load) the call throws RuntimeError 429, and the
// next call tries again.
#include <QByteArray>

namespace lexmara {
class ComponentLibrary;
class _Lexmara;
} // namespace lexmara

class Lexmara {
public:
    constexpr Lexmara() = default;
    ~Lexmara();
    Lexmara(const Lexmara&) = delete;
    Lexmara& operator=(const Lexmara&) = delete;

    // True once a member call has created the object.
    bool isCreated() const { return object_ != nullptr; }

    // Field `position` (from 1) of `text` cut at `delimiter`; every field after the
    // first starts one character after the first character of the delimiter before it
    // (at CR LF the later fields begin with LF). Empty for no such field.
    QByteArray GetDelimited(const QByteArray& text, int position, const QByteArray& delimiter);
    // `text` without one character at each occurrence of `character`.
    QByteArray StripCharacter(const QByteArray& text, const QByteArray& character);
    // `text` without every occurrence of `piece`; an empty piece gives the empty text.
    QByteArray StripString(const QByteArray& text, const QByteArray& piece);
    // The position of the last occurrence of `sought` within the first `start`
    // characters (-1: all), ignoring case unless `matchCase`; 0 when there is none.
    int LastInstr(const QByteArray& text, const QByteArray& sought, int start = -1, bool matchCase = false);
    // Occurrences of `item`, overlapping ones included.
    int ItemCount(const QByteArray& text, const QByteArray& item);
    // The text after `delimiter1`, up to `delimiter2` less the length of `delimiter2`.
    QByteArray Pluck(const QByteArray& text, const QByteArray& delimiter1, const QByteArray& delimiter2);
    // The cipher text of `plain`. An empty `key` is replaced by the random key made for
    // it; the overload with a fixed key drops such a key.
    QByteArray StringEncrypt(const QByteArray& plain, QByteArray& key);
    QByteArray StringEncrypt(const QByteArray& plain, const QByteArray& key);
    QByteArray StringDecrypt(const QByteArray& cipher, const QByteArray& key);

private:
    // The object, created on the first call.
    lexmara::_Lexmara& object();

    const lexmara::ComponentLibrary* library_ = nullptr;
    lexmara::_Lexmara* object_ = nullptr;
};

extern Lexmara gLexmara;
