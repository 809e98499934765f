#include "app/CommandLine.h"

#include "app/FramingWindow.h"
#include "app/Version.h"
#include "core/analysis/FaceFinder.h"
#include "core/analysis/PictureImport.h"
#include "core/capture/CaptureFile.h"
#include "core/capture/CaptureSession.h"
#include "core/capture/CaptureSource.h"
#include "core/document/DisplayUnits.h"
#include "core/document/DocumentExport.h"
#include "core/document/DocumentLibrary.h"
#include "core/document/DocumentStorage.h"
#include "core/document/Fotino.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/FileManager.h"
#include "core/platform/StringTable.h"
#include "core/platform/UserDefaults.h"
#include "core/presets/Preset.h"
#include "core/printing/PageGeometry.h"
#include "core/printing/PrintSheet.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QTimer>
#include <optional>

namespace {
// Beyond this a side is a typing error rather than a photo.
constexpr int kMaxExportPixels = 30000;
// Frames a capture may wait for: five minutes of them.
constexpr int kMaxCaptureFrames = 3600;
// How long a capture waits beyond the time its frames take, for the camera to start.
constexpr int kCaptureStartMilliseconds = 10000;

QString text(const char* key) {
    return StringTable::localizedString(QString::fromLatin1(key));
}

// One record a line: a tab or line break inside a name would break the columns.
QString oneLine(QString name) {
    for (QChar& c : name) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            c = QLatin1Char(' ');
        }
    }
    return name;
}

QCommandLineOption valued(const QStringList& names) {
    return QCommandLineOption(names, QString(), QStringLiteral("value"));
}

// The line of a write that failed, saying so when the disk is full.
QString cannotWrite(const QString& path) {
    const bool full = FileManager::lastWriteError() == FileManager::WriteError::DiskFull;
    return text(full ? "cliDiskFull" : "cliCannotWrite").arg(path);
}
} // namespace

namespace {
const QStringList& commandWords() {
    static const QStringList words = {
        QStringLiteral("list"),   QStringLiteral("presets"), QStringLiteral("print"),
        QStringLiteral("render"), QStringLiteral("export"),  QStringLiteral("view"),
        QStringLiteral("help"),   QStringLiteral("new"),     QStringLiteral("check")};
    return words;
}
} // namespace

bool CommandLine::wantsCommand(const QStringList& arguments) {
    return arguments.size() > 1 && filesToOpen(arguments).isEmpty();
}

QStringList CommandLine::filesToOpen(const QStringList& arguments) {
    // `fotino FILE...`: documents and pictures to open in editors. A command word or an
    // option first makes it a command, as does a name that is no file.
    const QStringList words = arguments.mid(1);
    if (words.isEmpty() || commandWords().contains(words.first()) ||
        words.first().startsWith(QLatin1Char('-'))) {
        return {};
    }
    for (const QString& word : words) {
        if (!FileManager::isRegularFileAtPath(word)) {
            return {};
        }
    }
    return words;
}

int CommandLine::run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    DocumentLibrary::registerStartupDefaults(UserDefaults::standardUserDefaults());
    const QStringList words = arguments.mid(1);
    if (words.isEmpty()) {
        return usageError(QString(), err);
    }
    const QString& command = words.first();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        out << text("cliHelp") << Qt::endl;
        return Success;
    }
    if (command == QLatin1String("--version")) {
        out << Version::displayString() << Qt::endl;
        return Success;
    }
    if (command == QLatin1String("list")) {
        return list(words.mid(1), out, err);
    }
    if (command == QLatin1String("presets")) {
        return presets(words.mid(1), out, err);
    }
    if (command == QLatin1String("print")) {
        return print(words.mid(1), err);
    }
    if (command == QLatin1String("render")) {
        return render(words.mid(1), err);
    }
    if (command == QLatin1String("export")) {
        return exportPhoto(words.mid(1), out, err);
    }
    if (command == QLatin1String("capture")) {
        return capture(words.mid(1), err);
    }
    if (command == QLatin1String("new")) {
        return newDocuments(words.mid(1), out, err);
    }
    if (command == QLatin1String("check")) {
        return check(words.mid(1), out, err);
    }
    if (command == QLatin1String("view")) {
        int exitCode = Failure;
        const auto fotino = documentToView(arguments, err, &exitCode);
        return fotino ? view(fotino) : exitCode;
    }
    return usageError(text("cliUnknownCommand").arg(command), err);
}

