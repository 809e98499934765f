// The whole road of a photo: a new editor from the library, the sample portrait dropped, a
// format, a drag, more contrast, saved; listed, reopened as saved, and rendered by the command
// line as the framing view showed it.

#include "app/Controller.h"
#include "app/PictureListModel.h"
#include "core/document/DocumentLibrary.h"
#include "core/document/Fotino.h"
#include "core/platform/Panels.h"
#include "core/platform/UserDefaults.h"
#include "core/presets/Preset.h"
#include "support/TemporaryHome.h"
#include "ui/editor/FileDragAndDropCell.h"
#include "ui/editor/PictureSettingsWindow.h"
#include "ui/editor/PictureView.h"
#include "ui_MainWindow.h"
#include "ui_PictureSettingsWindows.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// The mean colour of a block of a picture.
QColor mean(const QImage& image, QRect block) {
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (int y = block.top(); y <= block.bottom(); ++y) {
        for (int x = block.left(); x <= block.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            r += c.red();
            g += c.green();
            b += c.blue();
            ++n;
        }
    }
    return QColor(int(r / n), int(g / n), int(b / n));
}

TEST(PhotoRoad, FromAPictureToASavedRenderedPhoto) {
    TemporaryHome home;
    Panels::setTestHook([](const PanelRequest&) { return 0; });
    const QString portrait = home.filePath(QStringLiteral("Astronaut.jpg"));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(FOTINO_SOURCE_DIR "/tests/data/portrait-512.jpg"), portrait));
    Controller library;
    QPointer<PictureSettingsWindow> editor = library.newPicture();
    ASSERT_TRUE(editor);
    editor->resize(900, 600);
    editor->outlets()->nameField->clear();

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(portrait)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &files, Qt::LeftButton, {});
    QCoreApplication::sendEvent(editor->dragCell(), &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &files, Qt::LeftButton, {});
    QCoreApplication::sendEvent(editor->dragCell(), &drop);
    EXPECT_EQ(editor->outlets()->nameField->text(), QStringLiteral("Astronaut"));

    const auto icao = Preset::presets().front();
    editor->outlets()->presetsPopup->setCurrentText(icao->name());
    editor->presetChanged();
    PictureView* view = editor->pictureView();
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(view, QPoint(112, 92));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(112, 92));
    editor->outlets()->gammaSlider->setValue(25);
    editor->outlets()->displayFaceFrameSwitch->setChecked(false);
    const QImage shown = view->grab().toImage();
    const Fotino edited = *editor->fotino()->copyFotino();
    editor->outlets()->displayFaceFrameSwitch->setChecked(true);
    editor->outlets()->saveButton->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editor.isNull());

    // Listed with its size.
    QAbstractItemModel* model = library.outlets()->picturesTableView->model();
    ASSERT_EQ(model->rowCount(), 1);
    EXPECT_EQ(model->data(model->index(0, PictureListModel::NameColumn)).toString(),
              QStringLiteral("Astronaut"));
    EXPECT_EQ(model->data(model->index(0, PictureListModel::SizeColumn)).toString(),
              QStringLiteral("3.50 x 4.50 cm"));

    // Reopened as saved.
    const QString path =
        QDir(DocumentLibrary::documentsFolder(UserDefaults::standardUserDefaults()))
            .filePath(QStringLiteral("Astronaut.ftoct"));
    QPointer<PictureSettingsWindow> reopened =
        PictureSettingsWindow::pictureSettingsWindowWithPath(path);
    const Fotino& saved = *reopened->fotino();
    EXPECT_EQ(saved.name(), QStringLiteral("Astronaut"));
    EXPECT_EQ(saved.pictureSize(), edited.pictureSize());
    EXPECT_EQ(saved.offset(), edited.offset());
    EXPECT_EQ(saved.gamma(), 25);
    EXPECT_EQ(saved.stringForKey(AttributeKeys::kPresetUUID), icao->uuid());
    EXPECT_EQ(reopened->outlets()->gammaSlider->value(), 25);
    EXPECT_EQ(reopened->outlets()->nameField->text(), QStringLiteral("Astronaut"));
    delete reopened.data();

    // The command line renders what the view showed: same crop, same contrast.
    const QString png = home.filePath(QStringLiteral("render.png"));
    QProcess render;
    render.start(QStringLiteral(FOTINO_BINARY),
                 {QStringLiteral("render"), path, QStringLiteral("-o"), png,
                  QStringLiteral("--dpi"), QString::number(qRound(shown.width() * 2.54 / 3.5))});
    ASSERT_TRUE(render.waitForFinished(30000));
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    const QImage rendered = QImage(png).scaled(shown.size());
    int worst = 0;
    for (int y = 40; y + 20 < shown.height() - 40; y += 20) {
        for (int x = 40; x + 20 < shown.width() - 40; x += 20) {
            const QColor a = mean(shown, QRect(x, y, 20, 20));
            const QColor b = mean(rendered, QRect(x, y, 20, 20));
            worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                              std::abs(a.blue() - b.blue())});
        }
    }
    EXPECT_LE(worst, 12);
    Panels::clearTestHook();
}

} // namespace
