// The main program's handle on the component: the eight members it calls through
// gLexmara, errors as RuntimeError, and the one object created on the first call.
#include "ComponentHarness.h"

#include "common/Lexmara.h"
#include "platform/RuntimeError.h"

using harness::RegistryOverride;
using harness::TemporaryFolder;

namespace {

TEST(Wrapper, TheEightMembers)
{
    EXPECT_EQ(gLexmara.GetDelimited("a\r\nb\r\nc", 2, "\r\n"), "\nb");
    EXPECT_EQ(gLexmara.GetDelimited("red,green,blue", 4, ","), "");
    EXPECT_EQ(gLexmara.StripCharacter("1.2.3.4\r", "\r"), "1.2.3.4");
    EXPECT_EQ(gLexmara.StripString("C:/tmp/dummy", "dummy"), "C:/tmp/");
    EXPECT_EQ(gLexmara.StripString("abc", ""), "");
    EXPECT_EQ(gLexmara.LastInstr("a_b_c", "_"), 4);
    EXPECT_EQ(gLexmara.LastInstr("ABC", "b"), 2);
    EXPECT_EQ(gLexmara.LastInstr("ABC", "b", -1, true), 0);
    EXPECT_EQ(gLexmara.ItemCount("aaa", "aa"), 2);
    EXPECT_EQ(gLexmara.Pluck("x/ abc;", "/ ", ";"), "abc;");

    const QByteArray plain("pass,word\r\n\0end", 15);
    const QByteArray cipher = gLexmara.StringEncrypt(plain, QByteArray("zzplern"));
    EXPECT_EQ(cipher.size(), plain.size());
    EXPECT_EQ(gLexmara.StringDecrypt(cipher, "zzplern"), plain);

    QByteArray key;
    const QByteArray withMadeKey = gLexmara.StringEncrypt("topic", key);
    EXPECT_LE(key.size(), 10);
    EXPECT_EQ(gLexmara.StringDecrypt(withMadeKey, key), "topic");
}

TEST(Wrapper, AFailingMemberThrowsItsNumberAndDescription)
{
    try {
        gLexmara.Pluck("a]b[c", "[", "]");
        FAIL() << "no error";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), 5);
        EXPECT_EQ(e.description(), "Invalid procedure call or argument");
        EXPECT_EQ(e.source(), "L_Lexmara.Lexmara");
    }
    EXPECT_THROW(gLexmara.LastInstr("abc", "c", 0), platform::RuntimeError);
}

TEST(Wrapper, TheObjectIsCreatedOnceAndKept)
{
    gLexmara.ItemCount("a", "a");
    ASSERT_TRUE(gLexmara.isCreated());
    // Without a registration the kept object still answers: nothing is looked up again.
    const TemporaryFolder folder;
    const RegistryOverride override(folder.file("empty.ini"));
    EXPECT_EQ(gLexmara.GetDelimited("a,b", 2, ","), "b");
}

TEST(Wrapper, AnUnregisteredClassGivesError429AndIsTriedAgain)
{
    Lexmara lexmara;
    {
        const TemporaryFolder folder;
        const RegistryOverride override(folder.file("empty.ini"));
        try {
            lexmara.GetDelimited("a,b", 1, ",");
            FAIL() << "created without registration";
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.number(), 429);
            EXPECT_TRUE(e.description().contains(QStringLiteral("not registered"))) << e.description().toStdString();
        }
        EXPECT_FALSE(lexmara.isCreated());
    }
    EXPECT_EQ(lexmara.GetDelimited("a,b", 1, ","), "a");
    EXPECT_TRUE(lexmara.isCreated());
}

TEST(Wrapper, ALibraryThatDoesNotLoadGives429)
{
    const TemporaryFolder folder;
    const std::string registry = folder.file("broken.ini");
    lexmara::updateRegistryFile(registry, [&](lexmara::Registry& entries) {
        entries.setValue("CLSID\\" + lexmara::formatGuid(lexmara::CLSID_Lexmara) + "\\InprocServer32", "@",
                         folder.file("missing.so"));
    });
    const RegistryOverride override(registry);
    Lexmara lexmara;
    try {
        lexmara.ItemCount("a", "a");
        FAIL() << "created from a missing library";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), 429);
        EXPECT_TRUE(e.description().contains(QStringLiteral("missing.so"))) << e.description().toStdString();
    }
}

} // namespace