bool CommandLine::opensWindow(const QStringList& arguments) {
    return arguments.size() > 1 && arguments.at(1) == QLatin1String("view");
}

bool CommandLine::drawsPictures(const QStringList& arguments) {
    static const QStringList drawing = {QStringLiteral("render"), QStringLiteral("print"),
                                        QStringLiteral("export"), QStringLiteral("new"),
                                        QStringLiteral("check")};
    return arguments.size() > 1 && drawing.contains(arguments.at(1));
}

std::optional<int> CommandLine::parse(QCommandLineParser& parser, const QStringList& options,
                                      QTextStream& err) {
    // "-o" is an option of its own, not the letter o.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    if (parser.parse(QStringList{QStringLiteral("fotino")} + options)) {
        return std::nullopt;
    }
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString& name = unknown.first();
        return usageError(
            text("cliUnknownOption")
                .arg((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name),
            err);
    }
    // The parser's only other complaint: an option that takes a value came last.
    return usageError(text("cliMissingValue").arg(options.isEmpty() ? QString() : options.last()),
                      err);
}

int CommandLine::print(const QStringList& options, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption pdfOption = valued({QStringLiteral("pdf")});
    const QCommandLineOption copiesOption = valued({QStringLiteral("copies")});
    const QCommandLineOption interspaceOption = valued({QStringLiteral("interspace")});
    const QCommandLineOption paperOption = valued({QStringLiteral("paper")});
    const QCommandLineOption cutMarksOption(QStringLiteral("cut-marks"));
    parser.addOptions({pdfOption, copiesOption, interspaceOption, paperOption, cutMarksOption});
    if (const auto failed = parse(parser, options, err)) {
        return *failed;
    }
    const QString output = parser.value(pdfOption);
    const QStringList documents = parser.positionalArguments();
    int copies = 4;
    // The interspace last printed with, as the page layout window starts with it.
    float interspace = PrintSheet::storedInterspace(UserDefaults::standardUserDefaults());
    QPageSize paper = PageGeometry::defaultPaper();
    bool ok = true;
    if (parser.isSet(copiesOption)) {
        copies = parser.value(copiesOption).toInt(&ok);
        if (!ok || copies < 1 || copies > 999) {
            return usageError(
                text("cliBadValue").arg(QStringLiteral("--copies"), parser.value(copiesOption)),
                err);
        }
    }
    if (parser.isSet(interspaceOption)) {
        interspace = parser.value(interspaceOption).toFloat(&ok);
        if (!ok || interspace < 0 || interspace > 720) {
            return usageError(
                text("cliBadValue")
                    .arg(QStringLiteral("--interspace"), parser.value(interspaceOption)),
                err);
        }
    }
    if (parser.isSet(paperOption)) {
        const auto named = PageGeometry::paperNamed(parser.value(paperOption));
        if (!named) {
            return usageError(
                text("cliBadValue").arg(QStringLiteral("--paper"), parser.value(paperOption)), err);
        }
        paper = *named;
    }
    if (output.isEmpty() || documents.isEmpty()) {
        return usageError(text("cliPrintUsage"), err);
    }
    std::vector<std::shared_ptr<Fotino>> fotinos;
    for (const QString& path : documents) {
        auto fotino = Fotino::initWithPath(path);
        if (!fotino) {
            err << text("cliUnreadableDocument").arg(path) << Qt::endl;
            return Failure;
        }
        fotinos.push_back(std::move(fotino));
    }

    PrintSheet sheet(interspace);
    sheet.setPage(QPageLayout(paper, QPageLayout::Portrait, QMarginsF()), true);
    sheet.setFotinos(fotinos);
    sheet.setCount(copies);
    // Only when asked for: a script's sheet does not follow what the window last printed.
    sheet.setCutMarks(parser.isSet(cutMarksOption));
    if (!sheet.writePDF(output)) {
        err << cannotWrite(output) << Qt::endl;
        return Failure;
    }
    return Success;
}

