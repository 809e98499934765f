#include "ui/printing/PageLayoutWindow.h"

#include "core/document/DisplayUnits.h"
#include "core/platform/Alerts.h"
#include "core/platform/FileManager.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/Panels.h"
#include "core/platform/UserDefaults.h"
#include "core/printing/InterspaceForm.h"
#include "core/printing/PageGeometry.h"
#include "ui/platform/KtObject.h"
#include "ui/printing/PageLayout.h"
#include "ui/printing/PrintLayout.h"
#include "ui_PageLayout.h"

#include <QCloseEvent>
#include <QPointer>
#include <QPrinter>
#include <QSignalBlocker>

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
    // The preferences may have changed the unit while the window was hidden.
    window->unitChanged();
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
    // The sheet starts with the interspace and cut marks last printed with.
    PrintLayout* preview = pageLayout()->printLayout();
    const UserDefaults& defaults = UserDefaults::standardUserDefaults();
    preview->setInterspace(PrintSheet::storedInterspace(defaults));
    preview->setCutMarks(PrintSheet::storedCutMarks(defaults));
    metric_ = DisplayUnits::metric(defaults);
    ui_->cutMarksBox->setChecked(preview->cutMarks());
    ui_->incrementalButton->setValue(4);
    numberFieldChanged();
    for (const QString& name : PageGeometry::paperNames()) {
        ui_->paperPopup->addItem(QString(), name);
    }
    connect(ui_->incrementalButton, &QSpinBox::valueChanged, this,
            &PageLayoutWindow::numberFieldChanged);
    connect(ui_->interspaceSlider, &QSlider::valueChanged, this, &PageLayoutWindow::setInterspace);
    connect(ui_->interspaceField, &QLineEdit::editingFinished, this,
            &PageLayoutWindow::interspaceEdited);
    NotificationCenter::defaultCenter().addObserver(this, DisplayUnits::kUnitChanged,
                                                    [this](const Notification&) { unitChanged(); });
    connect(ui_->cutMarksBox, &QCheckBox::toggled, this, &PageLayoutWindow::setCutMarks);
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
    pageLayout()->printLayout()->setInterspace(
        InterspaceForm::pointsForSteps(ui_->interspaceSlider->value(), metric_));
    showInterspace();
}

void PageLayoutWindow::interspaceEdited() {
    if (ui_->interspaceField->text() == shownInterspace_) {
        return;
    }
    if (const auto points = InterspaceForm::points(ui_->interspaceField->text(), metric_)) {
        pageLayout()->printLayout()->setInterspace(*points);
    }
    showInterspace();
}

void PageLayoutWindow::unitChanged() {
    metric_ = DisplayUnits::metric(UserDefaults::standardUserDefaults());
    showInterspace();
}

void PageLayoutWindow::showInterspace() {
    const float points = pageLayout()->printLayout()->interspace();
    shownInterspace_ = InterspaceForm::text(points, metric_);
    ui_->interspaceField->setText(shownInterspace_);
    {
        // Only placed: the slider's steps would round the space the preview has.
        const QSignalBlocker quiet(ui_->interspaceSlider);
        ui_->interspaceSlider->setMaximum(InterspaceForm::maximumSteps(metric_));
        ui_->interspaceSlider->setValue(InterspaceForm::steps(points, metric_));
    }
    ui_->interspaceUnit->setText(KtObject::localizedString(
        metric_ ? QStringLiteral("millimetresUnit") : QStringLiteral("inchesUnit")));
}

void PageLayoutWindow::setCutMarks() {
    pageLayout()->printLayout()->setCutMarks(ui_->cutMarksBox->isChecked());
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

void PageLayoutWindow::storePrintSettings() {
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    defaults.setFloat(pageLayout()->printLayout()->interspace(), PrintSheet::kInterspaceKey);
    defaults.setBool(pageLayout()->printLayout()->cutMarks(), PrintSheet::kCutMarksKey);
    defaults.synchronize();
}

bool PageLayoutWindow::print() {
    storePrintSettings();
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
    KtObject::localize(ui_->cutMarksBox, QStringLiteral("cutMarksBox"));
    for (int i = 0; i < ui_->paperPopup->count(); ++i) {
        const QString name = ui_->paperPopup->itemData(i).toString();
        if (!name.isEmpty()) {
            KtObject::localize(ui_->paperPopup, i, QStringLiteral("paper_") + name);
        }
    }
    showInterspace();
}

void PageLayoutWindow::closeEvent(QCloseEvent* event) {
    // The documents drop their renderings; the window itself stays for the next print.
    pageLayout()->printLayout()->clearFotinos();
    event->accept();
}
