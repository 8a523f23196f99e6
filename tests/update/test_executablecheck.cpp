// The check that a file is a whole executable for this computer, on this test
// program's own executable and on copies of it changed or cut short. Each case runs
// on the bytes in memory and on the same bytes written to a file.
#include "update/ExecutableCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <elf.h>
#include <type_traits>

using namespace updater;

namespace {

using Ehdr = std::conditional_t<sizeof(void*) == 8, Elf64_Ehdr, Elf32_Ehdr>;
using Phdr = std::conditional_t<sizeof(void*) == 8, Elf64_Phdr, Elf32_Phdr>;
using Shdr = std::conditional_t<sizeof(void*) == 8, Elf64_Shdr, Elf32_Shdr>;

QByteArray ownExecutable()
{
    QFile file(QCoreApplication::applicationFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Ehdr headerOf(const QByteArray& bytes)
{
    Ehdr header{};
    std::memcpy(&header, bytes.constData(), sizeof header);
    return header;
}

// bytes with its ELF header changed by change.
template <typename Change>
QByteArray withHeader(QByteArray bytes, Change change)
{
    Ehdr header = headerOf(bytes);
    change(header);
    if (bytes.size() >= qsizetype(sizeof header))
        std::memcpy(bytes.data(), &header, sizeof header);
    return bytes;
}

// bytes with the file range of its last segment reaching one byte past the end.
QByteArray withLastSegmentPastTheEnd(QByteArray bytes)
{
    const Ehdr header = headerOf(bytes);
    Phdr segment{};
    const qsizetype at = qsizetype(header.e_phoff) + (header.e_phnum - 1) * qsizetype(sizeof segment);
    std::memcpy(&segment, bytes.constData() + at, sizeof segment);
    segment.p_filesz = bytes.size() - qsizetype(segment.p_offset) + 1;
    std::memcpy(bytes.data() + at, &segment, sizeof segment);
    return bytes;
}

QByteArray withIdent(QByteArray bytes, int index, char value)
{
    bytes[index] = value;
    return bytes;
}

QString describe(ExecutableFault fault)
{
    return QString::fromLocal8Bit(ExecutableCheck{fault, 0}.description());
}

} // namespace

Q_DECLARE_METATYPE(updater::ExecutableFault)

class ExecutableCheckTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        QVERIFY(ownExecutable().size() > qsizetype(sizeof(Ehdr)));
    }

    void checksTheWholeExecutable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        // The fault the check must find; a cut executable may show either table or
        // a segment first past the end, as the build lays it out.
        QTest::addColumn<QList<ExecutableFault>>("faults");
        const QByteArray real = ownExecutable();
        const qsizetype size = real.size();
        const Ehdr header = headerOf(real);

