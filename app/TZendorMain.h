#pragma once

#include <QMainWindow>

// The main window: wires the subsystems together. The behaviour of each subsystem lives
// in its own classes; this window only owns them and routes commands.
class TZendorMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TZendorMain(QWidget* parent = nullptr);
};