int CommandLine::render(const QStringList& options, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption outputOption = valued({QStringLiteral("o")});
    const QCommandLineOption dpiOption = valued({QStringLiteral("dpi")});
    parser.addOptions({outputOption, dpiOption});
    if (const auto failed = parse(parser, options, err)) {
        return *failed;
    }
    const QStringList documents = parser.positionalArguments();
    if (documents.size() > 1) {
        return usageError(text("cliUnexpectedArgument").arg(documents.at(1)), err);
    }
    int dotsPerInch = 300;
    if (parser.isSet(dpiOption)) {
        bool ok = false;
        dotsPerInch = parser.value(dpiOption).toInt(&ok);
        if (!ok || dotsPerInch < 1 || dotsPerInch > 4800) {
            return usageError(
                text("cliBadValue").arg(QStringLiteral("--dpi"), parser.value(dpiOption)), err);
        }
    }
    const QString output = parser.value(outputOption);
    if (documents.isEmpty() || output.isEmpty()) {
        return usageError(text("cliRenderUsage"), err);
    }
    const QString& document = documents.first();
    const auto fotino = Fotino::initWithPath(document);
    if (!fotino) {
        err << text("cliUnreadableDocument").arg(document) << Qt::endl;
        return Failure;
    }
    const auto bitmap = fotino->toImage(dotsPerInch);
    const QByteArray png = bitmap ? bitmap->PNGRepresentation() : QByteArray();
    if (png.isEmpty() || !FileManager::createFileAtPath(output, png)) {
        err << cannotWrite(output) << Qt::endl;
        return Failure;
    }
    return Success;
}

