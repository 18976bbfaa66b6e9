// The Wrenfold HTML Editor: the main window over the program's own folder.
#include "editor/cwrenfold.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Wrenfold HTML Editor");
    const QString appDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) +
                           QDir::separator();
    wrenfold::TForm1 form(appDir, QApplication::arguments().mid(1));
    form.showMaximized();
    return QApplication::exec();
}
