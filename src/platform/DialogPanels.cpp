#include "platform/DialogPanels.h"

#include "platform/Panels.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {
int showAlert(const PanelRequest& request) {
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(QMessageBox::Warning);
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
} // namespace

void DialogPanels::install() {
    Panels::setProvider([](const PanelRequest& request) {
        switch (request.kind) {
        case PanelRequest::Kind::Beep:
            QApplication::beep();
            return 0;
        case PanelRequest::Kind::PageSetup: {
            QPageSetupDialog dialog(static_cast<QPrinter*>(request.printer),
                                    QApplication::activeWindow());
            return dialog.exec() == QDialog::Accepted ? 0 : -1;
        }
        case PanelRequest::Kind::Print: {
            QPrintDialog dialog(static_cast<QPrinter*>(request.printer),
                                QApplication::activeWindow());
            return dialog.exec() == QDialog::Accepted ? 0 : -1;
        }
        case PanelRequest::Kind::Alert:
            break;
        }
        return showAlert(request);
    });
}
