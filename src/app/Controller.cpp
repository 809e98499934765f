#include "app/Controller.h"

#include "app/About.h"
#include "app/BatchImport.h"
#include "app/BatchImportWindow.h"
#include "app/PictureListModel.h"
#include "app/PreferenceWindow.h"
#include "app/VersionChecker.h"
#include "core/capture/CaptureFile.h"
#include "core/document/DisplayUnits.h"
#include "core/document/DocumentExport.h"
#include "core/document/DocumentLibrary.h"
#include "core/document/DocumentStorage.h"
#include "core/platform/Alerts.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/FileManager.h"
#include "core/platform/Log.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/Panels.h"
#include "core/platform/UserDefaults.h"
#include "ui/capture/IG_Controller.h"
#include "ui/editor/PictureSettingsWindow.h"
#include "ui/export/ImageOptions.h"
#include "ui/platform/KtObject.h"
#include "ui/printing/PageLayout.h"
#include "ui/printing/PageLayoutWindow.h"
#include "ui/printing/PrintLayout.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHeaderView>
#include <QImageReader>
#include <QMainWindow>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>

namespace {
Controller* theController = nullptr;
// The resolution of the photo put on the clipboard: that of printing.
constexpr int kCopyDotsPerInch = 300;
// A write's temporary this old belongs to a program that was killed while saving: no write
// takes an hour.
constexpr qint64 kLeftoverTemporaryAgeSeconds = 3600;
} // namespace

Controller::Controller()
    : mainWindow_(std::make_unique<QMainWindow>())
    , ui_(std::make_unique<Ui::MainWindow>())
    , ud_(UserDefaults::standardUserDefaults()) {
    theController = this;
    pictureList_.reserve(10);
    selectedPictureList_.reserve(10);
    selectedPictureName_.reserve(10);
    ui_->setupUi(mainWindow_.get());
    awakeFromNib();
}

Controller::~Controller() {
    delete webcam_.data();
    if (!captureFile_.isEmpty()) {
        FileManager::removeItemAtPath(captureFile_);
    }
    if (theController == this) {
        theController = nullptr;
    }
}

Controller* Controller::controller() {
    return theController;
}

UserDefaults& Controller::ud() {
    return theController ? theController->ud_ : UserDefaults::standardUserDefaults();
}

bool Controller::metric() {
    return DisplayUnits::metric(ud());
}

QMainWindow* Controller::mainWindow() const {
    return mainWindow_.get();
}

