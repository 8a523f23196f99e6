// The string component's hot members beside plain std::string_view loops doing the
// same job, so the ratio shows what the component costs:
//  - GetDelimited walking every line of a 1000-line, 60 KB reply the way the tree
//    loader does (field n for n = 1..1000), through the vtable and through gLexmara;
//  - Pluck on a 32 KB text whose delimiters lie at its end (positions are 16-bit);
//  - StringEncrypt and StringDecrypt of 60 KB.
// Throughput counts the bytes of the reply or text handled per iteration.
#include "OwnRegistration.h"
#include "common/Lexmara.h"

#include <lexmara/Client.h>
#include <lexmara/Interfaces.h>

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

namespace {

using namespace lexmara;

constexpr int kLines = 1000;

std::string makeReply()
{
    std::string reply;
    for (int i = 1; i <= kLines; ++i) {
        std::string line =
            "/WC/" + std::to_string(i) + ",rtsp://camera" + std::to_string(i) + ".host/live,Cam,RealPlay";
        line.resize(58, '.');
        reply += line + "\r\n";
    }
    return reply;
}

const std::string& reply()
{
    static const std::string text = makeReply();
    return text;
}

const std::string& pluckText()
{
    static const std::string text = std::string(32000, 'x') + "/ payload;";
    return text;
}

const std::string& plainText()
{
    static const std::string text = [] {
        std::string t(60000, '\0');
        for (size_t i = 0; i < t.size(); ++i)
            t[i] = static_cast<char>(1 + i * 7 % 254);
        return t;
    }();
    return text;
}

struct Component {
    const ComponentLibrary* library;
    ComPtr<_Lexmara> lexmara;
};

// One object straight from the library's factory.
const Component& component()
{
    static const Component loaded = [] {
        const ComponentLibrary& library = ComponentLibrary::open(OwnRegistration::libraryPath());
        void* factory = nullptr;
        library.check(library.getClassObject(CLSID_Lexmara, IID_IClassFactory, &factory));
        const auto owner = ComPtr<IClassFactory>::adopt(static_cast<IClassFactory*>(factory));
        void* object = nullptr;
        library.check(owner->CreateInstance(nullptr, IID__Lexmara, &object));
        return Component{&library, ComPtr<_Lexmara>::adopt(static_cast<_Lexmara*>(object))};
    }();
    return loaded;
}

// The field as the component defines it, with plain string_view searches.
std::string_view plainField(std::string_view text, int n, std::string_view delimiter)
{
    size_t previous = 0; // index where the field starts
    for (int field = 1;; ++field) {
        size_t next = text.find(delimiter, previous);
        if (next == std::string_view::npos)
            next = text.size();
        if (field == n)
            return text.substr(previous, next - previous);
        if (next == text.size())
            return {};
        previous = next + 1;
    }
}

void BM_GetDelimitedWalk_Component(benchmark::State& state)
{
    const Component& c = component();
    BString text(*c.library, reply()), delimiter(*c.library, "\r\n");
    for (auto _ : state)
        for (int32_t n = 1; n <= kLines; ++n) {
            BString field(*c.library);
            if (failed(c.lexmara->GetDelimited(text.ref(), &n, delimiter.ref(), field.ref())))
                state.SkipWithError("GetDelimited failed");
            benchmark::DoNotOptimize(field.get());
        }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(reply().size()));
}

void BM_GetDelimitedWalk_Wrapper(benchmark::State& state)
{
    const QByteArray text = QByteArray::fromStdString(reply());
    for (auto _ : state)
        for (int n = 1; n <= kLines; ++n)
            benchmark::DoNotOptimize(gLexmara.GetDelimited(text, n, "\r\n"));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(reply().size()));
}

void BM_GetDelimitedWalk_Plain(benchmark::State& state)
{
    for (auto _ : state)
        for (int n = 1; n <= kLines; ++n) {
            std::string field(plainField(reply(), n, "\r\n"));
            benchmark::DoNotOptimize(field.data());
        }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(reply().size()));
}

void BM_Pluck_Component(benchmark::State& state)
{
    const Component& c = component();
    Variant text = Variant::text(*c.library, pluckText());
    Variant first = Variant::text(*c.library, "/ "), second = Variant::text(*c.library, ";");
    for (auto _ : state) {
        BString plucked(*c.library);
        if (failed(c.lexmara->Pluck(text.get(), first.get(), second.get(), plucked.ref())))
            state.SkipWithError("Pluck failed");
        benchmark::DoNotOptimize(plucked.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(pluckText().size()));
}

void BM_Pluck_Plain(benchmark::State& state)
{
    const std::string_view text = pluckText();
    for (auto _ : state) {
        const size_t a = text.find("/ ");
        const size_t b = text.find(';', 1);
        std::string plucked(text.substr(a + 2, b - a - 1));
        benchmark::DoNotOptimize(plucked.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(pluckText().size()));
}

void BM_StringEncrypt_Component(benchmark::State& state)
{
    const Component& c = component();
    BString key(*c.library, "Quorvantel");
    for (auto _ : state) {
        BString in(*c.library, plainText()), cipher(*c.library);
        if (failed(c.lexmara->StringEncrypt(in.get(), key.ref(), cipher.ref())))
            state.SkipWithError("StringEncrypt failed");
        benchmark::DoNotOptimize(cipher.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(plainText().size()));
}

void BM_StringDecrypt_Component(benchmark::State& state)
{
    const Component& c = component();
    BString key(*c.library, "Quorvantel");
    for (auto _ : state) {
        BString in(*c.library, plainText());
        Variant plain(*c.library);
        if (failed(c.lexmara->StringDecrypt(in.get(), key.ref(), plain.get())))
            state.SkipWithError("StringDecrypt failed");
        benchmark::DoNotOptimize(plain.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(plainText().size()));
}

// The same running sum over a string_view, written into a std::string.
void BM_StringEncrypt_Plain(benchmark::State& state)
{
    const std::string_view text = plainText();
    for (auto _ : state) {
        std::string cipher(text.size(), '\0');
        int k = 98; // the value of "Quorvantel"
        size_t out = text.size();
        for (const char ch : text) {
            int c = k + static_cast<unsigned char>(ch);
            if (c > 255)
                c -= 255;
            cipher[--out] = static_cast<char>(c);
            k += c;
            if (k > 255)
                k -= 255;
        }
        benchmark::DoNotOptimize(cipher.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

BENCHMARK(BM_GetDelimitedWalk_Component)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetDelimitedWalk_Wrapper)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetDelimitedWalk_Plain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pluck_Component);
BENCHMARK(BM_Pluck_Plain);
BENCHMARK(BM_StringEncrypt_Component);
BENCHMARK(BM_StringDecrypt_Component);
BENCHMARK(BM_StringEncrypt_Plain);

} // namespace

// gLexmara finds the component through a registry file.
int main(int argc, char** argv)
{
    const OwnRegistration registration;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
