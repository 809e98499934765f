#include "app/BatchImportWindow.h"

#include "core/platform/BitmapImageRep.h"
#include "core/platform/Image.h"
#include "core/presets/Preset.h"
#include "ui/platform/KtObject.h"
#include "ui_BatchImportWindow.h"

#include <QPushButton>

namespace {
const QSize kPresetIconSize(24, 18);

QIcon iconOf(const Preset& preset) {
    const auto image = preset.icon();
    if (!image || image->representations().empty()) {
        return {};
    }
    return QIcon(QPixmap::fromImage(image->representations().front()->toQImage().scaled(
        kPresetIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}
} // namespace

BatchImportWindow::BatchImportWindow(int pictureCount, QWidget* parent)
    : QDialog(parent)
    , ui_(std::make_unique<Ui::BatchImportWindow>())
    , pictureCount_(pictureCount) {
    ui_->setupUi(this);
    setWindowModality(Qt::WindowModal);
    // As in the editor's list: one item a title, the last preset of a name keeps it.
    for (const auto& preset : Preset::presets()) {
        const int existing = ui_->presetsPopup->findText(preset->name());
        presetList_.push_back(preset);
        const int index = static_cast<int>(presetList_.size()) - 1;
        if (existing >= 0) {
            ui_->presetsPopup->setItemData(existing, index);
            ui_->presetsPopup->setItemIcon(existing, iconOf(*preset));
        } else {
            ui_->presetsPopup->addItem(iconOf(*preset), preset->name(), index);
        }
    }
    ui_->importButton->setEnabled(ui_->presetsPopup->count() > 0);
    connect(ui_->importButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    localizePanel();
    ui_->presetsPopup->setFocus();
}

BatchImportWindow::~BatchImportWindow() = default;

std::shared_ptr<Preset> BatchImportWindow::preset() const {
    const QVariant index = ui_->presetsPopup->currentData();
    if (!index.isValid()) {
        return nullptr;
    }
    return presetList_.at(static_cast<size_t>(index.toInt()));
}

bool BatchImportWindow::autoFrame() const {
    return ui_->autoFrameSwitch->isChecked();
}

void BatchImportWindow::localizePanel() {
    KtObject::localize(static_cast<QWidget*>(this), QStringLiteral("batchImportWindow"));
    ui_->introLabel->setText(
        KtObject::localizedString(QStringLiteral("batchImportIntro")).arg(pictureCount_));
    KtObject::localize(ui_->presetsLabel, QStringLiteral("presetsLabel"));
    KtObject::localize(ui_->autoFrameSwitch, QStringLiteral("batchAutoFrame"));
    KtObject::localize(ui_->cancelButton, QStringLiteral("Cancel"));
    KtObject::localize(ui_->importButton, QStringLiteral("batchImportButton"));
}
