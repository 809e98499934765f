#include "ui/editor/PictureSettingsWindow.h"

#include "core/analysis/AutoFrame.h"
#include "core/analysis/ComplianceReport.h"
#include "core/analysis/FaceFinder.h"
#include "core/document/AttributeKeys.h"
#include "core/document/DisplayUnits.h"
#include "core/document/DocumentLibrary.h"
#include "core/document/DocumentStorage.h"
#include "core/document/Fotino.h"
#include "core/document/PictureScale.h"
#include "core/platform/Alerts.h"
#include "core/platform/AreaResampler.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/FileManager.h"
#include "core/platform/Image.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/Panels.h"
#include "core/platform/UserDefaults.h"
#include "core/presets/Preset.h"
#include "core/presets/PresetForm.h"
#include "ui/editor/FileDragAndDropCell.h"
#include "ui/editor/PictureView.h"
#include "ui/platform/KtObject.h"
#include "ui/presets/PresetEditor.h"
#include "ui_PictureSettingsWindows.h"

#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QImageReader>
#include <QLayout>
#include <QLocale>
#include <QMouseEvent>
#include <QShortcut>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>

namespace {

constexpr int kNameColumn = 0;
constexpr int kSizeColumn = 1;
const QSize kPresetIconSize(24, 18);

bool displayMetric() {
    return DisplayUnits::metric(UserDefaults::standardUserDefaults());
}

QString text(const char* key) {
    return KtObject::localizedString(QString::fromLatin1(key));
}

// A caption used as a column header, without its colon.
QString header(const char* key) {
    QString caption = text(key).trimmed();
    if (caption.endsWith(QLatin1Char(':'))) {
        caption.chop(1);
    }
    return caption.trimmed();
}

QPixmap pixmapOf(const std::shared_ptr<Image>& image, QSize size) {
    if (!image || image->representations().empty()) {
        return {};
    }
    const QImage bitmap = image->representations().front()->toQImage();
    return QPixmap::fromImage(bitmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// The picture files the open panel offers.
QStringList pictureFilters() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    }
    return {text("dropLabel").remove(QLatin1Char(':')).trimmed() + QStringLiteral(" (") +
            patterns.join(QLatin1Char(' ')) + QLatin1Char(')')};
}

} // namespace

PictureSettingsWindow* PictureSettingsWindow::pictureSettingsWindow() {
    auto* editor = new PictureSettingsWindow();
    editor->show();
    return editor;
}

PictureSettingsWindow* PictureSettingsWindow::pictureSettingsWindowWithPath(const QString& path) {
    auto* editor = pictureSettingsWindow();
    editor->loadFromFile(path);
    return editor;
}

PictureSettingsWindow::PictureSettingsWindow()
    : QWidget(nullptr, Qt::Window)
    , ui_(std::make_unique<Ui::PictureSettingsWindows>())
    , fotino_(std::make_shared<Fotino>()) {
    presetList_.reserve(10);
    setAttribute(Qt::WA_DeleteOnClose);
    ui_->setupUi(this);
    pictureView_ = new PictureView(ui_->containerView);
    pictureView_->setFocusPolicy(Qt::StrongFocus);
    dragCell_ = new FileDragAndDropCell(ui_->pictureDropView);
    ui_->pictureDropView->installEventFilter(this);
    ui_->containerView->installEventFilter(this);
    awakeFromNib();
}

PictureSettingsWindow::~PictureSettingsWindow() {
    NotificationCenter::defaultCenter().removeObserver(this);
}

void PictureSettingsWindow::awakeFromNib() {
    originalName_.clear();
    auto& center = NotificationCenter::defaultCenter();
    center.addObserver(this, DisplayUnits::kUnitChanged, [this](const auto&) { unitChanged(); });
    center.addObserver(this, Preset::kListChanged, [this](const auto&) {
        updatePresetsPopup();
        selectPicturePreset();
        reloadPresetTable();
    });
    ui_->frameWidth->setText(PresetForm::lengthText(3.5f, true));
    ui_->frameHeight->setText(PresetForm::lengthText(4.5f, true));
    ui_->sizeSlider->setRange(0, PictureScale::kPositions);
    ui_->sizeSlider->setValue(PictureScale::positionForScale(75));
    dragCell_->setOwner(this);
    hintsTimer_ = new QTimer(this);
    hintsTimer_->setSingleShot(true);
    hintsTimer_->setInterval(150);
    connect(hintsTimer_, &QTimer::timeout, this, &PictureSettingsWindow::updateHints);
    updatePresetsPopup();
    reloadPresetTable();
    connectControls();
    presetChanged();
    localizePanel();
    warningTimer_ = new QTimer(this);
    warningTimer_->setInterval(1000);
    connect(warningTimer_, &QTimer::timeout, this, &PictureSettingsWindow::enableWarning);
    warningTimer_->start();
    loadFotino();
    ui_->nameField->setFocus();
    ui_->nameField->selectAll();
}