void Controller::awakeFromNib() {
    DocumentLibrary::prepare(ud_);

    model_ = new PictureListModel(this);
    PictureTableView* table = ui_->picturesTableView;
    table->setModel(model_);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->horizontalHeader()->setSectionResizeMode(PictureListModel::SelectionColumn,
                                                    QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(PictureListModel::NameColumn,
                                                    QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(PictureListModel::SizeColumn,
                                                    QHeaderView::ResizeToContents);
    table->setIconSize(QSize(32, 32));
    connect(model_, &PictureListModel::tickToggleRequested, this, [this](int row) {
        highlightRow(row);
        select();
    });

    mainWindow_->installEventFilter(this);
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { ud_.synchronize(); });
    connectCommands();

    refreshPictureList();
    // The size column follows the unit chosen in the preferences.
    NotificationCenter::defaultCenter().addObserver(
        this, DisplayUnits::kUnitChanged, [this](const Notification&) { refreshPictureList(); });
    if (ud_.boolForKey(VersionChecker::kCheckVersionKey)) {
        checkVersionAtStart();
    }
    localizePanel();
}

void Controller::checkVersionAtStart() {
    // The answer comes later; a failure is only logged.
    VersionChecker::sharedVersionChecker()->isNewVersionAvailable(this, [](int result) {
        if (result == 1 &&
            Alerts::confirm(QStringLiteral("newversionLong"), QStringLiteral("newversion"))) {
            VersionChecker::loadWebSite();
        }
    });
}

void Controller::connectCommands() {
    // The library holds no text to edit: these stay visible for the familiar menu, disabled.
    for (QAction* action :
         {ui_->undoMenu, ui_->redoMenu, ui_->cutMenu, ui_->pasteMenu, ui_->selectAllMenu}) {
        action->setEnabled(false);
    }
    connect(ui_->copyMenu, &QAction::triggered, this, &Controller::copySelection);
    // Help, news and new versions are on the web site, as the about box says.
    connect(ui_->helpMenuItem, &QAction::triggered, this, [] { VersionChecker::loadWebSite(); });
    connect(ui_->preferencesMenu, &QAction::triggered, this, [] { PreferenceWindow::pv(); });
    connect(ui_->aboutMenu, &QAction::triggered, this, [] { About::about(); });
    connect(ui_->newPictureButton, &QPushButton::clicked, this, &Controller::newPicture);
    connect(ui_->newMenu, &QAction::triggered, this, &Controller::newPicture);
    connect(ui_->editPictureMenu, &QAction::triggered, this, &Controller::editPicture);
    connect(ui_->picturesTableView, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) {
                highlightRow(index.row());
                editPicture();
            });
    connect(ui_->deleteButton, &QPushButton::clicked, this, &Controller::deleteSelection);
    connect(ui_->deleteMenu, &QAction::triggered, this, &Controller::deleteSelection);
    connect(ui_->exportMenu, &QAction::triggered, this, &Controller::exportSelection);
    connect(ui_->webcamMenu, &QAction::triggered, this, &Controller::importWebcam);
    connect(ui_->batchImportMenu, &QAction::triggered, this, &Controller::batchImport);
    // From the keyboard: Return opens the highlighted photo, Space ticks it.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        connect(new QShortcut(key, ui_->picturesTableView, nullptr, nullptr, Qt::WidgetShortcut),
                &QShortcut::activated, this, &Controller::editPicture);
    }
    connect(new QShortcut(QKeySequence(Qt::Key_Space), ui_->picturesTableView, nullptr, nullptr,
                          Qt::WidgetShortcut),
            &QShortcut::activated, this, &Controller::select);
    connect(ui_->picturesTableView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Controller::validateMenuItems);
    validateMenuItems();
    connect(ui_->printButton, &QPushButton::clicked, this, &Controller::printSelection);
    connect(ui_->printMenu, &QAction::triggered, this, &Controller::printSelection);
    connect(ui_->pageSetupMenu, &QAction::triggered, this, [this] {
        printSelection();
        layoutWindow_->pageSetup();
    });
    ui_->newPictureButton->setIcon(QIcon::fromTheme(QStringLiteral("document-new")));
    ui_->deleteButton->setIcon(QIcon::fromTheme(QStringLiteral("edit-delete")));
    ui_->printButton->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));

    connect(ui_->quitMenu, &QAction::triggered, mainWindow_.get(), &QWidget::close);
    connect(ui_->minimizeMenu, &QAction::triggered, mainWindow_.get(), &QWidget::showMinimized);
    connect(ui_->zoomMenu, &QAction::triggered, this, [this] {
        if (mainWindow_->isMaximized()) {
            mainWindow_->showNormal();
        } else {
            mainWindow_->showMaximized();
        }
    });
    connect(ui_->bringToFrontMenu, &QAction::triggered, this, [this] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window != mainWindow_.get()) {
                window->raise();
            }
        }
        mainWindow_->raise();
        mainWindow_->activateWindow();
    });
}

PictureSettingsWindow* Controller::newPicture() {
    return adopt(PictureSettingsWindow::pictureSettingsWindow());
}

PictureSettingsWindow* Controller::editPicture() {
    const auto document = selectedItem();
    if (!document) {
        return nullptr;
    }
    return adopt(PictureSettingsWindow::pictureSettingsWindowWithPath(document->filePath()));
}

