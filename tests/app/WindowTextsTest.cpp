// Every window, relabelled in each language, shows a text on each menu, menu item, button,
// box and tab, and nowhere a key of the string table in place of its text.

#include "app/About.h"
#include "app/BatchImportWindow.h"
#include "app/Controller.h"
#include "app/PreferenceWindow.h"
#include "core/platform/StringTable.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"
#include "ui/capture/IG_Controller.h"
#include "ui/editor/PictureSettingsWindow.h"
#include "ui/export/ImageOptions.h"
#include "ui/presets/PresetEditor.h"
#include "ui/printing/PageLayoutWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <gtest/gtest.h>
#include <string>

namespace {

// The keys of the string table, read from its English source.
QSet<QString> tableKeys() {
    QFile file(QStringLiteral(FOTINO_SOURCE_DIR "/resources/i18n/fotino_en.ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    static const QRegularExpression id(QStringLiteral(R"re(<message id="([^"]+)">)re"));
    QSet<QString> keys;
    for (auto it = id.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();) {
        keys.insert(it.next().captured(1));
    }
    return keys;
}

// Walks one window and collects, for each text that is missing or a key shown raw, what and
// where it is.
class TextWalker {
public:
    explicit TextWalker(const QSet<QString>& keys)
        : keys_(keys) {}

    // A view shown inside another window (a panel's accessory view) has no title of its own.
    void walk(QWidget* window, bool titled = true) {
        window_ = window->objectName();
        if (titled) {
            mustHaveText(window->windowTitle(), QStringLiteral("title"));
        }
        if (auto* main = qobject_cast<QMainWindow*>(window); main && main->menuBar()) {
            for (QAction* menu : main->menuBar()->actions()) {
                walkMenu(menu);
            }
        }
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (!ours(button)) {
                continue;
            }
            // A button showing only an icon says what it does in its tip.
            mustHaveText(button->text().isEmpty() ? button->toolTip() : button->text(),
                         button->objectName());
            mayHaveText(button->toolTip(), button->objectName());
        }
        for (QGroupBox* box : window->findChildren<QGroupBox*>()) {
            if (ours(box) && !box->isFlat()) {
                mayHaveText(box->title(), box->objectName());
            }
        }
        for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
            for (int i = 0; i < tabs->count(); ++i) {
                mustHaveText(tabs->tabText(i), tabs->widget(i)->objectName());
            }
        }
        for (QLabel* label : window->findChildren<QLabel*>()) {
            mayHaveText(label->text(), label->objectName());
            mayHaveText(label->toolTip(), label->objectName());
        }
        for (QComboBox* popup : window->findChildren<QComboBox*>()) {
            for (int i = 0; i < popup->count(); ++i) {
                mayHaveText(popup->itemText(i), popup->objectName());
            }
        }
        for (QTableView* table : window->findChildren<QTableView*>()) {
            if (!table->model()) {
                continue;
            }
            for (int column = 0; column < table->model()->columnCount(); ++column) {
                mayHaveText(table->model()->headerData(column, Qt::Horizontal).toString(),
                            table->objectName());
            }
        }
    }

    int checked() const { return checked_; }
    const QStringList& faults() const { return faults_; }

private:
    // Widgets of our layouts have names; the parts Qt makes inside its own widgets do not.
    static bool ours(const QObject* object) {
        return !object->objectName().isEmpty() &&
               !object->objectName().startsWith(QLatin1String("qt_")) &&
               !qobject_cast<QTabBar*>(object->parent());
    }

    void walkMenu(QAction* menuAction) {
        mustHaveText(menuAction->text(), menuAction->objectName());
        if (!menuAction->menu()) {
            return;
        }
        mustHaveText(menuAction->menu()->title(), menuAction->menu()->objectName());
        for (QAction* item : menuAction->menu()->actions()) {
            if (!item->isSeparator()) {
                walkMenu(item);
            }
        }
    }

    void mustHaveText(const QString& text, const QString& where) {
        if (text.trimmed().isEmpty()) {
            faults_ << QStringLiteral("%1/%2: no text").arg(window_, where);
        }
        mayHaveText(text, where);
    }

    // A key the table has stands raw when its text is not itself ("Cancel" may read
    // "Cancel"); an identifier the table lacks always does.
    void mayHaveText(const QString& text, const QString& where) {
        ++checked_;
        static const QRegularExpression identifier(
            QStringLiteral(R"re(^(?:[a-z]+(?:[A-Z][a-z0-9]*)+|[A-Z]+(?:_[A-Z0-9]+)+)$)re"));
        const bool rawKey = keys_.contains(text) && StringTable::localizedString(text) != text;
        if (rawKey || identifier.match(text).hasMatch()) {
            faults_ << QStringLiteral("%1/%2: %3").arg(window_, where, text);
        }
    }

    const QSet<QString>& keys_;
    QString window_;
    QStringList faults_;
    int checked_ = 0;
};

class WindowTexts : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override { StringTable::install({QStringLiteral("en")}); }
    TemporaryHome home;
};

TEST_P(WindowTexts, EveryControlOfEveryWindowHasItsText) {
    const QString language = QString::fromLatin1(GetParam());
    ASSERT_EQ(StringTable::install({language}), language);
    const QSet<QString> keys = tableKeys();
    ASSERT_GT(keys.size(), 100);
    TextWalker walker(keys);

    Controller controller;
    walker.walk(controller.mainWindow());
    QPointer<PictureSettingsWindow> editor = PictureSettingsWindow::pictureSettingsWindow();
    walker.walk(editor);
    QPointer<PresetEditor> presetEditor = PresetEditor::editor(nullptr);
    walker.walk(presetEditor);
    IG_Controller capture;
    walker.walk(capture.mainWindow());
    // The windows kept for the run were made in whatever language came first.
    PageLayoutWindow* layout = PageLayoutWindow::layoutWindow();
    layout->localizePanel();
    walker.walk(layout);
    walker.walk(PreferenceWindow::pv());
    About* about = About::about();
    about->localizePanel();
    walker.walk(about);
    BatchImportWindow batchImport(3, nullptr);
    walker.walk(&batchImport);
    ImageOptions::sharedImageOptions()->localizePanel();
    walker.walk(ImageOptions::sharedImageOptions()->optionsView(), false);

    EXPECT_GT(walker.checked(), 150) << "the windows were walked";
    EXPECT_EQ(walker.faults(), QStringList());

    delete editor.data();
    delete presetEditor.data();
    layout->close();
    PreferenceWindow::pv()->close();
    about->close();
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowTexts, ::testing::Values("en", "fr", "de"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
