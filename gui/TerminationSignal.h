// Ending the window cleanly on SIGTERM, SIGINT and SIGHUP: a session that
// logs out, a lab image shutting down, Ctrl-C in the terminal that started
// it. Without this the process would die on the spot and the workspace
// (config.xml, projectlist.txt) would not be written.
//
// The handler only writes a byte to a pipe; on the GUI thread a notifier
// reads it and closes every window, as if the user had closed them, so the
// main window waits for a running job and writes the workspace as usual.
#pragma once

#include <QObject>

class QSocketNotifier;

class CTerminationSignal : public QObject {
    Q_OBJECT
public:
    // Catches the three signals from now on. Call once, first thing in
    // main: a signal that comes before the application object exists is
    // acted on once its event loop runs.
    static void Catch();
    // Starts listening on the GUI thread (after the application object is
    // made); the object belongs to parent.
    static void Listen(QObject* parent);

private:
    explicit CTerminationSignal(QObject* parent);
    void OnSignal();

    QSocketNotifier* m_notifier;
};
