// The path, system and random members, called through the vtable.
#include "ComponentHarness.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <vector>

#include <sys/stat.h>

using namespace harness;

namespace {

using Text = Outcome<std::string>;
using Bool = Outcome<LxBOOL>;

// Sets an environment variable for the life of the object; nothing means unset.
class EnvironmentOverride {
public:
    EnvironmentOverride(const char* name, std::optional<std::string> value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            previous_ = old;
        set(value);
    }
    ~EnvironmentOverride() { set(previous_); }

private:
    void set(const std::optional<std::string>& value)
    {
        if (value)
            setenv(name_, value->c_str(), 1);
        else
            unsetenv(name_);
    }
    const char* name_;
    std::optional<std::string> previous_;
};

void writeFile(const std::string& path) { std::ofstream(path) << "x"; }

class Paths : public LexmaraTest {
protected:
    Text addBackSlash(const std::string& path)
    {
        BString text = this->text(path);
        return call<std::string>([&](LxBSTR* out) { return lexmara()->AddBackSlash(text.ref(), out); });
    }
    Text deBackSlash(const std::string& path)
    {
        BString text = this->text(path);
        return call<std::string>([&](LxBSTR* out) { return lexmara()->DeBackSlash(text.ref(), out); });
    }
    Text tempFile(const std::string& prefix)
    {
        BString text = this->text(prefix);
        return call<std::string>([&](LxBSTR* out) { return lexmara()->GetTempFile(text.ref(), out); });
    }
    Bool isFile(const std::string& name)
    {
        BString text = this->text(name);
        return call<LxBOOL>([&](LxBOOL* out) { return lexmara()->IsFile(text.ref(), out); });
    }
};

TEST_F(Paths, BackSlashes)
{
    struct Case {
        std::string path, added, removed;
    };
    const std::vector<Case> cases{
        {"C:\\dir", "C:\\dir\\", "C:\\dir"},
        {"C:\\dir\\", "C:\\dir\\", "C:\\dir"},
        {"a\\\\", "a\\\\", "a\\"}, // only one backslash goes
        {"", "", ""},
        {"\\", "\\", ""},
        {"dir/", "dir/\\", "dir/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(addBackSlash(c.path), Text(c.added));
        EXPECT_EQ(deBackSlash(c.path), Text(c.removed));
    }
}

TEST_F(Paths, WindowsAndSystemFoldersComeFromTheEnvironment)
{
    const auto folders = [&] {
        return std::pair{call<std::string>([&](LxBSTR* out) { return lexmara()->GetWinDir(out); }),
                         call<std::string>([&](LxBSTR* out) { return lexmara()->GetSysDir(out); })};
    };
    {
        EnvironmentOverride windows("LEXMARA_WINDOWS_FOLDER", "/srv/windows");
        EnvironmentOverride system("LEXMARA_SYSTEM_FOLDER", "/srv/windows/system32");
        EXPECT_EQ(folders(), std::pair(Text("/srv/windows"), Text("/srv/windows/system32")));
    }
    EnvironmentOverride windows("LEXMARA_WINDOWS_FOLDER", std::nullopt);
    EnvironmentOverride system("LEXMARA_SYSTEM_FOLDER", "");
    EXPECT_EQ(folders(), std::pair(Text(""), Text("")));
}

TEST_F(Paths, TempFileIsCreatedAtOnceUnderAUniqueName)
{
    TemporaryFolder folder;
    EnvironmentOverride temporary("TMPDIR", folder.file(""));
    std::set<std::string> made;
    for (int i = 0; i < 3; ++i) {
        const Text path = tempFile("abcdef");
        ASSERT_TRUE(std::holds_alternative<std::string>(path));
        const std::filesystem::path file = std::get<std::string>(path);
        EXPECT_EQ(std::filesystem::canonical(file.parent_path()), std::filesystem::canonical(folder.file("")));
        EXPECT_EQ(file.filename().string().substr(0, 3), "abc");
        struct stat status {};
        ASSERT_EQ(stat(file.c_str(), &status), 0);
        EXPECT_TRUE(S_ISREG(status.st_mode));
        EXPECT_EQ(status.st_size, 0);
        EXPECT_EQ(status.st_mode & 0777, 0600u);
        made.insert(file.string());
    }
    EXPECT_EQ(made.size(), 3u);
    EXPECT_NE(std::get<std::string>(tempFile("")), "");
}

TEST_F(Paths, TempFileRefusesAPrefixThatLeavesTheFolderAndAMissingFolder)
{
    TemporaryFolder folder;
    EnvironmentOverride temporary("TMPDIR", folder.file(""));
    EXPECT_EQ(tempFile("../x"), Text(""));
    EXPECT_EQ(tempFile(std::string("a\0b", 3)), Text(""));
    EXPECT_EQ(tempFile("ab/"), Text(""));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.file("")), {}), 0);
    EnvironmentOverride missing("TMPDIR", folder.file("missing"));
    EXPECT_EQ(tempFile("abc"), Text(""));
}

