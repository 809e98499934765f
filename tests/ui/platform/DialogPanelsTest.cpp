#include "ui/platform/DialogPanels.h"
#include "core/platform/Panels.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The real dialogs, for as long as it lives.
struct RealDialogs {
    RealDialogs() { DialogPanels::install(); }
    ~RealDialogs() { Panels::setProvider(nullptr); }
};

TEST(DialogPanels, TheSavePanelStartsWithTheNameSelectedSoTypingReplacesIt) {
    TemporaryHome home;
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("out")));
    const QString folder = home.filePath(QStringLiteral("out"));
    RealDialogs dialogs;
    QString directory, name, selected;
    // What the panel shows when it opens; then the user types a name and saves.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(field);
        directory = dialog->directory().absolutePath();
        name = field->text();
        selected = field->selectedText();
        QTest::keyClicks(field, QStringLiteral("Visa"));
        static_cast<QDialog*>(dialog)->accept(); // as the Save button does
    });
    const std::optional<QString> chosen =
        Panels::runSavePanel(folder, nullptr, QStringLiteral("Passport Anna"));
    EXPECT_EQ(directory, folder);
    EXPECT_EQ(name, QStringLiteral("Passport Anna"));
    EXPECT_EQ(selected, QStringLiteral("Passport Anna"));
    EXPECT_EQ(chosen, std::optional(QDir(folder).filePath(QStringLiteral("Visa"))));
}

} // namespace
