// Sorrel's FTP: the main window over the program's own folder.
#include <QApplication>
#include <QDir>
#include <QIcon>

#include "ftp/cftp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Sorrel's FTP"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/sorxfer/sorxfer.svg")));
    const QString appDir =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator();
    sorxfer::TForm1 form(appDir);
    form.show();
    return QApplication::exec();
}