void PictureSettingsWindow::connectControls() {
    connect(ui_->sizeSlider, &QSlider::valueChanged, this, &PictureSettingsWindow::sizeSlide);
    connect(ui_->gammaSlider, &QSlider::valueChanged, this, &PictureSettingsWindow::setGammaValue);
    connect(ui_->brightnessSlider, &QSlider::valueChanged, this,
            &PictureSettingsWindow::setGammaValue);
    connect(ui_->grayscaleSwitch, &QCheckBox::toggled, this, &PictureSettingsWindow::setGammaValue);
    connect(ui_->displayFaceFrameSwitch, &QCheckBox::toggled, this,
            &PictureSettingsWindow::showFaceFrame);
    connect(ui_->rotateLeftButton, &QToolButton::clicked, this,
            &PictureSettingsWindow::rotateLeftButton);
    connect(ui_->rotateRightButton, &QToolButton::clicked, this,
            &PictureSettingsWindow::rotateRightButton);
    connect(ui_->faceFrameSlider, &QSlider::valueChanged, this,
            &PictureSettingsWindow::faceFrameSizeSlide);
    connect(ui_->importImageButton, &QPushButton::clicked, this,
            &PictureSettingsWindow::importImageButton);
    connect(ui_->autoFrameButton, &QPushButton::clicked, this, &PictureSettingsWindow::autoFrame);
    connect(pictureView_, &PictureView::offsetChanged, this, &PictureSettingsWindow::scheduleHints);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &PictureSettingsWindow::cancel);
    connect(ui_->saveButton, &QPushButton::clicked, this, &PictureSettingsWindow::saveAs);
    connect(ui_->presetsPopup, &QComboBox::activated, this, &PictureSettingsWindow::presetChanged);
    connect(ui_->editPresetsButton, &QPushButton::toggled, ui_->presetDrawer, &QWidget::setVisible);
    connect(ui_->newPreset, &QPushButton::clicked, this,
            &PictureSettingsWindow::newPresetFromSettings);
    connect(ui_->editPreset, &QPushButton::clicked, this,
            &PictureSettingsWindow::modifySelectedPresetFromSetting);
    connect(ui_->deletePreset, &QPushButton::clicked, this,
            &PictureSettingsWindow::deleteSelectedPreset);
    connect(ui_->presetsTableView, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem* item) {
                if (!rebuilding_ && item->column() == kNameColumn) {
                    presetNameEdited(item->row(), item->text());
                }
            });
    // Picture moved or scaled with the mouse: the slider follows the wheel.
    connect(pictureView_, &PictureView::scaleStepped, this, [this](int steps, QPointF about) {
        const float before = fotino_->pictureSize();
        const QPointF offset = fotino_->offset();
        ui_->sizeSlider->setValue(ui_->sizeSlider->value() + steps * 10);
        // The picture grows or shrinks about the mouse.
        fotino_->setOffset(PictureScale::offsetKeepingPoint(fotino_->originalPictureSize(),
                                                            QSizeF(pictureView_->size()), before,
                                                            fotino_->pictureSize(), offset, about));
        pictureView_->update();
    });
    for (QLineEdit* field : {ui_->frameWidth, ui_->frameHeight}) {
        connect(field, &QLineEdit::textEdited, this, [field] {
            field->setProperty("invalid", false);
            field->setStyleSheet(QString());
        });
    }
    ui_->rotateLeftButton->setIcon(QIcon::fromTheme(QStringLiteral("object-rotate-left")));
    ui_->rotateRightButton->setIcon(QIcon::fromTheme(QStringLiteral("object-rotate-right")));
    if (ui_->rotateLeftButton->icon().isNull()) {
        ui_->rotateLeftButton->setText(QStringLiteral("⟲"));
        ui_->rotateRightButton->setText(QStringLiteral("⟳"));
    }
    auto* save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, &PictureSettingsWindow::saveAs);
    auto* enter = new QShortcut(QKeySequence(Qt::Key_Return), this);
    connect(enter, &QShortcut::activated, this, &PictureSettingsWindow::saveAs);
    auto* openDocument = new QShortcut(QKeySequence::Open, this);
    connect(openDocument, &QShortcut::activated, this, &PictureSettingsWindow::open);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &PictureSettingsWindow::cancel);
}

