#include "update/ExecutableCheck.h"
#include "update/FileDescriptor.h"

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace updater {
namespace {

// The ELF flavour this build runs.
#if __SIZEOF_POINTER__ == 8
using Ehdr = Elf64_Ehdr;
using Phdr = Elf64_Phdr;
using Shdr = Elf64_Shdr;
constexpr unsigned char kClass = ELFCLASS64;
#elif __SIZEOF_POINTER__ == 4
using Ehdr = Elf32_Ehdr;
using Phdr = Elf32_Phdr;
using Shdr = Elf32_Shdr;
constexpr unsigned char kClass = ELFCLASS32;
#else
#error "no ELF class for this pointer size"
#endif

constexpr unsigned char kByteOrder = std::endian::native == std::endian::little ? ELFDATA2LSB : ELFDATA2MSB;

#if defined(__x86_64__)
constexpr unsigned kMachine = EM_X86_64;
#elif defined(__i386__)
constexpr unsigned kMachine = EM_386;
#elif defined(__aarch64__)
constexpr unsigned kMachine = EM_AARCH64;
#elif defined(__arm__)
constexpr unsigned kMachine = EM_ARM;
#elif defined(__riscv)
constexpr unsigned kMachine = EM_RISCV;
#elif defined(__powerpc64__)
constexpr unsigned kMachine = EM_PPC64;
#elif defined(__powerpc__)
constexpr unsigned kMachine = EM_PPC;
#elif defined(__s390x__) || defined(__s390__)
constexpr unsigned kMachine = EM_S390;
#elif defined(__loongarch__)
constexpr unsigned kMachine = EM_LOONGARCH;
#elif defined(__mips__)
constexpr unsigned kMachine = EM_MIPS;
#elif defined(__sparc__)
constexpr unsigned kMachine = EM_SPARCV9;
#else
#error "no ELF machine for this processor"
#endif

// The bytes under check: in memory or in an open file. A read is only asked for
// once its range is known to lie inside; it fails only on an I/O error.
class Bytes {
public:
    virtual ~Bytes() = default;
    virtual std::uint64_t size() const = 0;
    virtual bool read(std::uint64_t offset, void* out, std::size_t length) const = 0;
};

class MemoryBytes final : public Bytes {
public:
    MemoryBytes(const char* data, std::size_t size) : data_(data), size_(size) {}
    std::uint64_t size() const override { return size_; }
    bool read(std::uint64_t offset, void* out, std::size_t length) const override
    {
        if (length > 0)
            std::memcpy(out, data_ + offset, length);
        return true;
    }

private:
    const char* data_;
    std::size_t size_;
};

class FileBytes final : public Bytes {
public:
    FileBytes(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
    std::uint64_t size() const override { return size_; }
    bool read(std::uint64_t offset, void* out, std::size_t length) const override
    {
        auto* target = static_cast<char*>(out);
        while (length > 0) {
            const ssize_t got = ::pread(fd_, target, length, off_t(offset));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return false;
            if (got == 0) {
                // The file shrank while it was checked.
                errno = EIO;
                return false;
            }
            target += got;
            offset += std::uint64_t(got);
            length -= std::size_t(got);
        }
        return true;
    }

private:
    int fd_;
    std::uint64_t size_;
};

// Whether count entries of entrySize bytes from offset on lie inside size bytes,
// without overflow for any values a header may hold.
bool inside(std::uint64_t offset, std::uint64_t count, std::uint64_t entrySize, std::uint64_t size)
{
    if (offset > size)
        return false;
    const std::uint64_t room = size - offset;
    return entrySize == 0 || count <= room / entrySize;
}

ExecutableCheck refused(ExecutableFault fault)
{
    return {fault, 0};
}

ExecutableCheck unreadable()
{
    return {ExecutableFault::Unreadable, errno};
}

// The section count: e_shnum, or, when that is 0 with a table present, the size
// field of the first entry (the ELF rule for more sections than e_shnum can hold).
ExecutableCheck checkSectionHeaders(const Bytes& bytes, const Ehdr& header)
{
    if (header.e_shoff == 0 && header.e_shnum == 0)
        return {}; // no section table, as a stripped-down executable may have
    if (header.e_shentsize != sizeof(Shdr))
        return refused(ExecutableFault::BadSectionHeaderSize);
    std::uint64_t count = header.e_shnum;
    if (count == 0) {
        if (!inside(header.e_shoff, 1, sizeof(Shdr), bytes.size()))
            return refused(ExecutableFault::SectionHeadersPastEnd);
        Shdr first{};
        if (!bytes.read(header.e_shoff, &first, sizeof first))
            return unreadable();
        count = first.sh_size;
    }
    if (!inside(header.e_shoff, count, sizeof(Shdr), bytes.size()))
        return refused(ExecutableFault::SectionHeadersPastEnd);
    return {};
}

ExecutableCheck checkProgramHeaders(const Bytes& bytes, const Ehdr& header)
{
    if (header.e_phnum == 0)
        return refused(ExecutableFault::NoProgramHeaders);
    if (header.e_phentsize != sizeof(Phdr))
        return refused(ExecutableFault::BadProgramHeaderSize);
    if (!inside(header.e_phoff, header.e_phnum, sizeof(Phdr), bytes.size()))
        return refused(ExecutableFault::ProgramHeadersPastEnd);
    std::vector<Phdr> table(header.e_phnum);
    if (!bytes.read(header.e_phoff, table.data(), table.size() * sizeof(Phdr)))
        return unreadable();
    for (const Phdr& segment : table) {
        if (!inside(segment.p_offset, segment.p_filesz, 1, bytes.size()))
            return refused(ExecutableFault::SegmentPastEnd);
    }
    return {};
}

ExecutableCheck check(const Bytes& bytes)
{
    if (bytes.size() == 0)
        return refused(ExecutableFault::Empty);
    unsigned char ident[EI_NIDENT]{};
    const std::size_t start = bytes.size() < EI_NIDENT ? std::size_t(bytes.size()) : EI_NIDENT;
    if (!bytes.read(0, ident, start))
        return unreadable();
    if (std::memcmp(ident, ELFMAG, start < SELFMAG ? start : SELFMAG) != 0)
        return refused(ExecutableFault::NotElf);
    if (start < EI_NIDENT)
        return refused(ExecutableFault::HeaderCutShort);
    if (ident[EI_CLASS] != kClass)
        return refused(ExecutableFault::WrongClass);
    if (ident[EI_DATA] != kByteOrder)
        return refused(ExecutableFault::WrongByteOrder);
    if (ident[EI_VERSION] != EV_CURRENT)
        return refused(ExecutableFault::WrongVersion);
    if (bytes.size() < sizeof(Ehdr))
        return refused(ExecutableFault::HeaderCutShort);

    Ehdr header{};
    if (!bytes.read(0, &header, sizeof header))
        return unreadable();
    if (header.e_version != EV_CURRENT)
        return refused(ExecutableFault::WrongVersion);
    if (header.e_type != ET_EXEC && header.e_type != ET_DYN)
        return refused(ExecutableFault::WrongType);
    if (header.e_machine != kMachine)
        return refused(ExecutableFault::WrongMachine);
    if (ExecutableCheck result = checkProgramHeaders(bytes, header); !result.passed())
        return result;
    return checkSectionHeaders(bytes, header);
}

} // namespace

std::string ExecutableCheck::description() const
{
    switch (fault) {
    case ExecutableFault::None: return {};
    case ExecutableFault::Empty: return "the file is empty";
    case ExecutableFault::NotElf: return "the file does not start with the ELF magic";
    case ExecutableFault::HeaderCutShort: return "the file is cut short inside its ELF header";
    case ExecutableFault::WrongClass:
        return kClass == ELFCLASS64 ? "it is not a 64-bit program" : "it is not a 32-bit program";
    case ExecutableFault::WrongByteOrder: return "its byte order is not this computer's";
    case ExecutableFault::WrongVersion: return "its ELF version is not the current one";
    case ExecutableFault::WrongType: return "it is not an executable (its ELF type is neither ET_EXEC nor ET_DYN)";
    case ExecutableFault::WrongMachine: return "it is built for another processor";
    case ExecutableFault::NoProgramHeaders: return "it has no program headers";
    case ExecutableFault::BadProgramHeaderSize: return "its program header entries have the wrong size";
    case ExecutableFault::ProgramHeadersPastEnd:
        return "the file is cut short: its program header table lies past its end";
    case ExecutableFault::BadSectionHeaderSize: return "its section header entries have the wrong size";
    case ExecutableFault::SectionHeadersPastEnd:
        return "the file is cut short: its section header table lies past its end";
    case ExecutableFault::SegmentPastEnd: return "the file is cut short: a segment lies past its end";
    case ExecutableFault::Unreadable: return std::string("it cannot be read: ") + std::strerror(systemError);
    }
    return "it is not a program";
}

ExecutableCheck checkExecutable(const char* data, std::size_t size)
{
    return check(MemoryBytes(data, size));
}

ExecutableCheck checkExecutableFile(const char* path)
{
    const FileDescriptor file(::open(path, O_RDONLY | O_CLOEXEC));
    if (file.get() < 0)
        return unreadable();
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        return unreadable();
    if (!S_ISREG(status.st_mode)) {
        errno = EINVAL;
        return unreadable();
    }
    return check(FileBytes(file.get(), std::uint64_t(status.st_size)));
}

} // namespace updater
