#pragma once
// An X server of the test's own: Xvfb on a free display number (it picks the number
// itself and reports it, so tests running side by side never meet), stopped when the
// object goes. It does not listen on TCP and does not reset when its last client
// leaves, so properties a test puts on the root window stay.
#include <QByteArray>
#include <QProcess>
#include <QString>

class VirtualDisplay {
public:
    // Starts the server and waits until it accepts clients.
    VirtualDisplay();
    ~VirtualDisplay();

    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    bool isRunning() const { return !name_.isEmpty(); }
    // Why it is not running: Xvfb missing, or what went wrong.
    const QString& failure() const { return failure_; }
    // The display's name for DISPLAY (":3"); empty when it is not running.
    const QByteArray& name() const { return name_; }

    // Stops the server; clients connected to it lose their connection. The display's
    // number stays taken until the object goes (its lock file names this process), so
    // another test's server started meanwhile cannot answer at the stopped display.
    void stop();

private:
    // Ends the server, if it runs; true when it did.
    bool endServer();
    void holdDisplayNumber(const QByteArray& number);

    QProcess server_;
    QByteArray name_;
    QString failure_;
    QString heldLock_; // the lock file written by holdDisplayNumber, if any
};