int CommandLine::exportPhoto(const QStringList& options, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption outputOption = valued({QStringLiteral("o")});
    const QCommandLineOption formatOption = valued({QStringLiteral("format")});
    const QCommandLineOption dpiOption = valued({QStringLiteral("dpi")});
    const QCommandLineOption pixelsOption = valued({QStringLiteral("pixels")});
    const QCommandLineOption qualityOption = valued({QStringLiteral("quality")});
    const QCommandLineOption maxKbOption = valued({QStringLiteral("max-kb")});
    parser.addOptions(
        {outputOption, formatOption, dpiOption, pixelsOption, qualityOption, maxKbOption});
    if (const auto failed = parse(parser, options, err)) {
        return *failed;
    }
    const QStringList documents = parser.positionalArguments();
    if (documents.size() > 1) {
        return usageError(text("cliUnexpectedArgument").arg(documents.at(1)), err);
    }
    QVariantMap choice{{DocumentExport::kFormat, DocumentExport::PNG},
                       {DocumentExport::kResolution, 300},
                       {DocumentExport::kQuality, DocumentExport::kDefaultQuality},
                       {DocumentExport::kWidth, 0},
                       {DocumentExport::kHeight, 0},
                       {DocumentExport::kFilename, parser.value(outputOption)}};
    const auto badValue = [&](const QString& name, const QCommandLineOption& option) {
        return usageError(text("cliBadValue").arg(name, parser.value(option)), err);
    };
    bool ok = true;
    if (parser.isSet(formatOption)) {
        static const QStringList formats = {QStringLiteral("tiff"), QStringLiteral("jpeg"),
                                            QStringLiteral("png")};
        const auto format = formats.indexOf(parser.value(formatOption).toLower());
        if (format < 0) {
            return badValue(QStringLiteral("--format"), formatOption);
        }
        choice[DocumentExport::kFormat] = static_cast<int>(format);
    }
    if (parser.isSet(qualityOption)) {
        const float quality = parser.value(qualityOption).toFloat(&ok);
        if (!ok || quality < 0 || quality > 1) {
            return badValue(QStringLiteral("--quality"), qualityOption);
        }
        choice[DocumentExport::kQuality] = quality;
    }
    // One size: a resolution or exact pixels, not both.
    if (parser.isSet(dpiOption)) {
        const int dotsPerInch = parser.value(dpiOption).toInt(&ok);
        if (!ok || parser.isSet(pixelsOption) || dotsPerInch < 1 || dotsPerInch > 4800) {
            return badValue(QStringLiteral("--dpi"), dpiOption);
        }
        choice[DocumentExport::kResolution] = dotsPerInch;
    }
    if (parser.isSet(pixelsOption)) {
        const QStringList sides = parser.value(pixelsOption).split(QLatin1Char('x'));
        bool wideOk = false;
        bool highOk = false;
        const int wide = sides.size() == 2 ? sides.at(0).toInt(&wideOk) : 0;
        const int high = sides.size() == 2 ? sides.at(1).toInt(&highOk) : 0;
        if (parser.isSet(dpiOption) || !wideOk || !highOk || wide < 1 || high < 1 ||
            wide > kMaxExportPixels || high > kMaxExportPixels) {
            return badValue(QStringLiteral("--pixels"), pixelsOption);
        }
        choice[DocumentExport::kResolution] = 0;
        choice[DocumentExport::kWidth] = wide;
        choice[DocumentExport::kHeight] = high;
    }
    // A size limit chooses the JPEG quality, so it asks for a JPEG and no quality of its own;
    // an explicit lossless format is refused rather than silently changed.
    int maxKilobytes = 0;
    if (parser.isSet(maxKbOption)) {
        maxKilobytes = parser.value(maxKbOption).toInt(&ok);
        if (!ok || maxKilobytes < 1 || maxKilobytes > DocumentExport::kLargestMaxKilobytes) {
            return badValue(QStringLiteral("--max-kb"), maxKbOption);
        }
        if (parser.isSet(formatOption) &&
            choice.value(DocumentExport::kFormat).toInt() != DocumentExport::JPEG) {
            return usageError(text("cliMaxKbNeedsJpeg"), err);
        }
        if (parser.isSet(qualityOption)) {
            return usageError(text("cliMaxKbWithQuality"), err);
        }
        choice[DocumentExport::kFormat] = int(DocumentExport::JPEG);
        choice[DocumentExport::kMaxKilobytes] = maxKilobytes;
    }
    const QString target = parser.value(outputOption);
    if (documents.isEmpty() || target.isEmpty()) {
        return usageError(text("cliExportUsage"), err);
    }
    const QString& document = documents.first();
    const auto fotino = Fotino::initWithPath(document);
    if (!fotino) {
        err << text("cliUnreadableDocument").arg(document) << Qt::endl;
        return Failure;
    }
    const QString written = DocumentExport::outputPath(choice);
    FileFormatsExport::JPEGFit fit;
    switch (DocumentExport::exportFotino(*fotino, choice, &fit)) {
    case DocumentExport::Result::Written:
        out << written << Qt::endl;
        return Success;
    case DocumentExport::Result::NoFolder:
        err << text("cliNoFolder").arg(FileManager::folderOfPath(target)) << Qt::endl;
        return Failure;
    case DocumentExport::Result::NoBitmap:
        err << text("cliNoBitmap").arg(document) << Qt::endl;
        return Failure;
    case DocumentExport::Result::DocumentsFile:
        err << text("cliBelongsToDocument").arg(written) << Qt::endl;
        return Failure;
    case DocumentExport::Result::TooLarge:
        err << text("cliTooLarge")
                   .arg(QString::number(fit.smallestBytes), QString::number(maxKilobytes),
                        QString::number(DocumentExport::maxBytes(choice)), written)
            << Qt::endl;
        return Failure;
    case DocumentExport::Result::WriteFailed:
    case DocumentExport::Result::UnknownFormat:
        break;
    }
    err << cannotWrite(written.isEmpty() ? target : written) << Qt::endl;
    return Failure;
}

