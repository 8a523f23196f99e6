#pragma once
// The search of a file system for a player program, by file name. It walks a start
// folder in pre-order: a folder's own files first, in listing order, then each
// subfolder completely before the next. It never follows a symbolic link to a folder,
// stays on the start folder's file system and passes over folders it cannot read.
//
// The walk runs in steps from the event loop, so the window that shows it stays
// responsive; between searches it uses no time at all. Each listed file arrives
// through fileFound, in walk order, and the end of a complete walk through finished.
#include <QDate>
#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>
#include <vector>

struct PlayerSearchCriteria {
    // The file name looked for. "*.*" matches every file; no other wildcard exists.
    QString fileName;
    // Exact: the whole name equals fileName, letter case aside; the first such file
    // ends the examination of its folder unless the date filter is on. Otherwise
    // fileName occurs anywhere in the name, letter case aside.
    bool exactMatch = true;
    // With a date, only files last changed on that calendar day or later are listed.
    std::optional<QDate> changedSince;
};

struct FoundPlayerFile {
    QString key;    // "key|" and the number of the file among the files examined so far
    QString name;   // the file's name as the file system stores it
    QString folder; // the full path of the folder that holds it
    QString path;   // folder and name with one "/" between them
};

class PlayerSearch : public QObject {
    Q_OBJECT
public:
    explicit PlayerSearch(QObject* parent = nullptr);

    // Stops any running search and starts one below startFolder (a link there is
    // followed: the user named it). False, and no signal, when the file name is
    // empty or the folder cannot be opened.
    bool start(const QString& startFolder, const PlayerSearchCriteria& criteria);

    // Replaces the criteria of the running search from its next file on.
    void setCriteria(const PlayerSearchCriteria& criteria);

    // Stops the running search at once: no signal follows, also when called from a
    // slot of fileFound or searchingFolder. The files found so far stay found.
    void cancel();

    bool isRunning() const { return running_; }

    // How long one step may walk before the event loop gets its turn again; every
    // step searches at least one folder.
    void setStepBudgetMs(int ms) { stepBudgetMs_ = ms; }

signals:
    // The walk enters a subfolder of the start folder.
    void searchingFolder(const QString& path);
    void fileFound(const FoundPlayerFile& file);
    // The walk went through every folder; foundCount files were listed.
    void finished(int foundCount);

private:
    struct PendingFolder {
        QByteArray path;
        int depth = 0; // 0 for the start folder
    };

    void step();
    void searchFolder(const PendingFolder& folder);
    // Examines one file; false when it ends the examination of its folder.
    bool examineFile(int folderFd, const QByteArray& folderPath, const QByteArray& name);

    PlayerSearchCriteria criteria_;
    std::vector<PendingFolder> pending_; // a stack: the next folder to search is last
    // The identities of the folders from the start folder down to the current one,
    // so a folder mounted inside itself is not walked again and again.
    std::vector<quint64> enclosingFolders_;
    quint64 device_ = 0;     // the start folder's file system
    qint32 fileCounter_ = 1; // 1 and the number of files examined so far
    int foundCount_ = 0;
    bool running_ = false;
    quint64 run_ = 0; // changes with every start and stop
    int stepBudgetMs_;
    QTimer stepTimer_;
};
