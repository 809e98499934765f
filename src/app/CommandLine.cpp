#include "app/CommandLine.h"

#include "app/Version.h"
#include "core/document/DisplayUnits.h"
#include "core/document/DocumentExport.h"
#include "core/document/DocumentLibrary.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/FileManager.h"
#include "core/platform/TemporaryName.h"
#include "core/platform/UserDefaults.h"
#include "core/presets/Preset.h"
#include "core/printing/PageGeometry.h"
#include "ui/platform/KtObject.h"
#include "ui/printing/PageLayout.h"
#include "ui/printing/PrintLayout.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <optional>

namespace {
// Beyond this a side is a typing error rather than a photo.
constexpr int kMaxExportPixels = 30000;

QString text(const char* key) {
    return KtObject::localizedString(QString::fromLatin1(key));
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
} // namespace

bool CommandLine::wantsCommand(const QStringList& arguments) {
    return arguments.size() > 1;
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
        if (words.size() > 1) {
            return usageError(text("cliUnknownOption").arg(words.at(1)), err);
        }
        return presets(out);
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
    return usageError(text("cliUnknownCommand").arg(command), err);
}

bool CommandLine::drawsPictures(const QStringList& arguments) {
    static const QStringList drawing = {QStringLiteral("render"), QStringLiteral("print"),
                                        QStringLiteral("export")};
    return arguments.size() > 1 && drawing.contains(arguments.at(1));
}

int CommandLine::print(const QStringList& options, QTextStream& err) {
    QString output;
    int copies = 4;
    std::optional<float> interspace;
    QPageSize paper = PageGeometry::defaultPaper();
    QStringList documents;
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QString& option = options.at(i);
        if (!option.startsWith(QLatin1Char('-'))) {
            documents << option;
            continue;
        }
        if (option != QLatin1String("--pdf") && option != QLatin1String("--copies") &&
            option != QLatin1String("--interspace") && option != QLatin1String("--paper")) {
            return usageError(text("cliUnknownOption").arg(option), err);
        }
        if (i + 1 >= options.size()) {
            return usageError(text("cliMissingValue").arg(option), err);
        }
        const QString value = options.at(++i);
        bool ok = true;
        if (option == QLatin1String("--pdf")) {
            output = value;
        } else if (option == QLatin1String("--copies")) {
            copies = value.toInt(&ok);
            ok = ok && copies >= 1 && copies <= 999;
        } else if (option == QLatin1String("--interspace")) {
            interspace = value.toFloat(&ok);
            ok = ok && *interspace >= 0 && *interspace <= 720;
        } else {
            const auto named = PageGeometry::paperNamed(value);
            ok = named.has_value();
            if (named) {
                paper = *named;
            }
        }
        if (!ok) {
            return usageError(text("cliBadValue").arg(option, value), err);
        }
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

    // The window's own road: a page layout with these settings builds the sheet to print.
    PageLayout pageLayout;
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(paper);
    printer->setPageOrientation(QPageLayout::Portrait);
    pageLayout.calcPageRect(printer, pageLayout.printLayout());
    pageLayout.printLayout()->setFotinos(fotinos);
    pageLayout.printLayout()->setCount(copies);
    const auto sheet = pageLayout.printerLayout();
    if (interspace) {
        sheet->setInterspace(*interspace);
    }

    // The PDF is written beside the target and moved over it once complete.
    const QString partial = TemporaryName::uniquePath(output + QStringLiteral(".XXXXXX"));
    if (partial.isEmpty()) {
        err << text("cliCannotWrite").arg(output) << Qt::endl;
        return Failure;
    }
    printer->setOutputFileName(partial);
    printer->setFullPage(true);
    QPainter painter;
    bool printed = painter.begin(printer.get());
    if (printed) {
        sheet->printWithPainter(&painter, printer->paperRect(QPrinter::DevicePixel));
        printed = painter.end();
    }
    // The temporary file was made private; the PDF is an ordinary document.
    QFile::setPermissions(partial, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (!printed || !FileManager::replaceItemAtPath(output, partial)) {
        FileManager::removeItemAtPath(partial);
        err << text("cliCannotWrite").arg(output) << Qt::endl;
        return Failure;
    }
    return Success;
}

int CommandLine::render(const QStringList& options, QTextStream& err) {
    QString document;
    QString output;
    int dotsPerInch = 300;
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QString& option = options.at(i);
        if (option == QLatin1String("-o") || option == QLatin1String("--dpi")) {
            if (i + 1 >= options.size()) {
                return usageError(text("cliMissingValue").arg(option), err);
            }
            const QString value = options.at(++i);
            if (option == QLatin1String("-o")) {
                output = value;
                continue;
            }
            bool ok = false;
            dotsPerInch = value.toInt(&ok);
            if (!ok || dotsPerInch < 1 || dotsPerInch > 4800) {
                return usageError(text("cliBadValue").arg(option, value), err);
            }
        } else if (option.startsWith(QLatin1Char('-')) || !document.isEmpty()) {
            return usageError(text("cliUnknownOption").arg(option), err);
        } else {
            document = option;
        }
    }
    if (document.isEmpty() || output.isEmpty()) {
        return usageError(text("cliRenderUsage"), err);
    }
    const auto fotino = Fotino::initWithPath(document);
    if (!fotino) {
        err << text("cliUnreadableDocument").arg(document) << Qt::endl;
        return Failure;
    }
    const auto bitmap = fotino->toImage(dotsPerInch);
    const QByteArray png = bitmap ? bitmap->PNGRepresentation() : QByteArray();
    if (png.isEmpty() || !FileManager::createFileAtPath(output, png)) {
        err << text("cliCannotWrite").arg(output) << Qt::endl;
        return Failure;
    }
    return Success;
}

int CommandLine::exportPhoto(const QStringList& options, QTextStream& out, QTextStream& err) {
    QString document;
    QVariantMap choice{{DocumentExport::kFormat, DocumentExport::PNG},
                       {DocumentExport::kResolution, 300},
                       {DocumentExport::kQuality, DocumentExport::kDefaultQuality},
                       {DocumentExport::kWidth, 0},
                       {DocumentExport::kHeight, 0}};
    bool sized = false;
    static const QStringList valued = {QStringLiteral("-o"), QStringLiteral("--format"),
                                       QStringLiteral("--dpi"), QStringLiteral("--pixels"),
                                       QStringLiteral("--quality")};
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QString& option = options.at(i);
        if (!valued.contains(option)) {
            if (option.startsWith(QLatin1Char('-')) || !document.isEmpty()) {
                return usageError(text("cliUnknownOption").arg(option), err);
            }
            document = option;
            continue;
        }
        if (i + 1 >= options.size()) {
            return usageError(text("cliMissingValue").arg(option), err);
        }
        const QString value = options.at(++i);
        bool ok = true;
        if (option == QLatin1String("-o")) {
            choice[DocumentExport::kFilename] = value;
        } else if (option == QLatin1String("--format")) {
            static const QStringList formats = {QStringLiteral("tiff"), QStringLiteral("jpeg"),
                                                QStringLiteral("png")};
            const auto format = formats.indexOf(value.toLower());
            ok = format >= 0;
            choice[DocumentExport::kFormat] = static_cast<int>(format);
        } else if (option == QLatin1String("--quality")) {
            const float quality = value.toFloat(&ok);
            ok = ok && quality >= 0 && quality <= 1;
            choice[DocumentExport::kQuality] = quality;
        } else if (option == QLatin1String("--dpi")) {
            const int dotsPerInch = value.toInt(&ok);
            ok = ok && !sized && dotsPerInch >= 1 && dotsPerInch <= 4800;
            choice[DocumentExport::kResolution] = dotsPerInch;
            sized = true;
        } else {
            const QStringList sides = value.split(QLatin1Char('x'));
            bool wideOk = false;
            bool highOk = false;
            const int wide = sides.size() == 2 ? sides.at(0).toInt(&wideOk) : 0;
            const int high = sides.size() == 2 ? sides.at(1).toInt(&highOk) : 0;
            ok = !sized && wideOk && highOk && wide >= 1 && high >= 1 && wide <= kMaxExportPixels &&
                 high <= kMaxExportPixels;
            choice[DocumentExport::kResolution] = 0;
            choice[DocumentExport::kWidth] = wide;
            choice[DocumentExport::kHeight] = high;
            sized = true;
        }
        if (!ok) {
            return usageError(text("cliBadValue").arg(option, value), err);
        }
    }
    const QString target = choice.value(DocumentExport::kFilename).toString();
    if (document.isEmpty() || target.isEmpty()) {
        return usageError(text("cliExportUsage"), err);
    }
    const auto fotino = Fotino::initWithPath(document);
    if (!fotino) {
        err << text("cliUnreadableDocument").arg(document) << Qt::endl;
        return Failure;
    }
    const QString written = DocumentExport::outputPath(choice);
    switch (DocumentExport::exportFotino(*fotino, choice)) {
    case DocumentExport::Result::Written:
        out << written << Qt::endl;
        return Success;
    case DocumentExport::Result::NoFolder:
        err << text("cliNoFolder").arg(FileManager::folderOfPath(target)) << Qt::endl;
        return Failure;
    case DocumentExport::Result::NoBitmap:
        err << text("cliNoBitmap").arg(document) << Qt::endl;
        return Failure;
    case DocumentExport::Result::WriteFailed:
    case DocumentExport::Result::UnknownFormat:
        break;
    }
    err << text("cliCannotWrite").arg(written.isEmpty() ? target : written) << Qt::endl;
    return Failure;
}

