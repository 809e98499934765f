#include "ui/export/ImageOptions.h"

#include "core/document/DocumentExport.h"
#include "core/platform/FileManager.h"
#include "core/platform/Panels.h"
#include "core/platform/UserDefaults.h"
#include "ui/platform/KtObject.h"
#include "ui_ImageOptions.h"

#include <QDir>
#include <QIntValidator>
#include <QRegularExpressionValidator>
#include <QStandardPaths>
#include <algorithm>
#include <array>

namespace {
struct FormatItem {
    DocumentExport::Format tag;
    const char* key;
};
constexpr std::array<FormatItem, 3> kFormats = {{
    {DocumentExport::TIFF, "exportFormat_TIFF"},
    {DocumentExport::JPEG, "exportFormat_JPEG"},
    {DocumentExport::PNG, "exportFormat_PNG"},
}};
constexpr std::array<int, 5> kResolutions = {72, 150, 300, 600, 1200};
// The resolution tag that asks for an exact size in pixels instead.
constexpr int kExactSize = 0;
constexpr int kDefaultResolution = 300;
constexpr int kMaximumPixels = 30000;
} // namespace

ImageOptions* ImageOptions::sharedImageOptions() {
    // Never deleted: widgets must not outlive the application object, and the run ends with it.
    // The static pointer keeps the instance reachable for the leak checker.
    static ImageOptions* const instance = new ImageOptions();
    instance->outputResolution();
    return instance;
}

ImageOptions::ImageOptions()
    : ui_(std::make_unique<Ui::ImageOptions>())
    , view_(new QWidget()) {
    ui_->setupUi(view_);
    for (const FormatItem& format : kFormats) {
        ui_->formatPopup->addItem(QString(), int(format.tag));
    }
    ui_->formatPopup->setCurrentIndex(ui_->formatPopup->findData(int(DocumentExport::JPEG)));
    for (const int dpi : kResolutions) {
        ui_->resolutionPopup->addItem(QString(), dpi);
    }
    ui_->resolutionPopup->insertSeparator(ui_->resolutionPopup->count());
    ui_->resolutionPopup->addItem(QString(), kExactSize);
    ui_->resolutionPopup->setCurrentIndex(ui_->resolutionPopup->findData(kDefaultResolution));
    ui_->qualitySlider->setValue(qRound(DocumentExport::kDefaultQuality * 100.0f));
    for (QLineEdit* field : {ui_->pixelsWidth, ui_->pixelsHeight}) {
        field->setValidator(new QIntValidator(0, kMaximumPixels, field));
    }
    // Empty or a whole number of kilobytes from 1: a zero cannot even be typed.
    ui_->maxSizeField->setValidator(new QRegularExpressionValidator(
        QRegularExpression(
            QStringLiteral("[1-9][0-9]{0,%1}")
                .arg(QString::number(DocumentExport::kLargestMaxKilobytes).size() - 1)),
        ui_->maxSizeField));
    connect(ui_->formatPopup, &QComboBox::currentIndexChanged, this, &ImageOptions::formatSelected);
    connect(ui_->maxSizeField, &QLineEdit::textChanged, this, &ImageOptions::formatSelected);
    connect(ui_->resolutionPopup, &QComboBox::currentIndexChanged, this,
            &ImageOptions::outputResolution);
    localizePanel();
    formatSelected();
    outputResolution();
}

ImageOptions::~ImageOptions() {
    delete view_;
}

QWidget* ImageOptions::optionsView() const {
    return view_;
}

void ImageOptions::setFilename(const QString& filename) {
    filename_ = filename;
}

void ImageOptions::formatSelected() {
    const bool jpeg = ui_->formatPopup->currentData().toInt() == DocumentExport::JPEG;
    ui_->maxSizeField->setEnabled(jpeg);
    ui_->maxSizeUnitLabel->setEnabled(jpeg);
    // A size limit chooses the quality itself.
    const bool quality = jpeg && maxKilobytes() == 0;
    ui_->qualitySlider->setEnabled(quality);
    ui_->qualityLowLabel->setEnabled(quality);
    ui_->qualityHighLabel->setEnabled(quality);
}