PictureSettingsWindow* Controller::openFile(const QString& path) {
    if (FileManager::pathExtension(path) == Fotino::kFileType) {
        return adopt(PictureSettingsWindow::pictureSettingsWindowWithPath(path));
    }
    PictureSettingsWindow* editor = newPicture();
    // An empty name takes the picture's.
    editor->setDocumentName(QString());
    editor->loadImage(path);
    return editor;
}

PictureSettingsWindow* Controller::adopt(PictureSettingsWindow* editor) {
    connect(editor, &PictureSettingsWindow::documentSaved, this, &Controller::refreshPictureList);
    return editor;
}

void Controller::refreshPictureList() {
    const QString highlightedName = selectedItem() ? selectedItem()->name() : QString();
    const QString folder = DocumentLibrary::documentsFolder(ud_);
    FileManager::removeLeftoverTemporaries(folder, kLeftoverTemporaryAgeSeconds);
    pictureList_ = DocumentLibrary::listDocuments(folder);
    model_->setDocuments(pictureList_, metric());
    model_->setTickedNames(selectedPictureName_);
    if (!highlightedName.isNull()) {
        for (size_t row = 0; row < pictureList_.size(); ++row) {
            if (pictureList_[row]->name() == highlightedName) {
                highlightRow(static_cast<int>(row));
                break;
            }
        }
    }
    validateMenuItems();
    updateLayoutIfNeeded();
}

void Controller::select() {
    const auto document = selectedItem();
    if (!document) {
        return;
    }
    const QString name = document->name();
    if (selectedPictureName_.contains(name)) {
        selectedPictureName_.remove(name);
    } else {
        selectedPictureName_.insert(name);
    }
    model_->setTickedNames(selectedPictureName_);
    updateLayoutIfNeeded();
}

std::shared_ptr<Fotino> Controller::selectedItem() const {
    const QItemSelectionModel* selection = ui_->picturesTableView->selectionModel();
    if (!selection) {
        return nullptr;
    }
    const QModelIndexList rows = selection->selectedRows();
    if (rows.isEmpty()) {
        return nullptr;
    }
    const int row = rows.first().row();
    if (row < 0 || row >= static_cast<int>(pictureList_.size())) {
        return nullptr;
    }
    return pictureList_[static_cast<size_t>(row)];
}

const std::vector<std::shared_ptr<Fotino>>& Controller::selectedPictureList() {
    selectedPictureList_.clear();
    for (const auto& document : pictureList_) {
        if (selectedPictureName_.contains(document->name())) {
            selectedPictureList_.push_back(document);
        }
    }
    return selectedPictureList_;
}

void Controller::updateLayoutIfNeeded() {
    // Printing renders the ticked documents afresh.
    const auto& ticked = selectedPictureList();
    for (const auto& document : ticked) {
        document->purgeCachedImage();
    }
    if (layoutWindow_) {
        layoutWindow_->pageLayout()->printLayout()->setFotinos(ticked);
    }
}

PageLayoutWindow* Controller::layoutWindow() const {
    return layoutWindow_;
}

void Controller::printSelection() {
    if (!layoutWindow_) {
        layoutWindow_ = PageLayoutWindow::layoutWindow();
    }
    layoutWindow_->show();
    layoutWindow_->raise();
    layoutWindow_->activateWindow();
    layoutWindow_->pageLayout()->printLayout()->setFotinos(selectedPictureList());
    if (selectedPictureName_.isEmpty()) {
        KtObject::localizedAlert(QStringLiteral("NoSelection"));
    }
}

void Controller::deleteSelection() {
    const auto document = selectedItem();
    if (!document || !DocumentStorage::deleteDocument(*document)) {
        return;
    }
    selectedPictureName_.remove(document->name());
    refreshPictureList();
}