TEST_F(Paths, IsFileFindsOnlyVisibleOrdinaryFiles)
{
    TemporaryFolder folder;
    writeFile(folder.file("report.txt"));
    writeFile(folder.file(".hidden"));
    std::filesystem::create_directory(folder.file("sub.dir"));
    struct Case {
        std::string name;
        LxBOOL found;
    };
    const std::vector<Case> cases{
        {"", LX_FALSE},
        {folder.file("report.txt"), LX_TRUE},
        {folder.file("Report.txt"), LX_FALSE},
        {folder.file("report"), LX_FALSE},
        {folder.file(".hidden"), LX_FALSE},
        {folder.file("sub.dir"), LX_FALSE},
        {folder.file("*.txt"), LX_TRUE},
        {folder.file("rep?rt.*"), LX_TRUE},
        {folder.file("*"), LX_TRUE},
        {folder.file("*.dir"), LX_FALSE},   // only a folder matches
        {folder.file("*hidden"), LX_FALSE}, // only a hidden file matches
        {folder.file("r?.txt"), LX_FALSE},
        {folder.file("missing/*.txt"), LX_FALSE},
        {folder.file("report.txt/x"), LX_FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isFile(c.name), Bool(c.found));
    }
}

TEST_F(Paths, IsFilePassesOnAFolderThatCannotBeSearched)
{
    TemporaryFolder folder;
    std::filesystem::create_symlink(folder.file("loop"), folder.file("loop")); // never resolves
    EXPECT_EQ(isFile(folder.file("loop/*.txt")), Bool(Error{75}));
    EXPECT_EQ(isFile(folder.file("loop/a.txt")), Bool(Error{75}));
}

TEST_F(Paths, RandomTexts)
{
    using Member = HRESULT (_Lexmara::*)(int16_t*, LxBSTR*);
    struct Case {
        const char* name;
        Member member;
        std::string alphabet;
    };
    const std::string digits = "0123456789", letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const std::vector<Case> cases{
        {"numerics", &_Lexmara::GetRandomNumerics, digits},
        {"alpha", &_Lexmara::GetRandomAlpha, letters},
        {"alphanumerics", &_Lexmara::GetRandomAlphaNumerics, digits + letters},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto random = [&](int16_t length) {
            return call<std::string>([&](LxBSTR* out) { return (lexmara()->*c.member)(&length, out); });
        };
        EXPECT_EQ(random(0), Text(""));
        EXPECT_EQ(random(-5), Text(""));
        EXPECT_EQ(random(32767), Text(Error{6}));
        EXPECT_EQ(std::get<std::string>(random(8)).size(), 8u);
        // Every character of the alphabet turns up, and nothing else.
        const std::string many = std::get<std::string>(random(20000));
        EXPECT_EQ(std::set<char>(many.begin(), many.end()), std::set<char>(c.alphabet.begin(), c.alphabet.end()));
        // The generator runs on from call to call instead of starting again.
        EXPECT_NE(random(30), random(30));
    }
}

TEST_F(Paths, RandomAlphaNumericsMixesDigitsAndLettersEvenly)
{
    int16_t length = 20000;
    const Text text = call<std::string>([&](LxBSTR* out) { return lexmara()->GetRandomAlphaNumerics(&length, out); });
    const std::string& characters = std::get<std::string>(text);
    const auto digits =
        std::count_if(characters.begin(), characters.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
    EXPECT_GT(digits, 9000);
    EXPECT_LT(digits, 11000);
}

TEST_F(Paths, StringExecuteFailsAsWithoutTheInterpreter)
{
    BString statement = text("x = 1");
    LxBOOL validate = LX_TRUE;
    for (LxBOOL* option : {&validate, static_cast<LxBOOL*>(nullptr)}) {
        const Bool outcome =
            call<LxBOOL>([&](LxBOOL* out) { return lexmara()->StringExecuteVB6(statement.ref(), option, out); });
        EXPECT_EQ(outcome, Bool(Error{53}));
    }
    LxBOOL answer = LX_TRUE;
    const HRESULT status = lexmara()->StringExecuteVB6(statement.ref(), nullptr, &answer);
    ASSERT_TRUE(failed(status));
    const ErrorInfo error = library().errorFor(status);
    EXPECT_EQ(error.description, "File not found: vba6.dll");
    EXPECT_EQ(answer, LX_FALSE);
    EXPECT_EQ(statement.str(), "x = 1");
}

} // namespace