void PictureSettingsWindow::localizePanel() {
    KtObject::localize(static_cast<QWidget*>(this), QStringLiteral("pictureSettingsWindow"));
    const std::pair<QLabel*, const char*> labels[] = {
        {ui_->nameLabel, "nameLabel"},
        {ui_->dropLabel, "dropLabel"},
        {ui_->pictureSizeLabel, "pictureSizeLabel"},
        {ui_->presetsLabel, "presetsLabel"},
        {ui_->faceFrameLabel, "faceFrameLabel"},
        {ui_->widthLabel, "widthLabel"},
        {ui_->heightLabel, "heightLabel"},
        {ui_->contrastLabel, "contrastLabel"},
        {ui_->brightnessLabel, "brightnessLabel"},
        {ui_->presetsLabel2, "presetsLabel"},
        {ui_->hintsLabel, "hintsLabel"},
    };
    for (const auto& [label, key] : labels) {
        KtObject::localize(label, QString::fromLatin1(key));
    }
    const std::pair<QAbstractButton*, const char*> buttons[] = {
        {ui_->importImageButton, "importImageButton"},
        {ui_->displayFaceFrameSwitch, "displayFaceFrameSwitch"},
        {ui_->editPresetsButton, "editPresetsButton"},
        {ui_->cancelButton, "cancelButton"},
        {ui_->saveButton, "saveButton"},
        {ui_->grayscaleSwitch, "grayscale"},
        {ui_->newPreset, "newPreset"},
        {ui_->editPreset, "editPreset"},
        {ui_->deletePreset, "deletePreset"},
        {ui_->autoFrameButton, "autoFrameButton"},
    };
    for (const auto& [button, key] : buttons) {
        KtObject::localize(button, QString::fromLatin1(key));
    }
    KtObject::localizeHint(ui_->rotateLeftButton, QStringLiteral("rotateLeftHint"));
    KtObject::localizeHint(ui_->rotateRightButton, QStringLiteral("rotateRightHint"));
    KtObject::localizeHint(ui_->autoFrameButton, QStringLiteral("autoFrameHint"));
    ui_->pictureDropView->setToolTip(text("dropHint"));
    ui_->presetsTableView->setHorizontalHeaderLabels(
        {header("presetName"), header("printAreaLabel")});
    unitChanged();
}

void PictureSettingsWindow::loadFromFile(const QString& path) {
    DocumentStorage::Opened opened = DocumentStorage::open(path);
    fotino_ = opened.document;
    originalPath_ = opened.previousPath;
    ftPath_.clear();
    originalPicturePath_.clear();
    originalName_ = fotino_->name();
    loadFotino();
}

void PictureSettingsWindow::loadFotino() {
    ui_->nameField->setText(fotino_->name());
    const bool m = displayMetric();
    ui_->frameWidth->setText(PresetForm::lengthText(fotino_->widthInCm(), m));
    ui_->frameHeight->setText(PresetForm::lengthText(fotino_->heightInCm(), m));
    {
        const QSignalBlocker blockSize(ui_->sizeSlider);
        const QSignalBlocker blockFrame(ui_->faceFrameSlider);
        const QSignalBlocker blockGuides(ui_->displayFaceFrameSwitch);
        const QSignalBlocker blockGray(ui_->grayscaleSwitch);
        ui_->faceFrameSlider->setValue(static_cast<int>(fotino_->frameSize()));
        ui_->sizeSlider->setValue(PictureScale::positionForScale(fotino_->pictureSize()));
        ui_->displayFaceFrameSwitch->setChecked(fotino_->showFaceFrame());
        ui_->grayscaleSwitch->setChecked(fotino_->grayscale());
    }
    pictureView_->setFotino(fotino_);
    // The document's own picture, by its stored name only: a name leading out of the
    // document's folder gives none.
    const auto stored = DocumentStorage::storedPicturePath(*fotino_);
    if (stored && !fotino_->imageName().isEmpty()) {
        const QString path = *stored;
        originalPicturePath_ = path;
        if (fotino_->imageName() !=
            FileManager::pathWithoutExtension(FileManager::lastPathComponent(path))) {
            ftPath_ = path;
        }
        fotino_->purgeCachedImage();
        fotino_->loadOriginalPictureFromPath(path);
        showPicture();
    } else {
        ui_->pictureDropView->clear();
        calcRatio();
    }
    selectPicturePreset();
    pictureChanged();
}