int CommandLine::capture(const QStringList& options, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption outputOption = valued({QStringLiteral("o")});
    const QCommandLineOption framesOption = valued({QStringLiteral("frames")});
    parser.addOptions({outputOption, framesOption});
    if (const auto failed = parse(parser, options, err)) {
        return *failed;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return usageError(text("cliUnexpectedArgument").arg(parser.positionalArguments().first()),
                          err);
    }
    int frames = CaptureSession::kDesiredFramesPerSecond;
    if (parser.isSet(framesOption)) {
        bool ok = false;
        frames = parser.value(framesOption).toInt(&ok);
        if (!ok || frames < 1 || frames > kMaxCaptureFrames) {
            return usageError(
                text("cliBadValue").arg(QStringLiteral("--frames"), parser.value(framesOption)),
                err);
        }
    }
    const QString output = parser.value(outputOption);
    if (output.isEmpty()) {
        return usageError(text("cliCaptureUsage"), err);
    }
    if (!CaptureSource::videoHardwarePresent()) {
        err << text("cliNoCamera") << Qt::endl;
        return Failure;
    }
    QString reason;
    auto source = CaptureSource::start(CaptureSource::environmentPipeline(), &reason);
    if (!source) {
        err << text("cliCaptureFailed").arg(reason) << Qt::endl;
        return Failure;
    }

    CaptureSession session(std::move(source));
    QEventLoop loop;
    std::shared_ptr<BitmapImageRep> frame;
    session.setFrameHandler([&](std::shared_ptr<BitmapImageRep> shown) {
        if (session.pacing().frameCount() >= frames) {
            frame = std::move(shown);
            session.grab();
            loop.quit();
        }
    });
    session.setFailureHandler([&](const QString& problem) {
        reason = problem;
        loop.quit();
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(frames * 1000 / CaptureSession::kDesiredFramesPerSecond +
                   kCaptureStartMilliseconds);
    session.clear();
    loop.exec();
    session.stopVideoCapture();

    if (!frame) {
        err << text("cliCaptureFailed").arg(reason.isEmpty() ? text("cliNoFrameInTime") : reason)
            << Qt::endl;
        return Failure;
    }
    const auto still = CaptureFile::stillImage(*frame);
    const QByteArray tiff = still ? still->TIFFRepresentation() : QByteArray();
    if (tiff.isEmpty() || !FileManager::createFileAtPath(output, tiff)) {
        err << cannotWrite(output) << Qt::endl;
        return Failure;
    }
    return Success;
}

int CommandLine::list(const QStringList& options, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption folderOption = valued({QStringLiteral("folder")});
    parser.addOption(folderOption);
    if (const auto failed = parse(parser, options, err)) {
        return *failed;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return usageError(text("cliUnexpectedArgument").arg(parser.positionalArguments().first()),
                          err);
    }
    const UserDefaults& defaults = UserDefaults::standardUserDefaults();
    const QString folder = parser.isSet(folderOption) ? parser.value(folderOption)
                                                      : DocumentLibrary::documentsFolder(defaults);
    if (!FileManager::isDirectoryAtPath(folder)) {
        err << text("cliNoFolder").arg(folder) << Qt::endl;
        return Failure;
    }
    const bool metric = DisplayUnits::metric(defaults);
    for (const auto& document : DocumentLibrary::listDocuments(folder)) {
        out << oneLine(document->name()) << '\t' << document->size(metric) << '\t'
            << document->filePath() << '\n';
    }
    out.flush();
    return Success;
}

int CommandLine::presets(const QStringList& options, QTextStream& out, QTextStream& err) {
    if (!options.isEmpty()) {
        const QString& word = options.first();
        return usageError(
            text(word.startsWith(QLatin1Char('-')) ? "cliUnknownOption" : "cliUnexpectedArgument")
                .arg(word),
            err);
    }
    const bool metric = DisplayUnits::metric(UserDefaults::standardUserDefaults());
    for (const auto& preset : Preset::presets()) {
        out << oneLine(preset->name()) << '\t'
            << DisplayUnits::sizeText(DisplayUnits::fromCentimetres(preset->printWidth(), metric),
                                      DisplayUnits::fromCentimetres(preset->printHeight(), metric),
                                      metric)
            << '\t' << (preset->builtIn() ? "built-in" : "user") << '\t' << preset->filePath()
            << '\n';
    }
    out.flush();
    return Success;
}

int CommandLine::newDocuments(const QStringList& options, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    const QCommandLineOption presetOption = valued({QStringLiteral("preset")});
    const QCommandLineOption autoFrameOption(QStringLiteral("auto-frame"));
    const QCommandLineOption nameOption = valued({QStringLiteral("name")});
    const QCommandLineOption folderOption = valued({QStringLiteral("folder")});
    parser.addOptions({presetOption, autoFrameOption, nameOption, folderOption});
    if (const auto failed = parse(parser, options, err)) {
        return *failed;
    }
    const QStringList pictures = parser.positionalArguments();
    if (pictures.isEmpty() || !parser.isSet(presetOption)) {
        return usageError(text("cliNewUsage"), err);
    }
    const QString name = parser.value(nameOption);
    if (parser.isSet(nameOption) && !DocumentStorage::isUsableName(name)) {
        return usageError(text("cliBadValue").arg(QStringLiteral("--name"), name), err);
    }
    const auto preset = PictureImport::presetNamed(parser.value(presetOption), Preset::presets());
    if (!preset) {
        err << text("cliUnknownPreset").arg(parser.value(presetOption)) << Qt::endl;
        return UsageError;
    }
    const QString folder =
        parser.isSet(folderOption)
            ? parser.value(folderOption)
            : DocumentLibrary::documentsFolder(UserDefaults::standardUserDefaults());

    const FaceFinder finder;
    PictureImport import(folder, *preset, finder);
    import.setAutoFrame(parser.isSet(autoFrameOption));
    import.setName(name);
    int exitCode = Success;
    for (const QString& picture : pictures) {
        const PictureImport::Outcome made = import.importPicture(picture);
        switch (made.failure) {
        case PictureImport::Failure::None:
            out << PictureImport::reportLine(made) << Qt::endl;
            continue;
        case PictureImport::Failure::UnreadablePicture:
        case PictureImport::Failure::UnreadableDocument:
            err << text("cliUnreadablePicture").arg(picture) << Qt::endl;
            break;
        case PictureImport::Failure::UnusableName:
            err << text("cliUnusableName").arg(picture, oneLine(made.name)) << Qt::endl;
            break;
        case PictureImport::Failure::WriteFailed:
            err << text("cliCannotSave").arg(picture, folder) << Qt::endl;
            break;
        case PictureImport::Failure::DiskFull:
            // The pictures after it would fail the same way.
            err << text("cliDiskFull").arg(folder) << Qt::endl;
            return Failure;
        }
        exitCode = Failure;
    }
    return exitCode;
}

int CommandLine::check(const QStringList& options, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    if (const auto failed = parse(parser, options, err)) {
        return *failed;
    }
    const QStringList documents = parser.positionalArguments();
    if (documents.isEmpty()) {
        return usageError(text("cliCheckUsage"), err);
    }
    const FaceFinder finder;
    int exitCode = Success;
    for (const QString& document : documents) {
        const PictureImport::Outcome checked = PictureImport::check(document, finder);
        if (checked.failure == PictureImport::Failure::UnreadableDocument) {
            err << text("cliUnreadableDocument").arg(document) << Qt::endl;
            exitCode = Failure;
        } else if (!checked.succeeded()) {
            err << text("cliNoPicture").arg(document) << Qt::endl;
            exitCode = Failure;
        } else {
            out << PictureImport::reportLine(checked) << Qt::endl;
            if (checked.report.status() != QLatin1String("ok")) {
                exitCode = Failure;
            }
        }
    }
    return exitCode;
}

std::shared_ptr<Fotino> CommandLine::documentToView(const QStringList& arguments, QTextStream& err,
                                                    int* exitCode) {
    *exitCode = Failure;
    QCommandLineParser parser;
    if (const auto failed = parse(parser, arguments.mid(2), err)) {
        *exitCode = *failed;
        return nullptr;
    }
    const QStringList documents = parser.positionalArguments();
    if (documents.size() != 1) {
        *exitCode = usageError(text("cliViewUsage"), err);
        return nullptr;
    }
    const QString& document = documents.first();
    auto fotino = Fotino::initWithPath(document);
    if (!fotino) {
        err << text("cliUnreadableDocument").arg(document) << Qt::endl;
        return nullptr;
    }
    *exitCode = Success;
    return fotino;
}

int CommandLine::view(const std::shared_ptr<Fotino>& fotino) {
    if (!fotino || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return Failure;
    }
    // The picture is taken now; without its path the document can never be written back,
    // not even by the conversion of an old framing on first drawing.
    fotino->originalPicture();
    fotino->setFilePath(QString());
    auto* window = new FramingWindow(fotino);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return QApplication::exec();
}

int CommandLine::usageError(const QString& detail, QTextStream& err) {
    if (!detail.isEmpty()) {
        err << detail << Qt::endl;
    }
    err << text("cliSeeHelp") << Qt::endl;
    return UsageError;
}
