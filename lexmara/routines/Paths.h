#pragma once
// Path and system routines: trailing backslashes, the configured Windows and system
// folders, new temporary files and the file-exists test.
#include <string>
#include <string_view>

namespace lexmara {

// The environment variables that name the folders GetWinDir and GetSysDir report;
// unset or empty, the member gives the empty text.
inline constexpr const char* kWindowsFolderVariable = "LEXMARA_WINDOWS_FOLDER";
inline constexpr const char* kSystemFolderVariable = "LEXMARA_SYSTEM_FOLDER";

// "\" appended unless the text is empty or already ends with one.
std::string addBackSlash(std::string_view path);
// One trailing "\" removed ('a\\' gives 'a\').
std::string_view deBackSlash(std::string_view path);

// The value of the environment variable `name`, "" when it is unset.
std::string configuredFolder(const char* name);

// Creates a new, empty file with a unique name in the temporary folder (TMPDIR, else
// /tmp) and gives its full path; the name begins with the first three characters of
// `prefix`. The file is created in the same step that picks the name, readable by the
// user only. "" when it cannot be created, or when the prefix holds "/" or NUL, which
// would lead the name out of the folder.
std::string createTemporaryFile(std::string_view prefix);

// True when an ordinary, visible file matches `pattern`: a path whose last part may
// hold the wildcards "*" (any run of characters) and "?" (any one character). Folders
// and hidden files (names beginning with ".") are not found; a missing folder finds
// nothing. Any other failure to look (a folder that cannot be read) raises error 75.
bool fileExists(std::string_view pattern);

} // namespace lexmara
