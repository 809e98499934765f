#include "ui/platform/DialogPanels.h"

#include "core/platform/Panels.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>

namespace {
int showAlert(const PanelRequest& request) {
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(request.informational ? QMessageBox::Information : QMessageBox::Warning);
    box.setWindowTitle(request.title.isEmpty() ? QApplication::applicationDisplayName()
                                               : request.title);
    box.setText(request.title.isEmpty()
                    ? request.message
                    : QStringLiteral("<b>%1</b>").arg(request.title.toHtmlEscaped()));
    if (!request.title.isEmpty()) {
        box.setInformativeText(request.message);
    } else if (!request.informativeText.isEmpty()) {
        box.setInformativeText(request.informativeText);
    }
    if (!request.detailedText.isEmpty()) {
        box.setDetailedText(request.detailedText);
    }
    QList<QAbstractButton*> buttons;
    for (int i = 0; i < request.buttons.size(); ++i) {
        const auto role = i == 0 ? QMessageBox::AcceptRole : QMessageBox::RejectRole;
        QAbstractButton* button = box.addButton(request.buttons.at(i), role);
        buttons.append(button);
        if (i == 0) {
            box.setDefaultButton(qobject_cast<QPushButton*>(button));
        }
    }
    if (buttons.size() > 1) {
        box.setEscapeButton(buttons.at(1));
    }
    box.exec();
    return static_cast<int>(buttons.indexOf(box.clickedButton()));
}

// Qt's own dialog, since a native one cannot show the accessory view below the file list.
int showSavePanel(const PanelRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDirectory(request.directory);
    // Room for the folder list above the options, and for the names of the places beside it.
    dialog.resize(dialog.sizeHint().expandedTo(QSize(780, 560)));
    if (auto* places = dialog.findChild<QListView*>(QStringLiteral("sidebar"))) {
        places->setMinimumWidth(places->sizeHintForColumn(0) + 2 * places->frameWidth() +
                                places->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    }
    if (auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        // Size and type whole, the date in the rest.
        QHeaderView* header = files->header();
        for (int column = 1; column + 1 < header->count(); ++column) {
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
        }
        header->setStretchLastSection(true);
    }
    if (!request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
        // Selected, so that the user either confirms the name or types over it.
        if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            name->selectAll();
        }
    }
    QWidget* accessory = request.accessory;
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (accessory && grid) {
        grid->addWidget(accessory, grid->rowCount(), 0, 1, grid->columnCount());
        accessory->show();
    }
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    if (accessory && grid) {
        // The view outlives the dialog and is shown again next time.
        grid->removeWidget(accessory);
        accessory->hide();
        accessory->setParent(nullptr);
    }
    if (!accepted) {
        return -1;
    }
    if (request.chosenPath) {
        *request.chosenPath = dialog.selectedFiles().constFirst();
    }
    return 0;
}
int showOpenPanel(const PanelRequest& request) {
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.directory);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multipleSelection ? QFileDialog::ExistingFiles
                                                 : QFileDialog::ExistingFile);
    if (!request.nameFilters.isEmpty()) {
        dialog.setNameFilters(request.nameFilters);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return -1;
    }
    if (request.chosenPaths) {
        *request.chosenPaths = dialog.selectedFiles();
    }
    if (request.chosenPath) {
        *request.chosenPath = dialog.selectedFiles().constFirst();
    }
    return 0;
}
} // namespace

void DialogPanels::install() {
    Panels::setProvider([](const PanelRequest& request) {
        switch (request.kind) {
        case PanelRequest::Kind::Beep:
            QApplication::beep();
            return 0;
        case PanelRequest::Kind::PageSetup: {
            QPageSetupDialog dialog(request.printer, QApplication::activeWindow());
            return dialog.exec() == QDialog::Accepted ? 0 : -1;
        }
        case PanelRequest::Kind::Print: {
            QPrintDialog dialog(request.printer, QApplication::activeWindow());
            return dialog.exec() == QDialog::Accepted ? 0 : -1;
        }
        case PanelRequest::Kind::Save:
            return showSavePanel(request);
        case PanelRequest::Kind::Open:
            return showOpenPanel(request);
        case PanelRequest::Kind::Alert:
            break;
        }
        return showAlert(request);
    });
}