void PictureSettingsWindow::loadImage(const QString& path) {
    // A file that is no picture (or no longer readable) leaves the picture as it was.
    const QString previous = originalPicturePath_;
    const bool readable = !path.isEmpty() && QImageReader(path).canRead();
    if (readable) {
        fotino_->purgeCachedImage();
        fotino_->loadOriginalPictureFromPath(path);
    }
    if (!readable || !fotino_->originalPicture()) {
        if (readable) {
            fotino_->purgeCachedImage();
            fotino_->loadOriginalPictureFromPath(previous.isEmpty() ? QString() : previous);
        }
        Alerts::alert(QStringLiteral("unreadablePicture"), FileManager::lastPathComponent(path));
        return;
    }
    const QString base = FileManager::pathWithoutExtension(FileManager::lastPathComponent(path));
    originalPicturePath_ = path;
    if (base != fotino_->imageName()) {
        ftPath_ = path;
    }
    if (ui_->nameField->text().isEmpty()) {
        ui_->nameField->setText(base);
    }
    pictureChanged();
    // A document without a scale yet starts with the picture covering the frame, then framed
    // on its face at once; the user can still move it after.
    if (fotino_->frameNewPicture()) {
        const QSignalBlocker block(ui_->sizeSlider);
        ui_->sizeSlider->setValue(PictureScale::positionForScale(fotino_->pictureSize()));
        autoFrame();
    }
    showPicture();
}

void PictureSettingsWindow::setDocumentName(const QString& name) {
    ui_->nameField->setText(name);
}

void PictureSettingsWindow::showPicture() {
    pictureView_->setFotino(fotino_);
    ui_->pictureDropView->setPixmap(
        pixmapOf(fotino_->originalPicture(), ui_->pictureDropView->contentsRect().size()));
    calcRatio();
    {
        const QSignalBlocker blockGamma(ui_->gammaSlider);
        const QSignalBlocker blockBrightness(ui_->brightnessSlider);
        ui_->gammaSlider->setValue(fotino_->gamma());
        ui_->brightnessSlider->setValue(fotino_->brightness());
    }
    setGammaValue();
    sizeSlide();
    showFaceFrame();
    faceFrameSizeSlide();
    ui_->containerView->update();
}

void PictureSettingsWindow::sizeSlide() {
    // The slider's steps are coarser than a stored scale: one left where it is keeps it.
    const int position = ui_->sizeSlider->value();
    if (PictureScale::positionForScale(fotino_->pictureSize()) != position ||
        !(fotino_->pictureSize() > 0)) {
        fotino_->setPictureSize(PictureScale::scaleForPosition(position));
    }
    pictureView_->update();
    scheduleHints();
}

void PictureSettingsWindow::setGammaValue() {
    // The picture is derived again only when a value differs from the one it has.
    fotino_->setContrastValue(static_cast<float>(ui_->gammaSlider->value()),
                              static_cast<float>(ui_->brightnessSlider->value()));
    fotino_->setGrayscale(ui_->grayscaleSwitch->isChecked());
    pictureView_->update();
    scheduleHints();
}

void PictureSettingsWindow::showFaceFrame() {
    fotino_->setShowFaceFrame(ui_->displayFaceFrameSwitch->isChecked());
    pictureView_->update();
}

void PictureSettingsWindow::rotateLeftButton() {
    fotino_->rotateLeft();
    pictureChanged();
    pictureView_->update();
}

void PictureSettingsWindow::rotateRightButton() {
    fotino_->rotateRight();
    pictureChanged();
    pictureView_->update();
}

