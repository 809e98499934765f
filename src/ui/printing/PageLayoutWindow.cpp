#include "ui/printing/PageLayoutWindow.h"

#include "core/platform/Alerts.h"
#include "core/platform/FileManager.h"
#include "core/platform/Panels.h"
#include "core/platform/UserDefaults.h"
#include "core/printing/PageGeometry.h"
#include "ui/platform/KtObject.h"
#include "ui/printing/PageLayout.h"
#include "ui/printing/PrintLayout.h"
#include "ui_PageLayout.h"

#include <QCloseEvent>
#include <QPointer>
#include <QPrinter>

namespace {
QPointer<PageLayoutWindow>& instance() {
    static QPointer<PageLayoutWindow> window;
    return window;
}
} // namespace

PageLayoutWindow* PageLayoutWindow::layoutWindow() {
    if (!instance()) {
        instance() = new PageLayoutWindow();
    }
    PageLayoutWindow* window = instance();
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

PageLayoutWindow::PageLayoutWindow()
    : ui_(std::make_unique<Ui::PageLayout>()) {
    ui_->setupUi(this);
    awakeFromNib();
}

PageLayoutWindow::~PageLayoutWindow() = default;

PageLayout* PageLayoutWindow::pageLayout() const {
    return ui_->pageLayout;
}

void PageLayoutWindow::awakeFromNib() {
    // The sheet starts with the interspace last printed with.
    PrintLayout* preview = pageLayout()->printLayout();
    preview->setInterspace(PrintSheet::storedInterspace(UserDefaults::standardUserDefaults()));
    ui_->interspaceSlider->setValue(static_cast<int>(preview->interspace()));
    ui_->incrementalButton->setValue(4);
    numberFieldChanged();
    for (const QString& name : PageGeometry::paperNames()) {
        ui_->paperPopup->addItem(QString(), name);
    }
    connect(ui_->incrementalButton, &QSpinBox::valueChanged, this,
            &PageLayoutWindow::numberFieldChanged);
    connect(ui_->interspaceSlider, &QSlider::valueChanged, this, &PageLayoutWindow::setInterspace);
    connect(ui_->pageSetupButton, &QPushButton::clicked, this, &PageLayoutWindow::pageSetup);
    connect(ui_->printButton, &QPushButton::clicked, this, &PageLayoutWindow::print);
    connect(ui_->paperPopup, &QComboBox::activated, this, &PageLayoutWindow::paperSelected);
    localizePanel();
    showPaper();
}

void PageLayoutWindow::numberFieldChanged() {
    pageLayout()->printLayout()->setCount(ui_->incrementalButton->value());
}

void PageLayoutWindow::setInterspace() {
    pageLayout()->printLayout()->setInterspace(static_cast<float>(ui_->interspaceSlider->value()));
    ui_->interspaceValue->setText(KtObject::localizedString(QStringLiteral("interspaceValue"))
                                      .arg(ui_->interspaceSlider->value()));
}

void PageLayoutWindow::pageSetup() {
    auto settings = pageLayout()->infos();
    if (!Panels::runPageSetup(settings.get())) {
        return;
    }
    pageLayout()->calcPageRect(settings, pageLayout()->printLayout());
    showPaper();
}

void PageLayoutWindow::paperSelected(int index) {
    const auto paper = PageGeometry::paperNamed(ui_->paperPopup->itemData(index).toString());
    if (!paper) {
        return;
    }
    auto settings = pageLayout()->infos();
    settings->setPageSize(*paper);
    settings->setPageOrientation(QPageLayout::Portrait);
    pageLayout()->calcPageRect(settings, pageLayout()->printLayout());
}

// Selects the known paper the settings use, or shows the settings' own paper.
void PageLayoutWindow::showPaper() {
    const QPageSize current = pageLayout()->infos()->pageLayout().pageSize();
    for (int i = 0; i < ui_->paperPopup->count(); ++i) {
        const auto paper = PageGeometry::paperNamed(ui_->paperPopup->itemData(i).toString());
        if (paper &&
            paper->size(QPageSize::Point).toSize() == current.size(QPageSize::Point).toSize()) {
            ui_->paperPopup->setCurrentIndex(i);
            return;
        }
    }
    const int other = ui_->paperPopup->findData(QString());
    if (other >= 0) {
        ui_->paperPopup->setItemText(other, current.name());
        ui_->paperPopup->setCurrentIndex(other);
    } else {
        ui_->paperPopup->addItem(current.name(), QString());
        ui_->paperPopup->setCurrentIndex(ui_->paperPopup->count() - 1);
    }
}

void PageLayoutWindow::storeInterspace() {
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    defaults.setFloat(pageLayout()->printLayout()->interspace(), PrintSheet::kInterspaceKey);
    defaults.synchronize();
}

bool PageLayoutWindow::print() {
    storeInterspace();
    const std::shared_ptr<QPrinter> settings = pageLayout()->infos();
    if (!Panels::runPrintDialog(settings.get())) {
        return false;
    }
    // The dialog may have changed the paper, its orientation or the printer: the sheet is
    // laid out on the paper actually used, and the preview shows it.
    pageLayout()->calcPageRect(settings, pageLayout()->printLayout());
    showPaper();
    if (PageLayout::printSheet(pageLayout()->printerLayout(), *settings)) {
        return true;
    }
    if (settings->outputFormat() == QPrinter::PdfFormat &&
        FileManager::lastWriteError() == FileManager::WriteError::DiskFull) {
        Alerts::alert(QStringLiteral("printDiskFull"),
                      FileManager::lastPathComponent(settings->outputFileName()));
    }
    return false;
}

void PageLayoutWindow::localizePanel() {
    KtObject::localize(static_cast<QWidget*>(this), QStringLiteral("pageLayoutWindow"));
    KtObject::localize(ui_->numberLabel, QStringLiteral("numberOfImagesLabel"));
    KtObject::localize(ui_->printButton, QStringLiteral("printButton"));
    KtObject::localize(ui_->pageSetupButton, QStringLiteral("pageSetupButton"));
    KtObject::localize(ui_->paperLabel, QStringLiteral("paperLabel"));
    KtObject::localize(ui_->interspaceLabel, QStringLiteral("interspaceLabel"));
    for (int i = 0; i < ui_->paperPopup->count(); ++i) {
        const QString name = ui_->paperPopup->itemData(i).toString();
        if (!name.isEmpty()) {
            KtObject::localize(ui_->paperPopup, i, QStringLiteral("paper_") + name);
        }
    }
    setInterspace();
}

void PageLayoutWindow::closeEvent(QCloseEvent* event) {
    // The documents drop their renderings; the window itself stays for the next print.
    pageLayout()->printLayout()->clearFotinos();
    event->accept();
}