void Controller::exportSelection() {
    const auto document = selectedItem();
    if (!document) {
        return;
    }
    const auto options = ImageOptions::imageSaveOptions(document->name());
    if (!options) {
        return;
    }
    const auto result = DocumentExport::exportFotino(*document, *options);
    if (result == DocumentExport::Result::DocumentsFile) {
        Alerts::alert(QStringLiteral("exportOverDocument"),
                      FileManager::lastPathComponent(DocumentExport::outputPath(*options)));
    } else if (result == DocumentExport::Result::TooLarge) {
        Alerts::alert(QStringLiteral("exportTooLarge"),
                      options->value(DocumentExport::kMaxKilobytes).toString());
    } else if (result == DocumentExport::Result::WriteFailed &&
               FileManager::lastWriteError() == FileManager::WriteError::DiskFull) {
        Alerts::alert(QStringLiteral("exportDiskFull"),
                      FileManager::lastPathComponent(DocumentExport::outputPath(*options)));
    } else if (result != DocumentExport::Result::Written) {
        // The panel already closed: a beep says that nothing was written.
        Panels::beep();
    }
}

void Controller::importWebcam() {
    if (webcam_) {
        return;
    }
    // Asked first, so that no file is made for nothing.
    if (!IG_Controller::videoHardwarePresent()) {
        KtObject::localizedAlert(QStringLiteral("ERROR_NO_VIDEOHWFOUND"));
        return;
    }
    captureFile_ = CaptureFile::create();
    if (!captureFile_.isEmpty()) {
        Log::write(captureFile_);
    }
    IG_Controller::setDefaultPath(captureFile_);
    webcam_ = new IG_Controller();
    webcam_->startCaptureModalForWindow(mainWindow_.get(),
                                        [this](int returnCode) { sheetDidEnd(returnCode); });
}

void Controller::sheetDidEnd(int returnCode) {
    if (webcam_) {
        webcam_->deleteLater();
        webcam_ = nullptr;
    }
    if (returnCode == IG_Controller::Saved) {
        openEditorWithPicture(IG_Controller::defaultPath());
    } else if (!captureFile_.isEmpty()) {
        // Nothing was written into it.
        FileManager::removeItemAtPath(captureFile_);
    }
    captureFile_.clear();
}

IG_Controller* Controller::webcam() const {
    return webcam_;
}

void Controller::batchImport() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    }
    const QString pictures = KtObject::localizedString(QStringLiteral("batchPicturesFilter")) +
                             QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                             QLatin1Char(')');
    const QStringList chosen = Panels::runOpenPanelForFiles(
        KtObject::localizedString(QStringLiteral("batchImportWindow")),
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation), {pictures});
    if (chosen.isEmpty()) {
        return;
    }
    auto* window = new BatchImportWindow(static_cast<int>(chosen.size()), mainWindow_.get());
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QDialog::accepted, this, [this, window, chosen] {
        const auto preset = window->preset();
        if (!preset) {
            return;
        }
        auto* import = new BatchImport(chosen, *preset, window->autoFrame(),
                                       DocumentLibrary::documentsFolder(ud_), mainWindow_.get());
        connect(import, &BatchImport::finished, this, [this, import] {
            refreshPictureList();
            const BatchImport::Summary summary = import->summary();
            import->deleteLater();
            // Asked once the import has returned to the event loop.
            QTimer::singleShot(0, this, [summary] {
                Panels::runInformation(summary.message, summary.informativeText,
                                       summary.detailedText, QStringLiteral("OK"));
            });
        });
        import->start();
    });
    window->open();
}

void Controller::openEditorWithPicture(const QString& path) {
    // A new photo with the captured picture; its name stays the new document's own.
    adopt(PictureSettingsWindow::pictureSettingsWindow())->loadImage(path);
}

void Controller::copySelection() {
    const auto document = selectedItem();
    if (!document) {
        return;
    }
    const auto photo = document->toImage(kCopyDotsPerInch);
    if (!photo) {
        Panels::beep();
        return;
    }
    QGuiApplication::clipboard()->setImage(photo->toQImage().copy());
}

void Controller::validateMenuItems() {
    const bool highlighted = selectedItem() != nullptr;
    ui_->exportMenu->setEnabled(highlighted);
    ui_->copyMenu->setEnabled(highlighted);
}