const FaceFinder& PictureSettingsWindow::faceFinder() {
    static const FaceFinder finder;
    return finder;
}

void PictureSettingsWindow::autoFrame() {
    const auto result = AutoFrame::frame(*fotino_, faceFinder());
    face_ = result.face;
    faceSearched_ = result.outcome != AutoFrame::Outcome::NoPicture;
    if (result.outcome == AutoFrame::Outcome::Framed) {
        const QSignalBlocker block(ui_->sizeSlider);
        ui_->sizeSlider->setValue(PictureScale::positionForScale(fotino_->pictureSize()));
        if (result.levelledByDegrees != 0) {
            ui_->pictureDropView->setPixmap(
                pixmapOf(fotino_->originalPicture(), ui_->pictureDropView->contentsRect().size()));
        }
    }
    pictureView_->update();
    updateHints();
}

void PictureSettingsWindow::pictureChanged() {
    face_.reset();
    faceSearched_ = false;
    scheduleHints();
}

void PictureSettingsWindow::scheduleHints() {
    // Measured once the user pauses: a drag or a slide changes the framing many times.
    hintsTimer_->start();
}

void PictureSettingsWindow::updateHints() {
    hintsTimer_->stop();
    const auto picture = fotino_->originalPicture();
    if (!picture) {
        for (QLabel* hint :
             {ui_->hintsLabel, ui_->headHint, ui_->eyesHint, ui_->tiltHint, ui_->backgroundHint}) {
            hint->hide();
        }
        return;
    }
    if (!faceSearched_) {
        face_ = faceFinder().find(*picture);
        faceSearched_ = true;
    }
    showHints(ComplianceReport::evaluate(*fotino_, face_));
    // Wrapped hints take more lines in some languages: the window grows rather than squeeze
    // the controls above them.
    // The hints just shown and their new texts reach the layout only once it is activated.
    if (layout() != nullptr) {
        layout()->activate();
    }
    if (layout() != nullptr && layout()->hasHeightForWidth()) {
        const int needed = layout()->totalHeightForWidth(width());
        if (needed > height()) {
            resize(width(), needed);
        }
    }
}

namespace {

QString millimetres(double value) {
    return QLocale().toString(value, 'f', 1);
}

// A hint in the palette's text colour, or green or red when it says whether a rule is met.
void setHint(QLabel* hint, const QString& message, std::optional<bool> met) {
    hint->setText(message);
    hint->setProperty("met", met ? QVariant(*met) : QVariant());
    QString colour;
    if (met) {
        colour = *met ? QStringLiteral("#1b7d32") : QStringLiteral("#c62828");
    }
    hint->setStyleSheet(colour.isEmpty() ? QString() : QStringLiteral("color: %1").arg(colour));
    hint->setVisible(!message.isEmpty());
}

// "Within", "too large" or "too small", or the figure alone without a range.
QString rangeHint(double value, const std::optional<MillimetreRange>& range, const char* plain,
                  const char* inside, const char* above, const char* below) {
    if (!range) {
        return text(plain).arg(millimetres(value));
    }
    const QString low = millimetres(range->minimum);
    const QString high = millimetres(range->maximum);
    if (range->contains(value)) {
        return text(inside).arg(millimetres(value), low, high);
    }
    return text(value > range->maximum ? above : below)
        .arg(millimetres(value), millimetres(range->distance(value)), low, high);
}

} // namespace

