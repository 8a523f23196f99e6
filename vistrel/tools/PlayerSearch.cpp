#include "tools/PlayerSearch.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kStepBudgetMs = 20;
// The pause between two steps, which lets waiting events in before the walk goes on.
constexpr int kStepPauseMs = 1;

// One folder opened for listing. Opening without following a link makes sure that a
// folder which was swapped for a link after it was listed is not entered.
class FolderReader {
public:
    FolderReader(const QByteArray& path, bool followLink)
    {
        if (path.contains('\0'))
            return;
        const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW));
        if (fd < 0)
            return;
        if (::fstat(fd, &status_) == 0)
            dir_ = ::fdopendir(fd);
        if (!dir_)
            ::close(fd);
    }
    ~FolderReader()
    {
        if (dir_)
            ::closedir(dir_);
    }
    FolderReader(const FolderReader&) = delete;
    FolderReader& operator=(const FolderReader&) = delete;

    bool isOpen() const { return dir_ != nullptr; }
    const struct stat& status() const { return status_; }
    int fd() const { return ::dirfd(dir_); }
    // The next entry, "." and ".." left out; nullptr at the end or on a read error.
    const dirent* next()
    {
        const dirent* entry = ::readdir(dir_);
        while (entry && (qstrcmp(entry->d_name, ".") == 0 || qstrcmp(entry->d_name, "..") == 0))
            entry = ::readdir(dir_);
        return entry;
    }

private:
    DIR* dir_ = nullptr;
    struct stat status_ {};
};

enum class EntryKind { File, Folder, Other };

EntryKind kindOf(int folderFd, const dirent& entry)
{
    unsigned char type = entry.d_type;
    struct stat status {};
    if (type == DT_UNKNOWN) {
        if (::fstatat(folderFd, entry.d_name, &status, AT_SYMLINK_NOFOLLOW) != 0)
            return EntryKind::Other;
        type = IFTODT(status.st_mode);
    }
    if (type == DT_DIR)
        return EntryKind::Folder;
    if (type == DT_REG)
        return EntryKind::File;
    // A link to a file counts as that file; a link to a folder is neither file nor folder.
    if (type == DT_LNK && ::fstatat(folderFd, entry.d_name, &status, 0) == 0 && S_ISREG(status.st_mode))
        return EntryKind::File;
    return EntryKind::Other;
}

bool nameMatches(const QString& name, const PlayerSearchCriteria& criteria)
{
    if (criteria.fileName == QLatin1String("*.*"))
        return true;
    if (criteria.exactMatch)
        return name.compare(criteria.fileName, Qt::CaseInsensitive) == 0;
    return name.contains(criteria.fileName, Qt::CaseInsensitive);
}

// Whether the file was last changed on the day or later, in local time; a file whose
// date cannot be read is not.
bool changedSince(int folderFd, const QByteArray& name, const QDate& day)
{
    struct stat status {};
    if (::fstatat(folderFd, name.constData(), &status, 0) != 0)
        return false;
    return QDateTime::fromSecsSinceEpoch(status.st_mtime).date() >= day;
}

QByteArray childPath(const QByteArray& folder, const QByteArray& name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

} // namespace

PlayerSearch::PlayerSearch(QObject* parent) : QObject(parent), stepBudgetMs_(kStepBudgetMs)
{
    stepTimer_.setSingleShot(true);
    stepTimer_.setInterval(kStepPauseMs);
    connect(&stepTimer_, &QTimer::timeout, this, &PlayerSearch::step);
}

bool PlayerSearch::start(const QString& startFolder, const PlayerSearchCriteria& criteria)
{
    cancel();
    if (criteria.fileName.isEmpty())
        return false;
    const QByteArray path = QFile::encodeName(startFolder);
    const FolderReader folder(path, true);
    if (!folder.isOpen())
        return false;
    criteria_ = criteria;
    device_ = folder.status().st_dev;
    enclosingFolders_.clear();
    fileCounter_ = 1;
    foundCount_ = 0;
    pending_ = {{path, 0}};
    running_ = true;
    stepTimer_.start();
    return true;
}

void PlayerSearch::setCriteria(const PlayerSearchCriteria& criteria)
{
    criteria_ = criteria;
}

void PlayerSearch::cancel()
{
    ++run_;
    running_ = false;
    stepTimer_.stop();
    pending_.clear();
}

void PlayerSearch::step()
{
    const quint64 run = run_;
    QElapsedTimer clock;
    clock.start();
    do {
        const PendingFolder folder = std::move(pending_.back());
        pending_.pop_back();
        if (folder.depth > 0)
            emit searchingFolder(QFile::decodeName(folder.path));
        if (run_ != run)
            return;
        searchFolder(folder);
        if (run_ != run)
            return;
    } while (!pending_.empty() && clock.elapsed() < stepBudgetMs_);

    if (!pending_.empty()) {
        stepTimer_.start();
        return;
    }
    running_ = false;
    emit finished(foundCount_);
}

void PlayerSearch::searchFolder(const PendingFolder& folder)
{
    FolderReader reader(folder.path, folder.depth == 0);
    if (!reader.isOpen())
        return; // unreadable, or no longer there: passed over
    if (reader.status().st_dev != device_)
        return; // another file system is mounted here
    enclosingFolders_.resize(folder.depth);
    const quint64 identity = reader.status().st_ino;
    if (std::find(enclosingFolders_.begin(), enclosingFolders_.end(), identity) != enclosingFolders_.end())
        return;
    enclosingFolders_.push_back(identity);

    const quint64 run = run_;
    std::vector<QByteArray> subfolders;
    bool examining = true;
    while (const dirent* entry = reader.next()) {
        const QByteArray name(entry->d_name);
        switch (kindOf(reader.fd(), *entry)) {
        case EntryKind::Folder: subfolders.push_back(childPath(folder.path, name)); break;
        case EntryKind::File:
            if (examining) {
                examining = examineFile(reader.fd(), folder.path, name);
                if (run_ != run)
                    return;
            }
            break;
        case EntryKind::Other: break;
        }
    }
    // Pushed last to first, so the first subfolder listed is searched next.
    for (auto subfolder = subfolders.rbegin(); subfolder != subfolders.rend(); ++subfolder)
        pending_.push_back({std::move(*subfolder), folder.depth + 1});
}

bool PlayerSearch::examineFile(int folderFd, const QByteArray& folderPath, const QByteArray& name)
{
    const PlayerSearchCriteria criteria = criteria_; // a slot may change them while this runs
    const bool matches = nameMatches(QFile::decodeName(name), criteria);
    const bool listed = matches && (!criteria.changedSince || changedSince(folderFd, name, *criteria.changedSince));
    const QString key = QStringLiteral("key|") + QString::number(fileCounter_);
    ++fileCounter_;
    if (listed) {
        ++foundCount_;
        emit fileFound({key, QFile::decodeName(name), QFile::decodeName(folderPath),
                        QFile::decodeName(childPath(folderPath, name))});
    }
    return !(matches && criteria.exactMatch && !criteria.changedSince);
}
