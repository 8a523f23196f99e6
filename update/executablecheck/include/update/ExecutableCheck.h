#pragma once
// Whether a file is a whole executable for the computer this code is built for: an
// ELF header of this build's class, byte order, machine and ELF version, of type
// ET_EXEC or ET_DYN, with its program header table, its section header table and
// every segment's bytes inside the file.
//
// The updater runs this check before it installs a download and the program's update
// check before it hands a download over, so a file that only starts like a program
// (the ELF magic followed by anything, or an executable cut short) is never
// installed. The check reads headers only; it does not run or load the file.
#include <cstddef>
#include <string>

namespace updater {

enum class ExecutableFault {
    None,
    Empty,
    NotElf,         // does not start with the ELF magic
    HeaderCutShort, // ends inside the ELF header
    WrongClass,     // 32-bit where this build is 64-bit, or the other way round
    WrongByteOrder,
    WrongVersion,
    WrongType, // neither ET_EXEC nor ET_DYN
    WrongMachine,
    NoProgramHeaders,
    BadProgramHeaderSize,
    ProgramHeadersPastEnd,
    BadSectionHeaderSize,
    SectionHeadersPastEnd,
    SegmentPastEnd,
    Unreadable, // the file could not be opened or read
};

struct ExecutableCheck {
    ExecutableFault fault = ExecutableFault::None;
    int systemError = 0; // the errno of an Unreadable file

    bool passed() const { return fault == ExecutableFault::None; }
    // What is wrong, in words that follow "is not a whole program for this computer: ";
    // empty when the check passed.
    std::string description() const;
};

// Checks size bytes at data.
ExecutableCheck checkExecutable(const char* data, std::size_t size);
// Checks the file at path (in the file system's encoding) as it is on disk now.
ExecutableCheck checkExecutableFile(const char* path);

} // namespace updater