int ImageOptions::maxKilobytes() const {
    if (ui_->formatPopup->currentData().toInt() != DocumentExport::JPEG) {
        return 0;
    }
    return std::max(ui_->maxSizeField->text().toInt(), 0);
}

void ImageOptions::outputResolution() {
    const QVariant tag = ui_->resolutionPopup->currentData();
    const bool exact = tag.isValid() && tag.toInt() == kExactSize;
    ui_->pixelsWidth->setEnabled(exact);
    ui_->pixelsHeight->setEnabled(exact);
}

QVariantMap ImageOptions::options() const {
    int resolution = ui_->resolutionPopup->currentData().toInt();
    int width = 0;
    int height = 0;
    if (resolution == kExactSize) {
        width = ui_->pixelsWidth->text().toInt();
        height = ui_->pixelsHeight->text().toInt();
        if (width <= 0 || height <= 0) {
            Panels::beep();
            resolution = DocumentExport::kFallbackResolution;
        }
    }
    return {
        {DocumentExport::kFilename, filename_.isNull() ? QStringLiteral("") : filename_},
        {DocumentExport::kResolution, resolution},
        {DocumentExport::kQuality, static_cast<float>(ui_->qualitySlider->value()) / 100.0f},
        {DocumentExport::kFormat, ui_->formatPopup->currentData().toInt()},
        {DocumentExport::kWidth, width},
        {DocumentExport::kHeight, height},
        {DocumentExport::kMaxKilobytes, maxKilobytes()},
    };
}

std::optional<QVariantMap> ImageOptions::imageSaveOptions(const QString& name) {
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    const QString home = FileManager::homeDirectory();
    const QString folder = DocumentExport::startFolder(
        defaults,
        {QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
         QDir(home).filePath(QStringLiteral("Pictures"))},
        home);
    ImageOptions* shared = sharedImageOptions();
    const std::optional<QString> path = Panels::runSavePanel(folder, shared->optionsView(), name);
    if (!path) {
        return std::nullopt;
    }
    defaults.setObject(FileManager::folderOfPath(*path), DocumentExport::kExportPathKey);
    shared->setFilename(*path);
    return shared->options();
}

void ImageOptions::localizePanel() {
    KtObject::localize(ui_->formatLabel, QStringLiteral("exportFormatLabel"));
    KtObject::localize(ui_->qualityLabel, QStringLiteral("exportQualityLabel"));
    KtObject::localize(ui_->qualityLowLabel, QStringLiteral("exportQualityLow"));
    KtObject::localize(ui_->qualityHighLabel, QStringLiteral("exportQualityHigh"));
    KtObject::localize(ui_->resolutionLabel, QStringLiteral("exportResolutionLabel"));
    KtObject::localize(ui_->pixelsUnitLabel, QStringLiteral("exportPixelsUnit"));
    KtObject::localize(ui_->maxSizeLabel, QStringLiteral("exportMaxSizeLabel"));
    KtObject::localize(ui_->maxSizeUnitLabel, QStringLiteral("exportMaxSizeUnit"));
    ui_->maxSizeField->setPlaceholderText(
        KtObject::localizedString(QStringLiteral("exportMaxSizeNone")));
    ui_->maxSizeField->setToolTip(KtObject::localizedString(QStringLiteral("exportMaxSizeHelp")));
    ui_->pixelsWidth->setPlaceholderText(
        KtObject::localizedString(QStringLiteral("exportPixelsWidth")));
    ui_->pixelsHeight->setPlaceholderText(
        KtObject::localizedString(QStringLiteral("exportPixelsHeight")));
    for (const FormatItem& format : kFormats) {
        KtObject::localize(ui_->formatPopup, ui_->formatPopup->findData(int(format.tag)),
                           QString::fromLatin1(format.key));
    }
    const QString dpi = KtObject::localizedString(QStringLiteral("exportResolution_dpi"));
    for (int i = 0; i < ui_->resolutionPopup->count(); ++i) {
        const QVariant tag = ui_->resolutionPopup->itemData(i);
        if (!tag.isValid()) {
            continue; // the separator
        }
        if (tag.toInt() == kExactSize) {
            KtObject::localize(ui_->resolutionPopup, i, QStringLiteral("exportPixels"));
        } else {
            ui_->resolutionPopup->setItemText(i, dpi.arg(tag.toInt()));
        }
    }
}