void Controller::localizePanel() {
    KtObject::localize(mainWindow_.get(), QStringLiteral("mainWindow"));
    KtObject::localize(ui_->fileMenu, QStringLiteral("fileMenu"));
    KtObject::localize(ui_->newMenu, QStringLiteral("newMenu"));
    KtObject::localize(ui_->editPictureMenu, QStringLiteral("editPictureMenu"));
    KtObject::localize(ui_->webcamMenu, QStringLiteral("webcamMenu"));
    KtObject::localize(ui_->batchImportMenu, QStringLiteral("batchImportMenu"));
    KtObject::localize(ui_->pageSetupMenu, QStringLiteral("pageSetupMenu"));
    KtObject::localize(ui_->printMenu, QStringLiteral("printMenu"));
    KtObject::localize(ui_->exportMenu, QStringLiteral("exportMenu"));
    KtObject::localize(ui_->quitMenu, QStringLiteral("quitMenu"));
    KtObject::localize(ui_->editMenu, QStringLiteral("editMenu"));
    KtObject::localize(ui_->undoMenu, QStringLiteral("undoMenu"));
    KtObject::localize(ui_->redoMenu, QStringLiteral("redoMenu"));
    KtObject::localize(ui_->cutMenu, QStringLiteral("cutMenu"));
    KtObject::localize(ui_->copyMenu, QStringLiteral("copyMenu"));
    KtObject::localize(ui_->pasteMenu, QStringLiteral("pasteMenu"));
    KtObject::localize(ui_->deleteMenu, QStringLiteral("deleteMenu"));
    KtObject::localize(ui_->selectAllMenu, QStringLiteral("selectAllMenu"));
    KtObject::localize(ui_->preferencesMenu, QStringLiteral("preferencesMenu"));
    KtObject::localize(ui_->windowMenu, QStringLiteral("windowsMenu"));
    KtObject::localize(ui_->minimizeMenu, QStringLiteral("minimizeMenu"));
    KtObject::localize(ui_->zoomMenu, QStringLiteral("zoomMenu"));
    KtObject::localize(ui_->bringToFrontMenu, QStringLiteral("bringToFrontMenu"));
    KtObject::localize(ui_->helpMenu, QStringLiteral("helpMenu"));
    KtObject::localize(ui_->helpMenuItem, QStringLiteral("helpMenuItem"));
    KtObject::localize(ui_->aboutMenu, QStringLiteral("aboutMenu"));

    KtObject::localize(ui_->newPictureButton, QStringLiteral("newButton"));
    KtObject::localize(ui_->printButton, QStringLiteral("printButton"));
    KtObject::localize(ui_->deleteButton, QStringLiteral("deleteButton"));
    KtObject::localizeHint(ui_->newPictureButton, QStringLiteral("newPictureHint"));
    KtObject::localizeHint(ui_->printButton, QStringLiteral("printHint"));
    KtObject::localizeHint(ui_->deleteButton, QStringLiteral("deleteHint"));

    KtObject::localize(ui_->picturesTableView, QStringLiteral("selectionColumn"),
                       QStringLiteral("selection"));
    KtObject::localize(ui_->picturesTableView, QStringLiteral("nameColumn"),
                       QStringLiteral("name"));
    KtObject::localize(ui_->picturesTableView, QStringLiteral("sizeColumn"),
                       QStringLiteral("size"));
    ui_->picturesTableView->setPlaceholderText(
        KtObject::localizedString(QStringLiteral("emptyLibrary")));
}

bool Controller::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mainWindow_.get() && event->type() == QEvent::Close) {
        windowWillClose();
    }
    return QObject::eventFilter(watched, event);
}

void Controller::windowWillClose() {
    ud_.synchronize();
    QCoreApplication::quit();
}

void Controller::highlightRow(int row) {
    ui_->picturesTableView->selectRow(row);
}