void PictureSettingsWindow::showHints(const ComplianceReport& report) {
    ui_->hintsLabel->show();
    if (!report.faceFound) {
        setHint(ui_->headHint, text("hintNoFace"), false);
        setHint(ui_->eyesHint, QString(), std::nullopt);
        setHint(ui_->tiltHint, QString(), std::nullopt);
        setHint(ui_->backgroundHint, QString(), std::nullopt);
        return;
    }
    const auto metOrNone = [](bool inside, bool ruled) {
        return ruled ? std::optional<bool>(inside) : std::nullopt;
    };
    setHint(ui_->headHint,
            rangeHint(*report.headHeight, report.headRange, "hintHead", "hintHeadInside",
                      "hintHeadTooLarge", "hintHeadTooSmall"),
            metOrNone(report.headInside(), report.headRange.has_value()));
    setHint(ui_->eyesHint,
            rangeHint(*report.eyeLine, report.eyeRange, "hintEyes", "hintEyesInside",
                      "hintEyesTooHigh", "hintEyesTooLow"),
            metOrNone(report.eyeLineInside(), report.eyeRange.has_value()));
    const bool tilted = std::abs(report.tiltDegrees) > AutoFrame::kLevelTolerance;
    setHint(ui_->tiltHint,
            tilted
                ? text("hintTilted").arg(QLocale().toString(std::abs(report.tiltDegrees), 'f', 1))
                : QString(),
            tilted ? std::optional<bool>(false) : std::nullopt);
    using Background = ComplianceReport::Background;
    const char* background = nullptr;
    switch (report.background) {
    case Background::Fine:
        background = "hintBackgroundFine";
        break;
    case Background::Dark:
        background = "hintBackgroundDark";
        break;
    case Background::Coloured:
        background = "hintBackgroundColoured";
        break;
    case Background::Busy:
        background = "hintBackgroundBusy";
        break;
    case Background::White:
        background = "hintBackgroundWhite";
        break;
    case Background::Unknown:
        break;
    }
    setHint(ui_->backgroundHint, background ? text(background) : QString(),
            background ? std::optional<bool>(report.background == Background::Fine) : std::nullopt);
}

void PictureSettingsWindow::faceFrameSizeSlide() {
    // Shows the document's face-frame size; the document keeps its own.
}

void PictureSettingsWindow::calcRatio() {
    const QRect box = ui_->containerView->rect();
    const QSizeF proportions(fotino_->widthInCm(), fotino_->heightInCm());
    if (proportions.isEmpty() || box.isEmpty()) {
        pictureView_->setGeometry(box);
        return;
    }
    // The photo's proportions, as large as the container allows, centred.
    const QSizeF view = proportions.scaled(QSizeF(box.size()), Qt::KeepAspectRatio);
    pictureView_->setGeometry(
        QRectF(QPointF((box.width() - view.width()) / 2, (box.height() - view.height()) / 2), view)
            .toRect());
    ui_->containerView->update();
}

void PictureSettingsWindow::unitChanged() {
    const bool m = displayMetric();
    ui_->frameWidth->setText(PresetForm::lengthText(fotino_->widthInCm(), m));
    ui_->frameHeight->setText(PresetForm::lengthText(fotino_->heightInCm(), m));
    const QString unit = text(m ? "centimetresUnit" : "inchesUnit");
    ui_->widthUnit->setText(unit);
    ui_->heightUnit->setText(unit);
    reloadPresetTable();
    ui_->containerView->update();
}

void PictureSettingsWindow::enableWarning() {
    const bool covers = !fotino_->originalPictureSource() ||
                        fotino_->coverFrame(QRectF(QPointF(0, 0), pictureView_->size()));
    if (!covers) {
        if (!warningOn_) {
            const int side = style()->pixelMetric(QStyle::PM_SmallIconSize);
            ui_->warningImageView->setPixmap(
                style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side));
            ui_->warningTextField->setText(text("WARNING_IMAGE_NOT_COVERING"));
            warningOn_ = true;
        }
    } else if (warningOn_) {
        ui_->warningImageView->clear();
        ui_->warningTextField->setText(QString());
        warningOn_ = false;
    }
}

bool PictureSettingsWindow::isPolling() const {
    return warningTimer_ != nullptr && warningTimer_->isActive();
}

void PictureSettingsWindow::importImageButton() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const auto chosen = Panels::runOpenPanel(text("importImageButton"), pictures, pictureFilters());
    if (chosen) {
        loadImage(*chosen);
    }
}

void PictureSettingsWindow::open() {
    const auto chosen = Panels::runOpenPanel(QString(), QDir::homePath(), {});
    if (chosen) {
        loadFromFile(*chosen);
    }
}

