// SPDX-License-Identifier: MIT
// Opens the folder browse dialog in a real window, for the screenshot test to operate with the
// mouse. Usage: browse-folder-window FOLDER HELPCONTEXT COORDSFILE
// Once the dialog shows, the screen centres of the tree item "beta", of OK and of the help
// button are written to COORDSFILE; at the end the program prints "chosen PATH" or
// "cancelled", and "help N" for each help request.
#include "platform/qt/QtHost.h"
#include "platform/vcl/forms/Application.h"
#include "support/FileUtil.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

QPoint CentreOf(const QWidget* widget, const QRect& rect)
{
    return widget->mapToGlobal(rect.center());
}

void WriteCoordinates(const char* fileName)
{
    std::ofstream coordinates(fileName);
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* tree = dynamic_cast<QTreeWidget*>(widget)) {
            const auto found = tree->findItems(QStringLiteral("beta"), Qt::MatchExactly | Qt::MatchRecursive);
            if (!found.isEmpty()) {
                const QPoint centre = CentreOf(tree->viewport(), tree->visualItemRect(found.first()));
                coordinates << "beta " << centre.x() << ' ' << centre.y() << '\n';
            }
        }
        if (auto* button = dynamic_cast<QPushButton*>(widget); button && button->isVisible()) {
            const QPoint centre = CentreOf(button, button->rect());
            const char* name = button->text() == QStringLiteral("OK") ? "ok"
                : button->text() == QStringLiteral("&Help")           ? "help"
                                                                      : nullptr;
            if (name)
                coordinates << name << ' ' << centre.x() << ' ' << centre.y() << '\n';
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: browse-folder-window FOLDER HELPCONTEXT COORDSFILE\n");
        return 2;
    }
    QtHostSession host(argc, argv);
    Application->Initialize();
    Application->OnHelp = [](WORD, std::intptr_t data, bool&) {
        std::printf("help %ld\n", long(data));
        std::fflush(stdout);
        return true;
    };
    const char* coordinatesFile = argv[3];
    TBrowseFolderDlg dialog(nullptr);
    dialog.SetFolderName(argv[1]);
    dialog.SetHelpContext(std::atoi(argv[2]));
    dialog.SetDialogText("Choose the folder to write the tiles to:");
    dialog.OnInitialized = [&](TObject*) {
        // Once the window is on the screen and laid out.
        QTimer::singleShot(500, [coordinatesFile] { WriteCoordinates(coordinatesFile); });
    };
    if (dialog.Execute())
        std::printf("chosen %s\n", dialog.FolderName().c_str());
    else
        std::printf("cancelled\n");
    std::fflush(stdout);
    Application->DestroyComponents();
    return 0;
}
