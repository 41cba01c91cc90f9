// SPDX-License-Identifier: MIT
// The modal parts of the host: file, directory and message dialogs and popup menus.
#include "platform/qt/QtHostBackend.h"
#include "platform/qt/QtScreenFit.h"
#include "platform/qt/QtStrings.h"

#include "platform/rtl/FileNames.h"
#include "platform/rtl/ScopeExit.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace {

// "Bitmaps (*.bmp)|*.bmp|All|*.*" as Qt's name filters: "Bitmaps (*.bmp) (*.bmp)", ...
QStringList NameFilters(const AnsiString& filter)
{
    QStringList filters;
    const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
    for (qsizetype index = 0; index + 1 < parts.size(); index += 2) {
        QString patterns = parts[index + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the last parentheses; a description that shows them
        // already ("Bitmaps (*.bmp)") is taken as it is.
        const QString& description = parts[index];
        if (description.endsWith(QStringLiteral("(") + patterns + QLatin1Char(')')))
            filters.append(description);
        else
            filters.append(description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters;
}

// "png" of "PNG pictures (*.png)": the extension of a filter's first pattern, or empty when
// that pattern takes any extension.
QString FilterSuffix(const QString& nameFilter)
{
    const qsizetype open = nameFilter.lastIndexOf(QLatin1Char('('));
    if (open < 0 || !nameFilter.endsWith(QLatin1Char(')')))
        return {};
    const QStringList patterns
        = nameFilter.mid(open + 1, nameFilter.size() - open - 2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (patterns.isEmpty() || !patterns.first().startsWith(QStringLiteral("*.")))
        return {};
    const QString suffix = patterns.first().mid(2);
    return suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?')) ? QString() : suffix;
}

QMessageBox::Icon IconFor(UINT type)
{
    switch (type & 0xF0) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

template <class Run> auto QtHost::RunModal(Run run)
{
    // Our windows keep painting, and timers keep ticking, while Qt runs the dialog's loop.
    QTimer pump;
    pump.setInterval(15);
    QObject::connect(&pump, &QTimer::timeout, &pump, [this] { PumpQueue(); });
    pump.start();
    // The keyboard goes back to the window the dialog was for, also where no window manager
    // hands it back.
    const QPointer<QWidget> owner = DialogParent();
    const ScopeExit giveBack([&owner] {
        if (owner && owner->isVisible())
            owner->activateWindow();
    });
    return run();
}

bool QtHost::FileDialog(const FileDialogRequest& request, AnsiString& chosenFile)
{
    QFileDialog dialog(DialogParent(), ToQString(request.title));
    // Options first: switching to Qt's own dialog builds it anew and forgets the directory.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!request.initialDir.empty())
        dialog.setDirectory(ToQString(HostPath(request.initialDir)));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(
        request.save || !request.fileMustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.overwritePrompt)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = NameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(std::max(0, request.filterIndex - 1), filters.first()));
    }
    // A name typed without an extension takes the chosen filter's, or else the default one.
    const auto suffixFor = [&request](const QString& nameFilter) {
        const QString suffix = FilterSuffix(nameFilter);
        return suffix.isEmpty() ? ToQString(request.defaultExt) : suffix;
    };
    dialog.setDefaultSuffix(suffixFor(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, &suffixFor](const QString& nameFilter) { dialog.setDefaultSuffix(suffixFor(nameFilter)); });
    if (!request.fileName.empty())
        dialog.selectFile(ToQString(HostPath(request.fileName)));
    FitDialog(dialog);
    if (RunModal([&] { return dialog.exec(); }) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    QString chosen = dialog.selectedFiles().first();
    // The same however the dialog ended.
    if (request.save && QFileInfo(chosen).suffix().isEmpty()) {
        const QString suffix = suffixFor(dialog.selectedNameFilter());
        if (!suffix.isEmpty())
            chosen += QLatin1Char('.') + suffix;
    }
    chosenFile = FromQString(chosen);
    return true;
}

bool QtHost::DirectoryDialog(const AnsiString& title, const AnsiString& initialDir, AnsiString& chosenDir)
{
    QFileDialog dialog(DialogParent(), ToQString(title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!initialDir.empty())
        dialog.setDirectory(ToQString(HostPath(initialDir)));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    FitDialog(dialog);
    if (RunModal([&] { return dialog.exec(); }) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    chosenDir = FromQString(dialog.selectedFiles().first());
    return true;
}

int QtHost::MessageBox(const AnsiString& text, const AnsiString& caption, UINT type)
{
    QMessageBox box(
        IconFor(type), ToQString(caption), ToQString(text), QMessageBox::NoButton, DialogParent());
    switch (type & 0xF) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    FitMessageBox(box);
    const int answer = RunModal([&] { return box.exec(); });
    switch (answer) {
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDOK;
    }
}

int QtHost::TrackPopupMenu(const std::vector<PopupMenuItem>& items, TPoint screenPoint, PopupAlignment alignment)
{
    QMenu menu;
    std::vector<QAction*> actions;
    for (const PopupMenuItem& item : items) {
        if (item.caption == "-") {
            actions.push_back(menu.addSeparator());
            continue;
        }
        QAction* action = menu.addAction(ToQString(item.caption));
        action->setEnabled(item.enabled);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        actions.push_back(action);
    }
    // Qt opens a menu with its top-left corner at the point; the other alignments move it left.
    QPoint origin(screenPoint.x, screenPoint.y);
    const int width = menu.sizeHint().width();
    switch (alignment) {
    case PopupAlignment::Left:
        break;
    case PopupAlignment::Right:
        origin.rx() -= width;
        break;
    case PopupAlignment::Center:
        origin.rx() -= width / 2;
        break;
    }
    QAction* chosen = RunModal([&] { return menu.exec(origin); });
    for (std::size_t index = 0; index < actions.size(); ++index)
        if (chosen && actions[index] == chosen)
            return int(index);
    return -1;
}