bool PictureSettingsWindow::readFrameFields(float* widthCm, float* heightCm) {
    const bool m = displayMetric();
    bool ok = true;
    for (auto [field, value] :
         {std::pair{ui_->frameWidth, widthCm}, std::pair{ui_->frameHeight, heightCm}}) {
        const float shown = field == ui_->frameWidth ? fotino_->widthInCm() : fotino_->heightInCm();
        // A field left as shown keeps the exact stored length.
        const bool unchanged = field->text() == PresetForm::lengthText(shown, m);
        const std::optional<double> number =
            unchanged ? std::optional<double>(shown) : PresetForm::readNumber(field->text());
        const double cm = !number ? 0 : unchanged ? *number : *number * PresetForm::unitFactor(m);
        if (!number || !(cm > 0) || cm > PresetForm::kMaximumSize) {
            field->setProperty("invalid", true);
            field->setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid #d32f2f; }"));
            if (ok) {
                field->setFocus();
                field->selectAll();
            }
            ok = false;
            continue;
        }
        *value = unchanged ? shown : static_cast<float>(cm);
    }
    return ok;
}

bool PictureSettingsWindow::saveAs() {
    float widthCm = 0;
    float heightCm = 0;
    if (!readFrameFields(&widthCm, &heightCm)) {
        Alerts::alert(QStringLiteral("badFrameSize"));
        return false;
    }
    const QString folder = DocumentLibrary::documentsFolder(UserDefaults::standardUserDefaults());
    // A first save makes the documents folder.
    FileManager::createDirectoryAtPath(folder, true);
    DocumentStorage::Fields fields;
    fields.name = ui_->nameField->text();
    // Lengths go over in centimetres: the fields were read in the unit they show.
    fields.metric = true;
    fields.width = widthCm;
    fields.height = heightCm;
    fields.showFaceFrame = ui_->displayFaceFrameSwitch->isChecked();
    const DocumentStorage::SaveResult result =
        DocumentStorage::saveAs(*fotino_, folder, originalPath_, originalPicturePath_, fields);
    if (result == DocumentStorage::SaveResult::WriteFailed) {
        const bool full = FileManager::lastWriteError() == FileManager::WriteError::DiskFull;
        Alerts::alert(full ? QStringLiteral("saveFailedDiskFull") : QStringLiteral("saveFailed"),
                      QDir::toNativeSeparators(folder));
        return false;
    }
    if (result != DocumentStorage::SaveResult::Saved) {
        return false;
    }
    Q_EMIT documentSaved();
    finish();
    return true;
}

void PictureSettingsWindow::cancel() {
    finish();
}

void PictureSettingsWindow::finish() {
    if (warningTimer_ != nullptr) {
        warningTimer_->stop();
    }
    setAttribute(Qt::WA_DeleteOnClose);
    hide();
    deleteLater();
}

bool PictureSettingsWindow::windowShouldClose() {
    if (KtObject::localizedFBAlert(QStringLiteral("saveLong"), QStringLiteral("save"))) {
        saveAs();
    } else {
        finish();
    }
    return false;
}

void PictureSettingsWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    windowShouldClose();
}

void PictureSettingsWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    calcRatio();
}

