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

// What the save panel showed when it opened, and what the user then typed.
struct SavePanelSeen {
    QString directory;
    QString name;
    QString selected;
};

// Answers the next save panel: types after what it shows, then confirms.
void answerSavePanel(SavePanelSeen& seen, const QString& typed) {
    QTimer::singleShot(0, [&seen, typed] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(field);
        seen.directory = dialog->directory().absolutePath();
        seen.name = field->text();
        seen.selected = field->selectedText();
        QTest::keyClicks(field, typed);
        static_cast<QDialog*>(dialog)->accept(); // as the Save button does
    });
}

TEST(DialogPanels, TheSavePanelStartsWithTheNameSelectedSoTypingReplacesIt) {
    TemporaryHome home;
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("out")));
    const QString folder = home.filePath(QStringLiteral("out"));
    RealDialogs dialogs;

    SavePanelSeen seen;
    answerSavePanel(seen, QString());
    std::optional<QString> chosen =
        Panels::runSavePanel(folder, nullptr, QStringLiteral("Passport Anna"));
    EXPECT_EQ(seen.directory, folder);
    EXPECT_EQ(seen.name, QStringLiteral("Passport Anna"));
    EXPECT_EQ(seen.selected, QStringLiteral("Passport Anna"));
    EXPECT_EQ(chosen, std::optional(QDir(folder).filePath(QStringLiteral("Passport Anna"))))
        << "confirmed as it stood";

    answerSavePanel(seen, QStringLiteral("Visa"));
    chosen = Panels::runSavePanel(folder, nullptr, QStringLiteral("Passport Anna"));
    EXPECT_EQ(chosen, std::optional(QDir(folder).filePath(QStringLiteral("Visa"))));
}

} // namespace
