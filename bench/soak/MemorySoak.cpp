// Hours of use in minutes: the library window opens editors on a 12-megapixel photo and closes
// them, then shows the print preview of the ticked documents and closes it, over and over, as
// a user does. The resident memory after a warm-up and at the end should be the same: whatever
// a window takes it gives back. Run it in the ASan build (`make leak-check`) for LeakSanitizer's
// verdict at exit.
//
//   fotino_soak_memory [--editors N] [--previews N]
//
// Prints the resident size (also after giving freed memory back to the system) and the bytes in
// use after the warm-up, at every tenth of the run and at its end. Each editor draws the presets'
// icons anew, and Qt's pixmap cache (10 MB at most) keeps them: about 2 KB an editor until it
// is full.

#include "../BenchHome.h"
#include "../PhotoTexture.h"
#include "app/Controller.h"
#include "app/PictureListModel.h"
#include "core/document/DocumentLibrary.h"
#include "core/document/DocumentStorage.h"
#include "core/platform/Panels.h"
#include "core/platform/ResourceFolder.h"
#include "core/platform/StringTable.h"
#include "core/platform/UserDefaults.h"
#include "ui/editor/PictureSettingsWindow.h"
#include "ui/printing/PageLayoutWindow.h"
#include "ui_MainWindow.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <unistd.h>

namespace {

// The resident size in megabytes; after handing the allocator's free memory back when asked.
double residentMegabytes(bool trimmed) {
    if (trimmed) {
        ::malloc_trim(0);
    }
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * double(::sysconf(_SC_PAGESIZE)) / (1024 * 1024);
}

// Bytes the program holds in the allocator: what a leak would make grow, whatever the
// allocator keeps of what was freed.
double megabytesInUse() {
    return double(::mallinfo2().uordblks) / (1024 * 1024);
}

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
}

// Runs the step `count` times; reports the memory after the first tenth (the warm-up), at
// every tenth after it, and at the end. Answers the growth from the warm-up to the end.
double measure(const char* what, int count, const std::function<void()>& step) {
    const int warmUp = std::max(1, count / 10);
    double first = 0;
    double last = 0;
    QElapsedTimer clock;
    clock.start();
    std::printf("%s: %d times\n", what, count);
    for (int i = 1; i <= count; ++i) {
        step();
        settle();
        if (i >= warmUp && (i - warmUp) % warmUp == 0) {
            const double raw = residentMegabytes(false);
            last = residentMegabytes(true);
            first = i == warmUp ? last : first;
            std::printf("  after %4d: %7.1f MB resident, %7.1f MB trimmed, %7.2f MB in use%s\n", i,
                        raw, last, megabytesInUse(), i == warmUp ? " (warm)" : "");
            std::fflush(stdout);
        }
    }
    std::printf("  growth after the warm-up: %+.1f MB (%.1f ms a time)\n", last - first,
                double(clock.elapsed()) / count);
    return last - first;
}

void tickFirstRows(Controller& controller, int rows) {
    QAbstractItemModel* model = controller.outlets()->picturesTableView->model();
    for (int row = 0; row < std::min(rows, model->rowCount()); ++row) {
        model->setData(model->index(row, PictureListModel::SelectionColumn), Qt::Checked,
                       Qt::CheckStateRole);
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const BenchHome home;
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Fotino"));
    ResourceFolder::setOverride(QStringLiteral(FOTINO_BENCH_RESOURCES));
    StringTable::install({QStringLiteral("en")});
    QCommandLineParser parser;
    const QCommandLineOption editorsOption(QStringLiteral("editors"), QString(),
                                           QStringLiteral("N"), QStringLiteral("200"));
    const QCommandLineOption previewsOption(QStringLiteral("previews"), QString(),
                                            QStringLiteral("N"), QStringLiteral("1000"));
    parser.addOptions({editorsOption, previewsOption});
    parser.process(app);
    // Closing an editor asks whether to save: no.
    Panels::setTestHook([](const PanelRequest&) { return 1; });

    // A 12-megapixel camera photo, and two documents framed on it in the library.
    const QString photo = home.filePath(QStringLiteral("camera.jpg"));
    QImageWriter writer(photo, "jpeg");
    writer.setQuality(90);
    writer.write(PhotoTexture::picture(4000, 3000));
    const QString folder = DocumentLibrary::documentsFolder(UserDefaults::standardUserDefaults());
    QDir().mkpath(folder);
    for (const char* name : {"Visa", "Passport"}) {
        Fotino document;
        DocumentStorage::saveAs(document, folder, QString(), photo,
                                {QString::fromLatin1(name), 3.5f, 4.5f, true});
    }

    int status = 0;
    {
        Controller controller;
        tickFirstRows(controller, 2);
        const double editors =
            measure("editors on a 12 MP photo", parser.value(editorsOption).toInt(), [&] {
                QPointer<PictureSettingsWindow> editor = controller.openFile(photo);
                editor->show();
                if (!QTest::qWaitForWindowExposed(editor)) {
                    std::abort();
                }
                editor->repaint();
                editor->close();
            });
        const double previews =
            measure("print previews", parser.value(previewsOption).toInt(), [&] {
                controller.printSelection();
                PageLayoutWindow* window = controller.layoutWindow();
                if (!QTest::qWaitForWindowExposed(window)) {
                    std::abort();
                }
                window->repaint();
                window->close();
            });
        // A few megabytes either way is the allocator's doing, not a leak. Under
        // AddressSanitizer freed memory waits in its quarantine: LeakSanitizer judges instead.
#if defined(__SANITIZE_ADDRESS__)
        std::printf("(under AddressSanitizer the resident sizes include its quarantine)\n");
        (void)editors;
        (void)previews;
#else
        status = editors < 8 && previews < 8 ? 0 : 1;
#endif
    }
    settle();
    Panels::clearTestHook();
    return status;
}