bool PictureSettingsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->containerView && event->type() == QEvent::Resize) {
        calcRatio();
    } else if (watched == ui_->pictureDropView) {
        if (event->type() == QEvent::Resize) {
            dragCell_->setGeometry(ui_->pictureDropView->rect());
            if (fotino_->originalPictureSource()) {
                ui_->pictureDropView->setPixmap(pixmapOf(
                    fotino_->originalPicture(), ui_->pictureDropView->contentsRect().size()));
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            importImageButton();
            return true;
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Space) {
                importImageButton();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The preset panel.

void PictureSettingsWindow::updatePresetsPopup() {
    rebuilding_ = true;
    ui_->presetsPopup->clear();
    presetList_ = Preset::presets();
    for (const auto& preset : presetList_) {
        const QIcon icon(pixmapOf(preset->icon(), kPresetIconSize));
        // Titles are unique: of presets sharing a name only the last keeps the item.
        const int existing = ui_->presetsPopup->findText(preset->name());
        if (existing >= 0) {
            ui_->presetsPopup->setItemIcon(existing, icon);
        } else {
            ui_->presetsPopup->addItem(icon, preset->name());
        }
    }
    rebuilding_ = false;
}

void PictureSettingsWindow::reloadPresetTable() {
    rebuilding_ = true;
    QTableWidget* table = ui_->presetsTableView;
    const int selected = table->currentRow();
    table->setColumnCount(2);
    table->setRowCount(static_cast<int>(presetList_.size()));
    const bool m = displayMetric();
    for (int row = 0; row < static_cast<int>(presetList_.size()); ++row) {
        const auto& preset = presetList_[static_cast<size_t>(row)];
        auto* name =
            new QTableWidgetItem(QIcon(pixmapOf(preset->icon(), kPresetIconSize)), preset->name());
        // Built-in formats are the program's: their names cannot be edited.
        name->setFlags(preset->builtIn() ? name->flags() & ~Qt::ItemIsEditable
                                         : name->flags() | Qt::ItemIsEditable);
        table->setItem(row, kNameColumn, name);
        auto* size = new QTableWidgetItem(
            DisplayUnits::sizeText(DisplayUnits::fromCentimetres(preset->printWidth(), m),
                                   DisplayUnits::fromCentimetres(preset->printHeight(), m), m));
        size->setFlags(size->flags() & ~Qt::ItemIsEditable);
        table->setItem(row, kSizeColumn, size);
    }
    table->horizontalHeader()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(kSizeColumn, QHeaderView::ResizeToContents);
    table->verticalHeader()->hide();
    if (selected >= 0 && selected < table->rowCount()) {
        table->selectRow(selected);
    }
    rebuilding_ = false;
}

void PictureSettingsWindow::presetNameEdited(int row, const QString& name) {
    if (row < 0 || row >= static_cast<int>(presetList_.size())) {
        return;
    }
    const auto preset = presetList_[static_cast<size_t>(row)];
    if (preset->builtIn() || name == preset->name()) {
        return;
    }
    const QString previous = preset->name();
    preset->setName(name);
    // Saved at once: the list is read again from the store after every change.
    if (!DocumentStorage::isUsableName(name) || !preset->save()) {
        preset->setName(previous);
        Alerts::alert(QStringLiteral("badName"));
        QTimer::singleShot(0, this, [this] {
            updatePresetsPopup();
            reloadPresetTable();
        });
    }
}

void PictureSettingsWindow::selectPicturePreset() {
    const auto preset = Preset::presetWithUUID(fotino_->stringForKey(AttributeKeys::kPresetUUID));
    if (!preset) {
        ui_->presetsPopup->setCurrentIndex(-1);
        return;
    }
    ui_->presetsPopup->setCurrentIndex(ui_->presetsPopup->findText(preset->name()));
    applyPreset(*preset);
}

void PictureSettingsWindow::presetChanged() {
    const QString title = ui_->presetsPopup->currentText();
    for (const auto& preset : presetList_) {
        if (preset->name() == title) {
            applyPreset(*preset);
        }
    }
}

void PictureSettingsWindow::applyPreset(const Preset& preset) {
    preset.applyTo(*fotino_);
    calcRatio();
    faceFrameSizeSlide();
    unitChanged();
    pictureView_->update();
    scheduleHints();
}

std::shared_ptr<Preset> PictureSettingsWindow::selectedPreset() const {
    const auto rows = ui_->presetsTableView->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return nullptr;
    }
    const auto presets = Preset::presets();
    const int row = rows.first().row();
    return row < static_cast<int>(presets.size()) ? presets[static_cast<size_t>(row)] : nullptr;
}

void PictureSettingsWindow::newPresetFromSettings() {
    const auto selected = selectedPreset();
    if (!selected) {
        PresetEditor::editor(nullptr);
        return;
    }
    const int answer = Panels::runAlert(QString(), text("newPresetFromSelection"), QString(),
                                        {text("DuplicatePreset"), text("CreatePreset")});
    if (answer == 0) {
        auto copy = std::static_pointer_cast<Preset>(selected->copy());
        PresetEditor* editor = PresetEditor::editor(copy);
        editor->regenerateUUID();
    } else if (answer == 1) {
        PresetEditor::editor(nullptr);
    }
}

void PictureSettingsWindow::modifySelectedPresetFromSetting() {
    const auto selected = selectedPreset();
    if (!selected) {
        return;
    }
    if (selected->builtIn()) {
        KtObject::localizedAlert(QStringLiteral("unableToDeleteBuiltinPreset"));
        return;
    }
    PresetEditor::editor(selected);
}

void PictureSettingsWindow::deleteSelectedPreset() {
    const auto selected = selectedPreset();
    if (!selected) {
        return;
    }
    if (selected->builtIn()) {
        KtObject::localizedAlert(QStringLiteral("unableToDeleteBuiltinPreset"));
        return;
    }
    selected->deletePreset();
}