int CommandLine::list(const QStringList& options, QTextStream& out, QTextStream& err) {
    QString folder;
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QString& option = options.at(i);
        if (option == QLatin1String("--folder")) {
            if (i + 1 >= options.size()) {
                return usageError(text("cliMissingValue").arg(option), err);
            }
            folder = options.at(++i);
        } else if (option.startsWith(QLatin1String("--folder="))) {
            folder = option.mid(9);
        } else {
            return usageError(text("cliUnknownOption").arg(option), err);
        }
    }
    if (folder.isEmpty()) {
        folder = DocumentLibrary::documentsFolder(UserDefaults::standardUserDefaults());
    }
    if (!FileManager::isDirectoryAtPath(folder)) {
        err << text("cliNoFolder").arg(folder) << Qt::endl;
        return Failure;
    }
    for (const auto& document : DocumentLibrary::listDocuments(folder)) {
        out << oneLine(document->name()) << '\t' << document->size() << '\t' << document->filePath()
            << '\n';
    }
    out.flush();
    return Success;
}

int CommandLine::presets(QTextStream& out) {
    const bool metric = DisplayUnits::metric();
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

int CommandLine::usageError(const QString& detail, QTextStream& err) {
    if (!detail.isEmpty()) {
        err << detail << Qt::endl;
    }
    err << text("cliSeeHelp") << Qt::endl;
    return UsageError;
}
