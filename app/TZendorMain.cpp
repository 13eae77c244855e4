#include "app/TZendorMain.h"

TZendorMain::TZendorMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("ZendorMain"));
    setWindowTitle(QStringLiteral("Quorvane"));
    resize(610, 450);
}
