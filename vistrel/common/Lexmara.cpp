#include "common/Lexmara.h"

#include "platform/Codec.h"
#include "platform/RuntimeError.h"

#include <lexmara/Client.h>
#include <lexmara/ErrorNumbers.h>
#include <lexmara/Interfaces.h>

#include <new>

Lexmara gLexmara;

namespace {

using lexmara::BString;

QString asText(const std::string& text)
{
    return platform::fromCp1252(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

[[noreturn]] void raise(const lexmara::ErrorInfo& error)
{
    throw platform::RuntimeError(error.number, asText(error.description), asText(error.source));
}

std::string_view bytes(const QByteArray& text)
{
    return {text.constData(), static_cast<size_t>(text.size())};
}

QByteArray toBytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Runs one member call, turning the component's failures into RuntimeError.
template <class Body>
auto guardedCall(Body&& body)
{
    try {
        return body();
    } catch (const lexmara::ComponentError& e) {
        raise(e.info());
    } catch (const std::bad_alloc&) {
        raise({lexmara::kOutOfMemory, "lexmara", std::string(lexmara::standardDescription(lexmara::kOutOfMemory))});
    }
}

} // namespace

Lexmara::~Lexmara()
{
    if (object_)
        object_->Release();
}

lexmara::_Lexmara& Lexmara::object()
{
    if (!object_) {
        auto created = guardedCall(
            [] { return lexmara::createInstance<lexmara::_Lexmara>(lexmara::CLSID_Lexmara, lexmara::IID__Lexmara); });
        library_ = created.library;
        object_ = created.object.detach();
    }
    return *object_;
}

QByteArray Lexmara::GetDelimited(const QByteArray& text, int position, const QByteArray& delimiter)
{
    lexmara::_Lexmara& lexmara = object();
    return guardedCall([&] {
        BString in(*library_, bytes(text)), separator(*library_, bytes(delimiter)), field(*library_);
        int32_t number = position;
        library_->check(lexmara.GetDelimited(in.ref(), &number, separator.ref(), field.ref()));
        return toBytes(field.view());
    });
}

QByteArray Lexmara::StripCharacter(const QByteArray& text, const QByteArray& character)
{
    lexmara::_Lexmara& lexmara = object();
    return guardedCall([&] {
        BString in(*library_, bytes(text)), strip(*library_, bytes(character)), stripped(*library_);
        library_->check(lexmara.StripCharacter(in.ref(), strip.ref(), stripped.ref()));
        return toBytes(stripped.view());
    });
}

QByteArray Lexmara::StripString(const QByteArray& text, const QByteArray& piece)
{
    lexmara::_Lexmara& lexmara = object();
    return guardedCall([&] {
        BString in(*library_, bytes(text)), strip(*library_, bytes(piece)), stripped(*library_);
        library_->check(lexmara.StripString(in.ref(), strip.ref(), stripped.ref()));
        return toBytes(stripped.view());
    });
}

int Lexmara::LastInstr(const QByteArray& text, const QByteArray& sought, int start, bool matchCase)
{
    lexmara::_Lexmara& lexmara = object();
    return guardedCall([&] {
        BString in(*library_, bytes(text)), find(*library_, bytes(sought));
        auto from = lexmara::Variant::longValue(*library_, start);
        lexmara::LxBOOL binary = matchCase ? lexmara::LX_TRUE : lexmara::LX_FALSE;
        int32_t position = 0;
        library_->check(lexmara.LastInstr(in.ref(), find.ref(), from.get(), &binary, &position));
        return static_cast<int>(position);
    });
}

int Lexmara::ItemCount(const QByteArray& text, const QByteArray& item)
{
    lexmara::_Lexmara& lexmara = object();
    return guardedCall([&] {
        BString in(*library_, bytes(text)), counted(*library_, bytes(item));
        int32_t count = 0;
        library_->check(lexmara.ItemCount(in.ref(), counted.ref(), &count));
        return static_cast<int>(count);
    });
}

QByteArray Lexmara::Pluck(const QByteArray& text, const QByteArray& delimiter1, const QByteArray& delimiter2)
{
    lexmara::_Lexmara& lexmara = object();
    return guardedCall([&] {
        auto in = lexmara::Variant::text(*library_, bytes(text));
        auto first = lexmara::Variant::text(*library_, bytes(delimiter1));
        auto second = lexmara::Variant::text(*library_, bytes(delimiter2));
        BString plucked(*library_);
        library_->check(lexmara.Pluck(in.get(), first.get(), second.get(), plucked.ref()));
        return toBytes(plucked.view());
    });
}

QByteArray Lexmara::StringEncrypt(const QByteArray& plain, QByteArray& key)
{
    lexmara::_Lexmara& lexmara = object();
    return guardedCall([&] {
        BString in(*library_, bytes(plain)), keyText(*library_, bytes(key)), cipher(*library_);
        library_->check(lexmara.StringEncrypt(in.get(), keyText.ref(), cipher.ref()));
        key = toBytes(keyText.view());
        return toBytes(cipher.view());
    });
}

QByteArray Lexmara::StringEncrypt(const QByteArray& plain, const QByteArray& key)
{
    QByteArray copy = key;
    return StringEncrypt(plain, copy);
}

QByteArray Lexmara::StringDecrypt(const QByteArray& cipher, const QByteArray& key)
{
    lexmara::_Lexmara& lexmara = object();
    return guardedCall([&] {
        BString in(*library_, bytes(cipher)), keyText(*library_, bytes(key));
        lexmara::Variant plain(*library_);
        library_->check(lexmara.StringDecrypt(in.get(), keyText.ref(), plain.get()));
        return toBytes(lexmara::lxView(plain.value().bstrVal));
    });
}
