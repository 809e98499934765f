// Opens the preset editor by itself, to look at it: on a new preset, or with --filled on a
// copy of the first built-in preset (icon and mask included). Quits when the window closes.

#include "core/platform/StringTable.h"
#include "core/presets/Preset.h"
#include "ui/platform/DialogPanels.h"
#include "ui/presets/PresetEditor.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Fotino"));
    StringTable::install();
    DialogPanels::install();
    std::shared_ptr<Preset> preset;
    const auto all = Preset::presets();
    if (QCoreApplication::arguments().contains(QStringLiteral("--filled")) && !all.empty()) {
        preset = std::static_pointer_cast<Preset>(all.front()->copy());
    }
    PresetEditor::editor(preset);
    return QApplication::exec();
}