        QTest::newRow("this test's executable") << real << QList{ExecutableFault::None};
        QTest::newRow("magic and 1000 zeros")
            << QByteArray(ELFMAG) + QByteArray(1000, '\0') << QList{ExecutableFault::WrongClass};
        QTest::newRow("first half") << real.left(size / 2)
                                    << QList{ExecutableFault::SegmentPastEnd, ExecutableFault::SectionHeadersPastEnd};
        QTest::newRow("all but the last byte") << real.chopped(1) << QList{ExecutableFault::SectionHeadersPastEnd};
        QTest::newRow("ELF header only") << real.left(sizeof(Ehdr)) << QList{ExecutableFault::ProgramHeadersPastEnd};
        QTest::newRow("wrong class") << withIdent(real, EI_CLASS, sizeof(void*) == 8 ? ELFCLASS32 : ELFCLASS64)
                                     << QList{ExecutableFault::WrongClass};
        QTest::newRow("wrong byte order")
            << withIdent(real, EI_DATA, header.e_ident[EI_DATA] == ELFDATA2LSB ? ELFDATA2MSB : ELFDATA2LSB)
            << QList{ExecutableFault::WrongByteOrder};
        QTest::newRow("wrong ident version") << withIdent(real, EI_VERSION, 2) << QList{ExecutableFault::WrongVersion};
        // A machine that this build is not.
        const auto otherMachine = header.e_machine == EM_X86_64 ? EM_AARCH64 : EM_X86_64;
        QTest::newRow("wrong machine") << withHeader(real, [otherMachine](Ehdr& h) { h.e_machine = otherMachine; })
                                       << QList{ExecutableFault::WrongMachine};
        QTest::newRow("relocatable object")
            << withHeader(real, [](Ehdr& h) { h.e_type = ET_REL; }) << QList{ExecutableFault::WrongType};
        QTest::newRow("core dump") << withHeader(real, [](Ehdr& h) { h.e_type = ET_CORE; })
                                   << QList{ExecutableFault::WrongType};
        QTest::newRow("program header table past the end")
            << withHeader(real, [size](Ehdr& h) { h.e_phoff = size - h.e_phentsize * h.e_phnum + 1; })
            << QList{ExecutableFault::ProgramHeadersPastEnd};
        QTest::newRow("program header table far past the end")
            << withHeader(real, [](Ehdr& h) { h.e_phoff = ~decltype(h.e_phoff)(0); })
            << QList{ExecutableFault::ProgramHeadersPastEnd};
        QTest::newRow("program header entries too small")
            << withHeader(real, [](Ehdr& h) { h.e_phentsize = 1; }) << QList{ExecutableFault::BadProgramHeaderSize};
        QTest::newRow("no program headers")
            << withHeader(real, [](Ehdr& h) { h.e_phnum = 0; }) << QList{ExecutableFault::NoProgramHeaders};
        QTest::newRow("a segment past the end")
            << withLastSegmentPastTheEnd(real) << QList{ExecutableFault::SegmentPastEnd};
        QTest::newRow("section header table past the end")
            << withHeader(real, [size](Ehdr& h) { h.e_shoff = size - h.e_shentsize * h.e_shnum + 1; })
            << QList{ExecutableFault::SectionHeadersPastEnd};
        QTest::newRow("section count far too large")
            << withHeader(real, [](Ehdr& h) { h.e_shnum = 0xffff; }) << QList{ExecutableFault::SectionHeadersPastEnd};
        QTest::newRow("section header entries of no size")
            << withHeader(real, [](Ehdr& h) { h.e_shentsize = 0; }) << QList{ExecutableFault::BadSectionHeaderSize};
        QTest::newRow("empty file") << QByteArray() << QList{ExecutableFault::Empty};
        QTest::newRow("3 bytes of the magic") << QByteArray("\x7f"
                                                            "EL")
                                              << QList{ExecutableFault::HeaderCutShort};
        QTest::newRow("3 other bytes") << QByteArray("MZ\x90") << QList{ExecutableFault::NotElf};
        QTest::newRow("a script") << QByteArray("#!/bin/sh\nexit 0\n") << QList{ExecutableFault::NotElf};
    }

    void checksTheWholeExecutable()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<ExecutableFault>, faults);
        const ExecutableCheck inMemory = checkExecutable(bytes.constData(), std::size_t(bytes.size()));
        const ExecutableFault fault = faults.contains(inMemory.fault) ? inMemory.fault : faults.first();
        QCOMPARE(QString::fromLocal8Bit(inMemory.description()), describe(fault));
        QCOMPARE(inMemory.passed(), fault == ExecutableFault::None);

        const QString path = folder_.filePath(QStringLiteral("candidate"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();
        const ExecutableCheck onDisk = checkExecutableFile(QFile::encodeName(path).constData());
        QCOMPARE(QString::fromLocal8Bit(onDisk.description()), describe(fault));
    }

    // A count of sections too large for e_shnum stands in the first section header.
    void aLargeSectionCountIsReadFromTheFirstSection()
    {
        const QByteArray real = ownExecutable();
        const Ehdr header = headerOf(real);
        QByteArray extended = withHeader(real, [](Ehdr& h) { h.e_shnum = 0; });
        Shdr first{};
        std::memcpy(&first, real.constData() + header.e_shoff, sizeof first);
        first.sh_size = header.e_shnum;
        std::memcpy(extended.data() + header.e_shoff, &first, sizeof first);
        QVERIFY(checkExecutable(extended.constData(), std::size_t(extended.size())).passed());

        first.sh_size = header.e_shnum + 1;
        std::memcpy(extended.data() + header.e_shoff, &first, sizeof first);
        QCOMPARE(checkExecutable(extended.constData(), std::size_t(extended.size())).fault,
                 ExecutableFault::SectionHeadersPastEnd);
    }

    void aMissingFileCannotBeRead()
    {
        const ExecutableCheck check =
            checkExecutableFile(QFile::encodeName(folder_.filePath(QStringLiteral("missing"))).constData());
        QCOMPARE(check.fault, ExecutableFault::Unreadable);
        QCOMPARE(check.systemError, ENOENT);
        QVERIFY(!check.description().empty());
    }

private:
    QTemporaryDir folder_;
};

QTEST_GUILESS_MAIN(ExecutableCheckTest)
#include "test_executablecheck.moc"
